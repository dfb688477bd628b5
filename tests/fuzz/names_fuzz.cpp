// libFuzzer target: any text as a file name and a list of patterns. A name
// that isDosName accepts is an 8.3 name by Microsoft's documented rule, and
// matchesPatterns agrees with a plain recursive matcher.
#include <cstdlib>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/names.h"

using namespace corvane;

namespace {

// Microsoft's rule for a FAT name (FsRtlIsFatDbcsLegal's documentation): N
// or N.E, N of one to eight characters and E of one to three, neither with a
// period; none below 0x20 nor any of " / : | + , ; = [ ]; and, as in every
// Windows name ("Naming Files, Paths, and Namespaces"), none of < > \ * ?.
// COMMAND.COM ends a command's word at a blank, so a name it runs as it
// stands holds none.
bool plainDosName(const std::wstring& name) {
    const std::size_t dot = name.find(L'.');
    const std::wstring n = name.substr(0, dot);
    const std::wstring e = dot == std::wstring::npos ? L"" : name.substr(dot + 1);
    if (n.empty() || n.size() > 8 || e.size() > 3 || (dot != std::wstring::npos && e.empty())) return false;
    for (const wchar_t c : n + e) {
        if (c < 0x20 || c == L' ' || c == L'.' || std::wstring(L"\"/:|+,;=[]<>\\*?").find(c) != std::wstring::npos) {
            return false;
        }
    }
    return true;
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
