#pragma once

#include "pictures/picture.h"

#include <array>
#include <optional>

namespace pictures {

inline constexpr int PictureCount = 5;
inline constexpr int BlankWidth = 200;
inline constexpr int BlankHeight = 150;

// Where the five game pictures live; slot k holds the picture of "DATA<k+1>.bmp".
using PictureSlots = std::array<std::optional<Picture>*, PictureCount>;

// Creates the five blank pictures, then reads DATA1.bmp to DATA5.bmp from the working directory
// in order. The first failure travels out as PictureError; the files after it are not opened.
void createAndLoadPictures(const PictureSlots& slots);

} // namespace pictures
