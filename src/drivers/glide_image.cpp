#include "drivers/glide_image.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "drivers/pe_image.h"

namespace corvane {

namespace {

constexpr std::size_t kDescriptor = 20;  // an import descriptor's bytes
constexpr std::size_t kNameAt = 12;      // where its name's address is

// The bytes of the image at `rva`, `n` of them, from the one section whose
// file bytes hold them all.
bool readRva(ByteSource& file, const PeLayout& layout, std::uint32_t rva, void* out, std::size_t n) {
    const PeSection* s = layout.holding(rva);
    if (s == nullptr || n > s->rawSize - (rva - s->virtualAddress)) return false;
    return readExact(file, std::uint64_t{s->rawOffset} + (rva - s->virtualAddress), out, n);
}

// A zero-ended name at `rva`, cut at the section's file bytes or at the
// longest name taken; nullopt where it has no end there.
std::optional<std::string> nameAt(ByteSource& file, const PeLayout& layout, std::uint32_t rva) {
    const PeSection* s = layout.holding(rva);
    if (s == nullptr) return std::nullopt;
    std::array<char, kLongestImportName + 1> buffer{};
    const std::size_t room = std::min<std::size_t>(buffer.size(), s->rawSize - (rva - s->virtualAddress));
    const std::size_t got = file.readAt(std::uint64_t{s->rawOffset} + (rva - s->virtualAddress), buffer.data(), room);
    const auto end = std::find(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got), '\0');
    if (end == buffer.begin() + static_cast<std::ptrdiff_t>(got)) return std::nullopt;
    return std::string(buffer.begin(), end);
}

bool nameByte(std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::optional<std::vector<std::string>> importedModules(ByteSource& file) {
    const std::optional<ImageStart> start = imageStart(file);
    if (!start || start->kind != ImageStart::Kind::Pe) return std::nullopt;
    const std::optional<PeLayout> layout = readPeLayout(file, start->header);
    if (!layout) return std::nullopt;
    const std::uint32_t table = layout->directories[PeLayout::kImports].first;
    std::vector<std::string> out;
    if (table == 0) return out;
    for (std::size_t i = 0; i < kMostImports; ++i) {
        std::array<std::uint8_t, kDescriptor> d{};
        if (!readRva(file, *layout, table + static_cast<std::uint32_t>(i * kDescriptor), d.data(), d.size())) {
            return std::nullopt;  // no end to the table
        }
        if (std::all_of(d.begin(), d.end(), [](std::uint8_t b) { return b == 0; })) return out;
        std::optional<std::string> name = nameAt(file, *layout, le32(&d[kNameAt]));
        if (!name) return std::nullopt;
        out.push_back(std::move(*name));
    }
    return out;
}

std::uint64_t namesHeld(ByteSource& file, std::span<const std::string_view> names) {
    std::size_t longest = 0;
    for (const std::string_view n : names) longest = std::max(longest, n.size());
    const std::size_t count = std::min<std::size_t>(names.size(), 64);
    std::uint64_t held = 0;
    // One pass: the run of name bytes before each zero is compared with the
    // names of its length. `run` holds the current run while it is short
    // enough to be one; a longer one is no name.
    std::string run;
    bool tooLong = false;
    std::array<std::uint8_t, 64 * 1024> chunk{};
    for (std::uint64_t at = 0; at < kNamesScanned;) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), kNamesScanned - at));
        const std::size_t got = file.readAt(at, chunk.data(), want);
        if (got == 0) break;
        for (std::size_t i = 0; i < got; ++i) {
            const std::uint8_t c = chunk[i];
            if (nameByte(c)) {
                if (run.size() < longest) {
                    run += static_cast<char>(c);
                } else {
                    tooLong = true;
                }
                continue;
            }
            if (c == 0 && !tooLong && !run.empty()) {
                for (std::size_t n = 0; n < count; ++n) {
                    if (names[n] == run) held |= std::uint64_t{1} << n;
                }
            }
            run.clear();
            tooLong = false;
        }
        at += got;
    }
    return held;
}

}  // namespace corvane
