#include "drivers/resource_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "drivers/pe_image.h"

namespace corvane {

namespace {

// The resource section as the loader sees it: raw bytes, then zeros up to
// its virtual size. Reads go to the file only for the raw part.
class SectionView {
public:
    SectionView(ByteSource& file, const PeSection& s, std::uint32_t base)
        : file_(file), s_(s), base_(base), size_(std::max(s.rawSize, s.virtualSize)) {}
    // Bytes [at, at + n) counted from the resource directory's start.
    bool read(std::uint64_t at, void* out, std::size_t n) {
        const std::uint64_t from = base_ + at;  // from the section's start
        if (from + n > size_) return false;
        if (n == 0) return true;
        std::memset(out, 0, n);
        if (from >= s_.rawSize) return true;
        const std::size_t raw = static_cast<std::size_t>(std::min<std::uint64_t>(n, s_.rawSize - from));
        return readExact(file_, s_.rawOffset + from, out, raw);
    }

private:
    ByteSource& file_;
    PeSection s_;
    std::uint32_t base_;
    std::uint64_t size_;
};

struct DirEntry {
    std::uint32_t name;
    std::uint32_t target;
};

// The entries of the resource directory table at `at`.
std::optional<std::vector<DirEntry>> readDirectory(SectionView& view, std::uint64_t at, std::size_t& named) {
    std::array<std::uint8_t, 16> head{};
    if (!view.read(at, head.data(), head.size())) return std::nullopt;
    named = le16(&head[12]);
    const std::size_t count = named + le16(&head[14]);
    std::vector<std::uint8_t> raw(count * 8);
    if (count != 0 && !view.read(at + 16, raw.data(), raw.size())) return std::nullopt;
    std::vector<DirEntry> entries(count);
    for (std::size_t i = 0; i < count; ++i) entries[i] = {le32(&raw[i * 8]), le32(&raw[i * 8 + 4])};
    return entries;
}

constexpr std::uint32_t kSubdirectory = 0x80000000u;

const DirEntry* findId(const std::vector<DirEntry>& entries, std::size_t named, std::uint16_t id) {
    for (std::size_t i = named; i < entries.size(); ++i) {
        if ((entries[i].name & kSubdirectory) == 0 && (entries[i].name & 0xFFFF) == id) return &entries[i];
    }
    return nullptr;
}

std::optional<FoundResource> readResource(ByteSource& file, std::uint64_t offset, std::uint64_t length, bool ne) {
    if (length == 0 || offset >= file.size()) return std::nullopt;
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(
        {length, static_cast<std::uint64_t>(kMaxVersionResource), file.size() - offset}));
    FoundResource found;
    found.fromNe = ne;
    found.bytes.resize(n);
    if (!readExact(file, offset, found.bytes.data(), n)) return std::nullopt;
    return found;
}

// `header` is the offset of the "PE\0\0" signature.
std::optional<FoundResource> findInPe(ByteSource& file, std::uint32_t header, std::uint16_t userLanguage) {
    const std::optional<PeLayout> layout = readPeLayout(file, header);
    if (!layout) return std::nullopt;
    const auto [resourceRva, resourceSize] = layout->directories[PeLayout::kResources];
    if (resourceSize == 0) return std::nullopt;
    const auto holding = [&](std::uint32_t rva) { return layout->holding(rva); };
    const PeSection* home = holding(resourceRva);
    if (home == nullptr) return std::nullopt;
    SectionView view(file, *home, resourceRva - home->virtualAddress);

    // Type 16, then name 1: both must lead to further directories.
    std::uint64_t at = 0;
    for (const std::uint16_t id : {std::uint16_t{16}, std::uint16_t{1}}) {
        std::size_t named = 0;
        const auto entries = readDirectory(view, at, named);
        if (!entries) return std::nullopt;
        const DirEntry* e = findId(*entries, named, id);
        if (e == nullptr || (e->target & kSubdirectory) == 0) return std::nullopt;
        at = e->target & ~kSubdirectory;
    }
    std::size_t named = 0;
    const auto languages = readDirectory(view, at, named);
    if (!languages || languages->empty()) return std::nullopt;
    const DirEntry* chosen = nullptr;
    for (const std::uint16_t lang : {std::uint16_t{0}, userLanguage, std::uint16_t{0x0409}}) {
        if (chosen == nullptr) chosen = findId(*languages, named, lang);
    }
    if (chosen == nullptr) chosen = &languages->front();
    if ((chosen->target & kSubdirectory) != 0) return std::nullopt;

    std::array<std::uint8_t, 8> data{};
    if (!view.read(chosen->target, data.data(), data.size())) return std::nullopt;
    const std::uint32_t rva = le32(&data[0]);
    const std::uint32_t size = le32(&data[4]);
    const PeSection* holder = holding(rva);
    if (holder == nullptr) return std::nullopt;
    return readResource(file, std::uint64_t{holder->rawOffset} + (rva - holder->virtualAddress), size, false);
}

std::optional<FoundResource> findInNe(ByteSource& file, std::uint32_t header) {
    std::array<std::uint8_t, 64> ne{};
    if (!readExact(file, header, ne.data(), ne.size())) return std::nullopt;
    const std::uint16_t table = le16(&ne[0x24]);
    const std::uint16_t names = le16(&ne[0x26]);
    if (names <= table) return std::nullopt;
    std::vector<std::uint8_t> t(names - table);
    if (!readExact(file, std::uint64_t{header} + table, t.data(), t.size()) || t.size() < 2) return std::nullopt;
    const unsigned shift = le16(&t[0]);
    if (shift > 24) return std::nullopt;  // no file of this century aligns to 16 MiB
    // Type blocks of {type, count, reserved} each followed by count 12-byte
    // name entries, up to a type of 0. Every step moves forward, and the
    // table's end bounds every read.
    std::size_t at = 2;
    while (at + 2 <= t.size()) {
        const std::uint16_t type = le16(&t[at]);
        if (type == 0 || at + 8 > t.size()) return std::nullopt;
        const std::size_t count = le16(&t[at + 2]);
        const std::size_t first = at + 8;
        if (type == 0x8010) {
            for (std::size_t i = 0; i < count && first + (i + 1) * 12 <= t.size(); ++i) {
                const std::uint8_t* n = &t[first + i * 12];
                if (le16(n + 6) == 0x8001) {
                    return readResource(file, std::uint64_t{le16(n)} << shift, std::uint64_t{le16(n + 2)} << shift, true);
                }
            }
            return std::nullopt;
        }
        at = first + count * 12;
    }
    return std::nullopt;
}

}  // namespace

std::optional<FoundResource> findVersionResource(ByteSource& file, std::uint16_t userLanguage) {
    const std::optional<ImageStart> start = imageStart(file);
    if (!start) return std::nullopt;
    return start->kind == ImageStart::Kind::Pe ? findInPe(file, start->header, userLanguage) : findInNe(file, start->header);
}

}  // namespace corvane
