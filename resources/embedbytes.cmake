# Turns a binary file into a C++ source that returns its bytes.
# Usage: cmake -DINPUT=file -DOUTPUT=file.cpp -DHEADER=include -DNAMESPACE=ns -DFUNCTION=name -P embedbytes.cmake
file(READ "${INPUT}" hex HEX)
set(byte "([0-9a-f][0-9a-f])")
string(REGEX REPLACE "${byte}" "0x\\1," bytes "${hex}")
set(line "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)")
string(REGEX REPLACE "${line}" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; do not edit.\n"
    "#include \"${HEADER}\"\n\n"
    "namespace ${NAMESPACE} {\n\n"
    "namespace {\nconst std::uint8_t bytes[] = {\n${bytes}};\n} // namespace\n\n"
    "std::span<const std::uint8_t> ${FUNCTION}()\n{\n    return bytes;\n}\n\n"
    "} // namespace ${NAMESPACE}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
