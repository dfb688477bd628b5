#include "drivers/file_version.h"

#include <algorithm>

#include "drivers/scan.h"
#include "drivers/version_block.h"

namespace corvane {

std::wstring stringAt(const std::vector<std::uint8_t>& block, std::size_t offset, const CodePageService& cp) {
    if (offset >= block.size()) return {};
    std::size_t end = offset;
    while (end < block.size() && block[end] != 0) ++end;
    return cp.decode(std::string(reinterpret_cast<const char*>(block.data()) + offset, end - offset));
}

std::string bytesAt(const std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t length) {
    if (length == 0 || offset >= block.size()) return {};
    const std::size_t n = std::min<std::size_t>(length, block.size() - offset);
    return std::string(reinterpret_cast<const char*>(block.data()) + offset, n);
}

std::string translationKey(const std::string& t) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string key;
    for (const std::size_t i : {1u, 0u, 3u, 2u}) {
        const auto b = static_cast<unsigned char>(t[i]);
        key += kHex[b >> 4];
        key += kHex[b & 15];
    }
    return key;
}

std::optional<std::vector<std::uint8_t>> DriverScan::versionBlock(const std::wstring& path) {
    const std::uint32_t size = versions_.size(path);
    if (size == 0) return std::nullopt;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(size) + 1, 0);
    versions_.read(path, block);
    return block;
}

std::wstring DriverScan::fileVersionIn(std::vector<std::uint8_t>& block) {
    std::size_t at = 0;
    std::uint32_t length = 0;
    if (!versions_.query(block, "\\VarFileInfo\\Translation", at, length) || length == 0) return {};
    const std::string t = bytesAt(block, at, length);
    // Fewer than four bytes name no table.
    if (t.size() < 4) return {};
    const std::string sub = "\\StringFileInfo\\" + translationKey(t) + "\\FileVersion";
    if (!versions_.query(block, sub, at, length) || length == 0) return {};
    return stringAt(block, at, codePage_);
}

GlideFamily DriverScan::familyIn(std::vector<std::uint8_t>& block) {
    for (const std::string& key : stringTables(block, codePage_)) {
        std::size_t at = 0;
        std::uint32_t length = 0;
        if (!versions_.query(block, "\\StringFileInfo\\" + key + "\\ProductName", at, length) || length == 0) continue;
        const GlideFamily family = familyOf(stringAt(block, at, codePage_));
        if (family != GlideFamily::None) return family;
    }
    return GlideFamily::None;
}

std::wstring DriverScan::fileVersion(const std::wstring& path) {
    std::optional<std::vector<std::uint8_t>> block = versionBlock(path);
    return block ? fileVersionIn(*block) : std::wstring();
}

}  // namespace corvane
