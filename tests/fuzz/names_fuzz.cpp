// libFuzzer target: any text as a file name and a list of patterns. A name
// that isDosName accepts is an 8.3 name by the plain rule below, and
// matchesPatterns agrees with a plain recursive matcher.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "platform/names.h"

using namespace corvane;

namespace {

// DOS: one to eight characters, then optionally a dot and one to three
// more; no character below a blank nor any of  "*+,./:;<=>?[\]|
bool plainDosName(const std::wstring& name) {
    const std::wstring forbidden = L" \"*+,./:;<=>?[\\]|";
    std::size_t base = 0, ext = 0, dots = 0;
    for (const wchar_t c : name) {
        if (c == L'.') {
            ++dots;
            continue;
        }
        if (c < 0x20 || forbidden.find(c) != std::wstring::npos) return false;
        (dots == 0 ? base : ext) += 1;
    }
    return dots <= 1 && base >= 1 && base <= 8 && ext <= 3 && (dots == 0 || ext >= 1);
}

bool same(wchar_t a, wchar_t b) { return foldCase(a) == foldCase(b); }

// "*" any run, "?" any one character, the rest itself, case folded.
bool plainMatch(const wchar_t* name, const wchar_t* nameEnd, const wchar_t* pat, const wchar_t* patEnd) {
    if (pat == patEnd) return name == nameEnd;
    if (*pat == L'*') {
        for (const wchar_t* n = name;; ++n) {
            if (plainMatch(n, nameEnd, pat + 1, patEnd)) return true;
            if (n == nameEnd) return false;
        }
    }
    if (name == nameEnd) return false;
    return (*pat == L'?' || same(*pat, *name)) && plainMatch(name + 1, nameEnd, pat + 1, patEnd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte: how many characters of the text are the name; the
    // rest are the patterns.
    const std::wstring text = fuzz::wide(data + 1, size - 1);
    const std::wstring name = text.substr(0, data[0] % 24);
    if (isDosName(name) != plainDosName(name)) std::abort();
    const std::wstring patterns = text.substr(name.size());
    if (patterns.size() > 48) return 0;  // the plain matcher takes exponential time on long runs of "*"
    bool any = false;
    for (const std::wstring& one : fuzz::pieces(patterns, L';')) {
        if (!one.empty()) any = any || plainMatch(name.data(), name.data() + name.size(), one.data(), one.data() + one.size());
    }
    if (matchesPatterns(name, patterns) != any) std::abort();
    return 0;
}
