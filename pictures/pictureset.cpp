#include "pictures/pictureset.h"

#include "pictures/picturesethooks.h"

#include <string>

namespace pictures {

void createAndLoadPictures(const PictureSlots& slots)
{
    const PictureSetHooks hooks {
        [](Picture& picture, const std::string& name) { picture.LoadFromFile(name); },
        allocateBlock,
    };
    createAndLoadPictures(slots, hooks);
}

void createAndLoadPictures(const PictureSlots& slots, const PictureSetHooks& hooks)
{
    // Every picture is blank before the first file is opened, so a failing file leaves white
    // pictures behind it, never missing ones.
    for (std::optional<Picture>* slot : slots) {
        Picture& picture = slot->emplace();
        picture.SetWidth(BlankWidth, hooks.allocate);
        picture.SetHeight(BlankHeight, hooks.allocate);
    }
    for (int k = 0; k < PictureCount; ++k) {
        const std::string name = "DATA" + std::to_string(k + 1) + ".bmp";
        hooks.loadFile(**slots[k], name);
    }
}

} // namespace pictures
