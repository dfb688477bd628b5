#include "platform/wrap.h"

namespace corvane {

std::wstring breakLongRuns(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / kLongestRun);
    std::size_t run = 0;  // characters since the last blank or line end
    std::size_t lastSlash = std::wstring::npos;  // in `out`, within the run
    for (const wchar_t c : text) {
        if (c == L' ' || c == L'\n' || c == L'\t') {
            run = 0;
            lastSlash = std::wstring::npos;
            out += c;
            continue;
        }
        if (run == kLongestRun) {
            if (lastSlash != std::wstring::npos) {
                out.insert(lastSlash + 1, 1, L'\n');
                const std::size_t lineStart = lastSlash + 2;
                run = out.size() - lineStart;
                const std::size_t slash = out.rfind(L'\\');
                lastSlash = slash != std::wstring::npos && slash >= lineStart ? slash : std::wstring::npos;
            } else {
                out += L'\n';
                run = 0;
                lastSlash = std::wstring::npos;
            }
        }
        out += c;
        ++run;
        if (c == L'\\') lastSlash = out.size() - 1;
    }
    return out;
}

}  // namespace corvane
