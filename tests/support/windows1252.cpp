#include "support/windows1252.h"

#include <cstdint>

namespace corvane {

namespace {

// Characters of the bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The byte of one character; -1 where the code page has none.
int byteOf(wchar_t c) {
    const auto u = static_cast<std::uint32_t>(c);
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] != 0 && kHigh[i] == u) return 0x80 + i;
    }
    // The five bytes without a character stand for the control characters
    // of the same number, both ways, as the system's conversion has them.
    if (u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0) return static_cast<int>(u);
    return -1;
}

}  // namespace

std::optional<std::string> Windows1252::encode(std::wstring_view text) const {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        const int b = byteOf(c);
        if (b < 0) return std::nullopt;
        out += static_cast<char>(b);
    }
    return out;
}

std::string Windows1252::encodeLossy(std::wstring_view text) const {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        const int b = byteOf(c);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::wstring Windows1252::decode(std::string_view bytes) const {
    std::wstring out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        const bool high = b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0;
        out += high ? static_cast<wchar_t>(kHigh[b - 0x80]) : static_cast<wchar_t>(b);
    }
    return out;
}

}  // namespace corvane
