# Shared by the scripts in scripts/: where things are, and installing what is missing.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

say() { printf '==> %s\n' "$*" >&2; }

# Installs, with apt-get, the Debian packages listed in the given files that are not yet
# installed. Lists hold one package per line; '#' starts a comment.
ensure_packages() {
    local wanted=() missing=() package
    mapfile -t wanted < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$@" | tr -d ' \t')
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    say "installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_build DIR [cmake options...]
configure_build() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
}
