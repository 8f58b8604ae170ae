"""The Debian package: built by CPack, installed with its dependencies, started as the desktop
entry starts it, and removed again. Needs root; skipped where it cannot run without harm."""

import configparser
import glob
import os
import shutil
import subprocess
import tempfile
import unittest

from zoddle_e2e import GameTestCase

PACKAGE = "zoddle"
DESKTOP_ENTRY = "/usr/share/applications/org.zoddle.Zoddle.desktop"
METAINFO = "/usr/share/metainfo/org.zoddle.Zoddle.metainfo.xml"


def run(*command, timeout=300):
    return subprocess.run(command, capture_output=True, text=True, timeout=timeout, check=True)


def installed(package):
    done = subprocess.run(["dpkg-query", "-W", "-f=${Status}", package], capture_output=True,
                          text=True)
    return "install ok installed" in done.stdout


class PackageTest(GameTestCase):

    def setUp(self):
        if os.geteuid() != 0 or shutil.which("apt-get") is None:
            self.skipTest("installing a package needs root and apt-get")
        if installed(PACKAGE):
            self.skipTest("zoddle is installed on this machine already; left alone")
        super().setUp()

    def test_the_installed_package_starts_from_its_desktop_entry(self):
        packages = tempfile.mkdtemp(dir=self.folder, prefix="package-")
        run("cpack", "-G", "DEB", "-B", packages, "--config", os.environ["ZODDLE_CPACK_CONFIG"])
        (deb,) = glob.glob(os.path.join(packages, "*.deb"))
        self.addCleanup(run, "dpkg", "--purge", PACKAGE)
        run("apt-get", "install", "-y", "-qq", "--no-install-recommends", deb)
        depends = run("dpkg-query", "-W", "-f=${Depends}", PACKAGE).stdout
        self.assertIn("fonts-ipafont-gothic", depends)
        self.assertIn("libqt6widgets6", depends)

        run("desktop-file-validate", DESKTOP_ENTRY)
        run("appstreamcli", "validate", "--no-net", METAINFO)
        self.assertTrue(os.path.isfile("/usr/share/icons/hicolor/256x256/apps/zoddle.png"))

        entry = configparser.ConfigParser(interpolation=None)
        entry.read(DESKTOP_ENTRY)
        program = entry["Desktop Entry"]["Exec"]
        folder = entry["Desktop Entry"]["Path"]
        game = self.start_game(program=program, folder=folder)
        window = game.wait_for_window(caption="Zoddle")
        self.assertEqual(len(game.visible_windows()), 1, "a box came up: a sample is unreadable")
        self.assertEqual(game.slider_position(window), 5)
        game.key_down("shift", "ctrl")
        game.wait_for_slider(window, 6)
        game.key_up("ctrl", "shift")
        game.keys("alt+F4")
        self.assertEqual(game.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main()
