#include "platform/win32/fatal_report.h"

#include "platform/win32/api.h"

namespace corvane::win32 {

void reportFatal(std::wstring_view cause) {
    // The report takes no memory of the program's own: it may be the report
    // of memory running out. Should it fail and end up here again, the
    // process ends at once.
    static bool reporting = false;
    if (reporting) ExitProcess(1);
    reporting = true;
    static wchar_t text[1024];
    constexpr std::wstring_view kLead = L"Corvane stopped on an unexpected error:\n\n";
    std::size_t n = 0;
    for (const std::wstring_view part : {kLead, cause}) {
        for (const wchar_t c : part) {
            if (n + 1 < std::size(text)) text[n++] = c;
        }
    }
    text[n] = L'\0';
    api::messageBox(nullptr, text, L"Corvane", MB_OK | MB_ICONSTOP);
    ExitProcess(1);
}

}  // namespace corvane::win32
