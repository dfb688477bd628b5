#include "drivers/file_version.h"

#include <algorithm>

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

std::vector<std::wstring> versionStrings(VersionService& versions, std::vector<std::uint8_t>& block,
                                         std::string_view name, const CodePageService& cp) {
    std::vector<std::wstring> out;
    for (const std::string& key : stringTables(block, cp)) {
        std::size_t at = 0;
        std::uint32_t length = 0;
        if (!versions.query(block, "\\StringFileInfo\\" + key + "\\" + std::string(name), at, length) || length == 0) continue;
        if (std::wstring value = stringAt(block, at, cp); !value.empty()) out.push_back(std::move(value));
    }
    return out;
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

}  // namespace corvane
