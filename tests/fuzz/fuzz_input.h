// Turning a fuzzer's bytes into the program's inputs: wide text from pairs
// of bytes, and a few pieces of it cut at a separator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane::fuzz {

// Each two bytes one 16-bit character, little-endian, as Windows' wide
// strings hold them.
inline std::wstring wide(const std::uint8_t* data, std::size_t size) {
    std::wstring s;
    for (std::size_t i = 0; i + 1 < size; i += 2) s += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    return s;
}

// `text` cut at each `separator`.
inline std::vector<std::wstring> pieces(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> out(1);
    for (const wchar_t c : text) {
        if (c == separator) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

}  // namespace corvane::fuzz
