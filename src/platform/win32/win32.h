// Windows headers for the view and the services, held to what Windows XP
// has; anything newer is reached through GetProcAddress (see dpi.h).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0501
#undef WINVER
#define WINVER 0x0501
#undef _WIN32_IE
#define _WIN32_IE 0x0600

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace corvane::win32 {

// The system's text for an error code, without its trailing line end.
std::wstring errorText(DWORD code);

// A function of a system DLL, looked up when first needed: for functions
// that older systems lack, and for DLLs that start-up should not pay for.
// Null when the DLL or the function is missing.
template <typename F>
F systemFunction(const wchar_t* module, const char* name) {
    HMODULE m = GetModuleHandleW(module);
    if (m == nullptr) m = LoadLibraryW(module);
    return m == nullptr ? nullptr : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

}  // namespace corvane::win32
