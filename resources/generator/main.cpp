// Draws the start picture and the sample game pictures into the given folder:
// startpicture.bmp and samples/DATA1.bmp to samples/DATA5.bmp.
#include "scenes.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

bool write(const std::filesystem::path& path, const Canvas& canvas)
{
    const auto bytes = canvas.bmpFile();
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: picturegen <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "samples");
    bool written = write(folder / "startpicture.bmp", startPicture());
    for (int number = 1; number <= 5; ++number) {
        const auto name = "DATA" + std::to_string(number) + ".bmp";
        written = write(folder / "samples" / name, samplePicture(number)) && written;
    }
    if (!written) {
        std::cerr << "picturegen: cannot write the pictures into " << folder << "\n";
        return 1;
    }
    return 0;
}
