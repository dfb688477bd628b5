#include "platform/names.h"

#include <algorithm>

namespace corvane {

wchar_t foldCase(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 32);
    // Latin-1 lower-case letters, except the division sign and ÿ.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 32);
    return c;
}

int compareNoCase(std::wstring_view a, std::wstring_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wchar_t x = foldCase(a[i]);
        const wchar_t y = foldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool equalNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

bool containsNoCase(std::wstring_view text, std::wstring_view word) {
    if (word.empty()) return true;
    if (word.size() > text.size()) return false;
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
        if (equalNoCase(text.substr(i, word.size()), word)) return true;
    }
    return false;
}

namespace {

// Iterative wildcard match with one backtrack point: linear in practice and
// never recursive, whatever the pattern holds.
bool matchOne(std::wstring_view name, std::wstring_view pat) {
    std::size_t n = 0, p = 0;
    std::size_t starP = std::wstring_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pat.size() && pat[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (p < pat.size() && (pat[p] == L'?' || foldCase(pat[p]) == foldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::wstring_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == L'*') ++p;
    return p == pat.size();
}

}  // namespace

bool matchesPatterns(std::wstring_view name, std::wstring_view patterns) {
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(L';', start);
        if (end == std::wstring_view::npos) end = patterns.size();
        const std::wstring_view one = patterns.substr(start, end - start);
        if (!one.empty() && matchOne(name, one)) return true;
        start = end + 1;
    }
    return false;
}

bool isDosName(std::wstring_view name) {
    const std::size_t dot = name.find(L'.');
    const std::wstring_view base = name.substr(0, dot);
    const std::wstring_view ext = dot == std::wstring_view::npos ? std::wstring_view() : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
    if (dot != std::wstring_view::npos && ext.empty()) return false;
    constexpr std::wstring_view kNotInDosNames = L" \"*+,./:;<=>?[\\]|";
    for (const std::wstring_view part : {base, ext}) {
        for (const wchar_t c : part) {
            if (c < 0x20 || kNotInDosNames.find(c) != std::wstring_view::npos) return false;
        }
    }
    return true;
}

std::wstring fileNameFault(std::wstring_view name) {
    constexpr std::wstring_view kNever = L"\\/:*?\"<>|";
    for (const wchar_t c : name) {
        if (c < 0x20) return L"A file's name cannot hold control characters.";
        if (kNever.find(c) != std::wstring_view::npos) return L"A file's name cannot hold \"" + std::wstring(1, c) + L"\".";
    }
    if (name.find_first_not_of(L" .") == std::wstring_view::npos) return L"A file's name cannot be only blanks and dots.";
    // The system takes a device's name, with any extension, for the device.
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
    // CONIN$ and CONOUT$ are the console to Windows, CLOCK$ a DOS device;
    // Windows also takes the superscript digits for the ports' numbers.
    bool device = false;
    for (const std::wstring_view d : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"}) {
        device = device || equalNoCase(stem, d);
    }
    constexpr std::wstring_view kPortDigits = L"123456789\u00B9\u00B2\u00B3";
    for (const std::wstring_view d : {L"COM", L"LPT"}) {
        device = device || (stem.size() == 4 && equalNoCase(stem.substr(0, 3), d) &&
                            kPortDigits.find(stem[3]) != std::wstring_view::npos);
    }
    if (device) return L"\"" + std::wstring(stem) + L"\" is the name of a device, not of a file.";
    return {};
}

std::wstring folderOf(std::wstring_view path) {
    const std::size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, cut + 1));
}

std::wstring joinPath(std::wstring_view folder, std::wstring_view name) {
    std::wstring out;
    out.reserve(folder.size() + 1 + name.size());
    out += folder;
    if (out.empty() || out.back() != L'\\') out += L'\\';
    out += name;
    return out;
}

}  // namespace corvane
