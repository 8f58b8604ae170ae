#pragma once

#include "pictures/blockallocator.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace pictures {

class PictureData;

// A bitmap picture: empty (0 × 0, no pixels), blank (sized, all white) or loaded from a BMP
// file. Copies share the pixel data; nothing ever changes loaded data in place.
class Picture
{
public:
    Picture();

    int Width() const;
    int Height() const;

    // Changing a side makes the picture blank, all white, once both sides are above 0, and
    // until then leaves it without pixels. Throws PictureError ("ｼｽﾃﾑ ﾘｿｰｽが足りません") when
    // the pixels cannot be had, and the picture stays as it was.
    void SetWidth(int width);
    void SetHeight(int height);

    // Reads a BMP file named relative to the working directory (see picturefile.h for how the
    // file is opened and found). A file of length 0 makes the picture empty. On failure, throws
    // PictureError with the player's message and leaves the picture as it was.
    void LoadFromFile(const std::string& name);
    // The same reading for a whole BMP file held in memory.
    void LoadFromBytes(std::span<const std::uint8_t> file);

    // The same, taking the memory for pixels and file data from `allocate` (tests make it fail).
    void SetWidth(int width, const BlockAllocator& allocate);
    void SetHeight(int height, const BlockAllocator& allocate);
    void LoadFromFile(const std::string& name, const BlockAllocator& allocate);
    void LoadFromBytes(std::span<const std::uint8_t> file, const BlockAllocator& allocate);

    // Identifies the shared pixel data: equal for copies, null for a picture without pixels.
    const void* dataIdentity() const;

private:
    friend class PictureRenderer;
    void resize(int width, int height, const BlockAllocator& allocate);

    std::shared_ptr<const PictureData> data;
};

} // namespace pictures
