#include "pictures/picture.h"

#include "pictures/bmpreader.h"
#include "pictures/picturedata.h"
#include "pictures/pictureerror.h"
#include "pictures/picturefile.h"
#include "pictures/picturemessages.h"

#include <algorithm>
#include <string>

namespace pictures {

Picture::Picture() = default;

int Picture::Width() const
{
    return data ? data->width() : 0;
}

int Picture::Height() const
{
    return data ? data->height() : 0;
}

void Picture::SetWidth(int width)
{
    SetWidth(width, allocateBlock);
}

void Picture::SetHeight(int height)
{
    SetHeight(height, allocateBlock);
}

void Picture::SetWidth(int width, const BlockAllocator& allocate)
{
    resize(width, Height(), allocate);
}

void Picture::SetHeight(int height, const BlockAllocator& allocate)
{
    resize(Width(), height, allocate);
}

void Picture::resize(int width, int height, const BlockAllocator& allocate)
{
    if (width == Width() && height == Height())
        return;
    if (width <= 0 || height <= 0) {
        data = width == 0 && height == 0 ? nullptr : PictureData::sizeOnly(width, height);
        return;
    }
    auto blank = PictureData::blank(width, height, allocate);
    if (!blank)
        throw PictureError(std::string(OutOfResourcesMessage));
    data = std::move(blank);
}

void Picture::LoadFromFile(const std::string& name)
{
    LoadFromFile(name, allocateBlock);
}

void Picture::LoadFromFile(const std::string& name, const BlockAllocator& allocate)
{
    data = readPictureFile(name, allocate);
}

void Picture::LoadFromBytes(std::span<const std::uint8_t> file)
{
    LoadFromBytes(file, allocateBlock);
}

void Picture::LoadFromBytes(std::span<const std::uint8_t> file, const BlockAllocator& allocate)
{
    std::size_t position = 0;
    const auto readNext = [&](std::span<std::uint8_t> into) {
        if (into.size() > file.size() - position)
            return false;
        std::copy_n(file.begin() + position, into.size(), into.begin());
        position += into.size();
        return true;
    };
    data = readBmp(file.size(), readNext, allocate);
}

const void* Picture::dataIdentity() const
{
    return data && data->hasPixels() ? data->block().data() : nullptr;
}

} // namespace pictures
