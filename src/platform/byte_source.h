// Random access to the bytes of a file that may be large, truncated or
// hostile: readers ask for exactly the bytes they need.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace corvane {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Copies up to `n` bytes from `offset`; returns how many it copied (fewer
    // at the end of the file, 0 past it).
    virtual std::size_t readAt(std::uint64_t offset, void* out, std::size_t n) = 0;
};

// A file held in memory.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t size() const override { return bytes_.size(); }
    std::size_t readAt(std::uint64_t offset, void* out, std::size_t n) override {
        if (n == 0 || offset >= bytes_.size()) return 0;
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(n, bytes_.size() - offset));
        std::memcpy(out, bytes_.data() + offset, count);
        return count;
    }

private:
    std::string bytes_;
};

}  // namespace corvane
