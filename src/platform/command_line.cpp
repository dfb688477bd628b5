#include "platform/command_line.h"

namespace corvane {

namespace {

bool blank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::vector<std::wstring> splitCommandLine(std::wstring_view line) {
    std::size_t i = 0;
    const std::size_t n = line.size();
    // The program's name: no escapes, quotes only group.
    for (bool quoted = false; i < n && (quoted || !blank(line[i])); ++i) {
        if (line[i] == L'"') quoted = !quoted;
    }
    std::vector<std::wstring> out;
    while (true) {
        while (i < n && blank(line[i])) ++i;
        if (i >= n) break;
        std::wstring arg;
        bool quoted = false;
        for (; i < n && (quoted || !blank(line[i])); ++i) {
            std::size_t slashes = 0;
            while (i < n && line[i] == L'\\') ++slashes, ++i;
            if (i < n && line[i] == L'"') {
                // 2n backslashes and a quote: n backslashes, the quote groups;
                // 2n+1: n backslashes and a quote.
                arg.append(slashes / 2, L'\\');
                if (slashes % 2 == 1) {
                    arg += L'"';
                } else if (quoted && i + 1 < n && line[i + 1] == L'"') {
                    arg += L'"';  // "" inside quotes
                    ++i;
                } else {
                    quoted = !quoted;
                }
            } else {
                arg.append(slashes, L'\\');
                if (i >= n) break;
                if (!quoted && blank(line[i])) break;
                arg += line[i];
            }
        }
        out.push_back(std::move(arg));
    }
    return out;
}

}  // namespace corvane
