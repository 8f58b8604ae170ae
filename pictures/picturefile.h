#pragma once

#include "pictures/blockallocator.h"
#include "pictures/picturedata.h"

#include <memory>
#include <string>

namespace pictures {

// Opens the picture file `name` (relative to the working directory) read-only and exclusively,
// reads it whole as a BMP file and closes it, also when reading fails. When no file has exactly
// that name, the one entry of the working directory whose name matches it ignoring ASCII letter
// case is read instead; when several do, none is chosen and the file cannot be opened.
// Throws PictureError with the player's message; returns null for a file of length 0.
std::shared_ptr<const PictureData> readPictureFile(
    const std::string& name, const BlockAllocator& allocate);

} // namespace pictures
