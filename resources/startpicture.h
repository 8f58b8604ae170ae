#pragma once

#include <cstdint>
#include <span>

namespace resources {

// The start picture: a whole 200 × 150, 24-bit BMP file built into the program.
std::span<const std::uint8_t> startPictureBmp();

} // namespace resources
