#include "pictures/bmpreader.h"

#include "pictures/pictureerror.h"
#include "pictures/picturemessages.h"

#include <array>
#include <string>
#include <utility>

namespace pictures {

namespace {

constexpr std::uint64_t FileHeaderSize = 14;

[[noreturn]] void fail(std::string_view message)
{
    throw PictureError(std::string(message));
}

} // namespace

std::shared_ptr<const PictureData> readBmp(
    std::uint64_t length, const ReadNext& readNext, const BlockAllocator& allocate)
{
    if (length == 0)
        return nullptr;

    std::array<std::uint8_t, FileHeaderSize> fileHeader;
    if (length < FileHeaderSize || !readNext(fileHeader))
        fail(ReadErrorMessage);
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M')
        fail(InvalidImageMessage);

    const std::uint64_t blockSize = length - FileHeaderSize;
    Block block = blockSize <= MaxBlockSize ? allocate(blockSize) : nullptr;
    if (!block)
        fail(OutOfMemoryMessage);
    const std::span<std::uint8_t> bytes(block.get(), blockSize);
    if (!readNext(bytes))
        fail(ReadErrorMessage);

    // A block too short for its own header is a read past the end of the file. Everything after
    // the header (colour table, pixels) may be short or missing: drawing stops at the block's end.
    BitmapFormat format;
    switch (readBitmapFormat(bytes, format)) {
    case HeaderCheck::Known:
        break;
    case HeaderCheck::Truncated:
        fail(ReadErrorMessage);
    case HeaderCheck::UnknownSize:
        fail(InvalidImageMessage);
    }
    return PictureData::loaded(std::move(block), blockSize, format);
}

} // namespace pictures
