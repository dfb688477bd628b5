// libFuzzer target: any text as the program's command line, split into its
// arguments; the arguments joined back the way the splitter reads them give
// the same arguments.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "platform/command_line.h"

using namespace corvane;

namespace {

// One argument as a program that hands it on writes it: in quotes, a quote
// as \", and the backslashes before a quote or the closing one doubled.
std::wstring quoted(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t slashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
            continue;
        }
        out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
        slashes = 0;
        out += c;
    }
    out.append(slashes * 2, L'\\');
    return out + L"\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring line = fuzz::wide(data, size);
    const std::vector<std::wstring> args = splitCommandLine(line);
    std::wstring again = L"\"C:\\Program Files\\corvane.exe\"";
    for (const std::wstring& a : args) again += L" " + quoted(a);
    if (splitCommandLine(again) != args) std::abort();
    // Any pieces of the input, as arguments, come back the same way.
    const std::vector<std::wstring> parts = fuzz::pieces(line, L'\n');
    std::wstring joined = L"corvane.exe";
    for (const std::wstring& p : parts) joined += L"\t" + quoted(p);
    if (splitCommandLine(joined) != parts) std::abort();
    return 0;
}
