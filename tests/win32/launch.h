// Starts corvane.exe, which the test build puts beside the test program, as
// a user starts it.
#pragma once

#include <string>

#include "platform/win32/win32.h"

namespace corvane::test {

inline std::wstring corvaneExe() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"" CORVANE_EXE;
}

// Returns false when the process could not be started.
inline bool startCorvane(PROCESS_INFORMATION& process) {
    const std::wstring exe = corvaneExe();
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    return CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process) !=
           FALSE;
}

// The main window once it is shown, which is after start-up, the driver
// scan included; null after ten seconds without it.
inline HWND shownMainWindow() {
    for (int i = 0; i < 200; ++i) {
        HWND h = FindWindowW(L"CorvaneWindow", L"3dfx Corvane");
        if (h != nullptr && IsWindowVisible(h)) return h;
        Sleep(50);
    }
    return nullptr;
}

}  // namespace corvane::test
