#pragma once

#include "pictures/blockallocator.h"
#include "pictures/pictureset.h"

#include <functional>
#include <string>

namespace pictures {

// What making the picture set reaches out to: the files and the memory. The game uses the real
// ones; tests watch which files are read and make the memory run out.
struct PictureSetHooks
{
    std::function<void(Picture& picture, const std::string& name)> loadFile;
    BlockAllocator allocate;
};

void createAndLoadPictures(const PictureSlots& slots, const PictureSetHooks& hooks);

} // namespace pictures
