#include "support/code_pages.h"

#include <algorithm>

namespace corvane {

namespace {

// 0x80 to 0x9F as Windows-1252 has them; its five bytes without a character
// stand for the control characters of the same number, both ways, as the
// system's conversion has them. 0xA0 to 0xFF are Latin-1's.
constexpr std::array<char16_t, 128> k1252 = [] {
    constexpr char16_t kLow[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
        0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178,
    };
    std::array<char16_t, 128> t{};
    for (int i = 0; i < 128; ++i) t[i] = i < 32 ? kLow[i] : static_cast<char16_t>(0x80 + i);
    return t;
}();

// Code page 437, the IBM PC's.
constexpr std::array<char16_t, 128> k437 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

}  // namespace

Windows1252::Windows1252() : SingleByteCodePage(1252, k1252) {}
Cp437::Cp437() : SingleByteCodePage(437, k437) {}

SingleByteCodePage::SingleByteCodePage(unsigned number, const std::array<char16_t, 128>& high)
    : number_(number), high_(high) {
    for (std::size_t i = 0; i < high.size(); ++i) byCharacter_[i] = {high[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(byCharacter_.begin(), byCharacter_.end());
}

// The byte of one character; -1 where the code page has none.
int SingleByteCodePage::byteOf(wchar_t c) const {
    if (static_cast<std::uint32_t>(c) < 0x80) return static_cast<int>(c);
    if (static_cast<std::uint32_t>(c) > 0xFFFF) return -1;  // no 16-bit cut
    const auto at = std::lower_bound(byCharacter_.begin(), byCharacter_.end(), std::pair(static_cast<char16_t>(c), static_cast<unsigned char>(0)));
    return at != byCharacter_.end() && at->first == static_cast<char16_t>(c) ? at->second : -1;
}

std::optional<std::string> SingleByteCodePage::encode(std::wstring_view text) const {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        const int b = byteOf(c);
        if (b < 0) return std::nullopt;
        out += static_cast<char>(b);
    }
    return out;
}

std::string SingleByteCodePage::encodeLossy(std::wstring_view text) const {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        const int b = byteOf(c);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::wstring SingleByteCodePage::decode(std::string_view bytes) const {
    std::wstring out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out += static_cast<wchar_t>(b < 0x80 ? b : high_[b - 0x80]);
    }
    return out;
}

}  // namespace corvane
