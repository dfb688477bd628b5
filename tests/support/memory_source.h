// A file held in memory, for the readers under test.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/byte_source.h"

namespace corvane {

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
