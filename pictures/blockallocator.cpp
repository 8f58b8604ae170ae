#include "pictures/blockallocator.h"

#include <new>

namespace pictures {

Block allocateBlock(std::size_t size)
{
    if (size > MaxBlockSize)
        return nullptr;
    return Block(new (std::nothrow) std::uint8_t[size]);
}

} // namespace pictures
