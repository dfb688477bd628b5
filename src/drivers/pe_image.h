// The layout of a 32-bit (PE) or 64-bit (PE32+) image as its headers give
// it, read from a file that may be truncated or hostile: its sections and
// data directories, and where in the file an address of the mapped image
// lies. Every reader of an image's parts starts here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/byte_source.h"

namespace corvane {

std::uint16_t le16(const std::uint8_t* p);
std::uint32_t le32(const std::uint8_t* p);
// Reads exactly `n` bytes or fails.
bool readExact(ByteSource& file, std::uint64_t offset, void* out, std::size_t n);

struct PeSection {
    std::uint32_t virtualAddress, virtualSize, rawSize, rawOffset;
    bool holds(std::uint32_t rva) const { return rva >= virtualAddress && rva - virtualAddress < rawSize; }
};

struct PeLayout {
    std::vector<PeSection> sections;
    // Each data directory's address and size, in the headers' order.
    std::array<std::pair<std::uint32_t, std::uint32_t>, 16> directories{};
    static constexpr std::size_t kImports = 1;
    static constexpr std::size_t kResources = 2;

    // The section whose file bytes hold `rva`; nullptr where none does.
    const PeSection* holding(std::uint32_t rva) const;
};

// Where an image's new header begins, and which kind it is.
struct ImageStart {
    enum class Kind : std::uint8_t { Pe, Ne } kind;
    std::uint32_t header;  // the offset of "PE\0\0" or "NE"
};
std::optional<ImageStart> imageStart(ByteSource& file);

// The layout of the PE image whose signature is at `header`; nullopt where
// its headers do not hold together.
std::optional<PeLayout> readPeLayout(ByteSource& file, std::uint32_t header);

}  // namespace corvane
