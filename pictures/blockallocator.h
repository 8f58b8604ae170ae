#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace pictures {

using Block = std::unique_ptr<std::uint8_t[]>;

// Hands out the memory a picture keeps its data in; returns null when there is none to be had.
// Tests pass one that fails.
using BlockAllocator = std::function<Block(std::size_t size)>;

// The largest block a picture may claim. The game's own pictures take about 90 KB and even a
// 4096 × 4096 picture at 32 bits per pixel fits; a larger claim comes from a broken or hostile
// file, and the kernel would grant it lazily and kill the game later instead of saying no now.
inline constexpr std::size_t MaxBlockSize = 64 * 1024 * 1024;

// Takes the memory from the heap; also returns null for sizes above MaxBlockSize.
Block allocateBlock(std::size_t size);

} // namespace pictures
