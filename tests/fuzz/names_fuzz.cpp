// libFuzzer target: any text as a file name and a list of patterns. A name
// that isDosName accepts is an 8.3 name by the plain rule below, and
// matchesPatterns agrees with a plain recursive matcher.
#include <cstdlib>
#include <vector>

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

// "*" any run, "?" any one character, the rest itself, case folded: the
// name from `n` on against the pattern from `p` on, each pair of places
// answered once (a run of stars would take exponential time otherwise).
struct PlainMatch {
    const std::wstring& name;
    const std::wstring& pat;
    std::vector<signed char> known = std::vector<signed char>((name.size() + 1) * (pat.size() + 1), -1);

    bool operator()(std::size_t n, std::size_t p) {
        signed char& answer = known[n * (pat.size() + 1) + p];
        if (answer < 0) answer = static_cast<signed char>(decide(n, p));
        return answer != 0;
    }
    bool decide(std::size_t n, std::size_t p) {
        if (p == pat.size()) return n == name.size();
        if (pat[p] == L'*') return (*this)(n, p + 1) || (n < name.size() && (*this)(n + 1, p));
        return n < name.size() && (pat[p] == L'?' || same(pat[p], name[n])) && (*this)(n + 1, p + 1);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte: how many characters of the text are the name; the
    // rest are the patterns.
    const std::wstring text = fuzz::wide(data + 1, size - 1);
    const std::wstring name = text.substr(0, data[0] % 24);
    if (isDosName(name) != plainDosName(name)) std::abort();
    const std::wstring patterns = text.substr(name.size());
    bool any = false;
    for (const std::wstring& one : fuzz::pieces(patterns, L';')) {
        if (!one.empty()) any = any || PlainMatch{name, one}(0, 0);
    }
    if (matchesPatterns(name, patterns) != any) std::abort();
    return 0;
}
