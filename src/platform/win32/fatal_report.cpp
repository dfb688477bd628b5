#include "platform/win32/fatal_report.h"

#include "platform/win32/api.h"

namespace corvane::win32 {

void reportFatal(std::wstring_view cause) {
    api::messageBox(nullptr, L"Corvane stopped on an unexpected error:\n\n" + std::wstring(cause), L"Corvane",
                    MB_OK | MB_ICONSTOP);
    ExitProcess(1);
}

}  // namespace corvane::win32
