#include "platform/path_block.h"

namespace corvane {

std::vector<std::uint8_t> pathBlock(const std::vector<std::wstring>& paths) {
    std::vector<std::uint8_t> block;
    const auto unit = [&](wchar_t c) {
        block.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(c) & 0xFF));
        block.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(c) >> 8 & 0xFF));
    };
    for (const std::wstring& p : paths) {
        for (const wchar_t c : p) unit(c);
        unit(L'\0');
    }
    return block;
}

std::vector<std::wstring> pathsInBlock(std::uint64_t tag, const void* bytes, std::size_t size) {
    std::vector<std::wstring> out;
    if (tag != kPathBlockTag || bytes == nullptr || size > kPathBlockMostBytes || size % 2 != 0) return out;
    const auto* b = static_cast<const std::uint8_t*>(bytes);
    std::wstring path;
    for (std::size_t i = 0; i < size; i += 2) {
        const auto c = static_cast<wchar_t>(b[i] | b[i + 1] << 8);
        if (c != L'\0') {
            path += c;
        } else if (!path.empty()) {
            out.push_back(std::move(path));
            path.clear();
        }
    }
    // A last path without its zero is cut off: the block is not ours.
    return path.empty() ? out : std::vector<std::wstring>{};
}

}  // namespace corvane
