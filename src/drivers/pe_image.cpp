#include "drivers/pe_image.h"

namespace corvane {

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t le32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool readExact(ByteSource& file, std::uint64_t offset, void* out, std::size_t n) {
    return n == 0 || file.readAt(offset, out, n) == n;
}

const PeSection* PeLayout::holding(std::uint32_t rva) const {
    for (const PeSection& s : sections) {
        if (s.holds(rva)) return &s;
    }
    return nullptr;
}

std::optional<ImageStart> imageStart(ByteSource& file) {
    std::array<std::uint8_t, 64> mz{};
    if (!readExact(file, 0, mz.data(), mz.size()) || mz[0] != 'M' || mz[1] != 'Z') return std::nullopt;
    const std::uint32_t header = le32(&mz[0x3C]);
    std::array<std::uint8_t, 4> magic{};
    if (!readExact(file, header, magic.data(), 2)) return std::nullopt;
    if (magic[0] == 'P' && magic[1] == 'E') {
        if (!readExact(file, header, magic.data(), magic.size()) || magic[2] != 0 || magic[3] != 0) return std::nullopt;
        return ImageStart{ImageStart::Kind::Pe, header};
    }
    if (magic[0] == 'N' && magic[1] == 'E') return ImageStart{ImageStart::Kind::Ne, header};
    return std::nullopt;
}

std::optional<PeLayout> readPeLayout(ByteSource& file, std::uint32_t header) {
    // Signature and file header, then the optional header up to the end of
    // its data directories; a short one leaves the rest zero.
    std::array<std::uint8_t, 24 + 112 + 16 * 8> nt{};
    if (file.readAt(header, nt.data(), nt.size()) < 24) return std::nullopt;
    const std::uint16_t sectionCount = le16(&nt[6]);
    const std::uint16_t optionalSize = le16(&nt[20]);
    const std::uint16_t magic = le16(&nt[24]);
    std::size_t dir = 0;
    if (magic == 0x10B) {
        dir = 24 + 96;
    } else if (magic == 0x20B) {
        dir = 24 + 112;
    } else {
        return std::nullopt;
    }
    PeLayout layout;
    for (std::size_t i = 0; i < layout.directories.size() && dir + i * 8 + 8 <= nt.size(); ++i) {
        layout.directories[i] = {le32(&nt[dir + i * 8]), le32(&nt[dir + i * 8 + 4])};
    }
    std::vector<std::uint8_t> table(static_cast<std::size_t>(sectionCount) * 40);
    if (!readExact(file, std::uint64_t{header} + 24 + optionalSize, table.data(), table.size())) return std::nullopt;
    layout.sections.resize(sectionCount);
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::uint8_t* s = &table[i * 40];
        layout.sections[i] = {le32(s + 12), le32(s + 8), le32(s + 16), le32(s + 20)};
    }
    return layout;
}

}  // namespace corvane
