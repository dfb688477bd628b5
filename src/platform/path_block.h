// The block of paths a second start of the program hands to the copy that
// is already running: the paths one after the other, each ended by a zero,
// in 16-bit units (little-endian) as Windows' wide strings hold them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// What marks the block as one of ours ("CVNP"), and the most it may hold.
inline constexpr std::uint32_t kPathBlockTag = 0x43564E50;
inline constexpr std::size_t kPathBlockMostBytes = std::size_t(1) << 20;

// The block for `paths`. One larger than kPathBlockMostBytes is not sent.
std::vector<std::uint8_t> pathBlock(const std::vector<std::wstring>& paths);

// The paths of a block that came with `tag`; none for any other tag, or a
// block that is malformed: it comes from another program. Empty paths are
// skipped.
std::vector<std::wstring> pathsInBlock(std::uint64_t tag, const void* bytes, std::size_t size);

}  // namespace corvane
