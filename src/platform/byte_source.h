// Random access to the bytes of a file that may be large, truncated or
// hostile: readers ask for exactly the bytes they need.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Copies up to `n` bytes from `offset`; returns how many it copied (fewer
    // at the end of the file, 0 past it).
    virtual std::size_t readAt(std::uint64_t offset, void* out, std::size_t n) = 0;
};

}  // namespace corvane
