// Windows headers for the view and the services. The program imports only
// what Windows 98 has; anything newer is reached through GetProcAddress
// (see dpi.h), and functions with an ANSI and a wide form through api.h.
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

// A function, message or structure with an ANSI and a wide form is named by
// its form: the wide one where 9x implements it or on the NT path of api.h,
// the ANSI one on its 9x path. Its generic name, which the headers turn into
// the wide form, does not compile from here on; only tests and benchmarks
// may use it.
#ifndef CORVANE_GENERIC_WINDOWS_NAMES
#undef __MINGW_NAME_AW
#define __MINGW_NAME_AW(name) name##_has_an_ANSI_and_a_wide_form__name_one_or_go_through_api_h
#undef __MINGW_NAME_AW_EXT
#define __MINGW_NAME_AW_EXT(name, ext) name##_has_an_ANSI_and_a_wide_form__name_one_or_go_through_api_h
#endif

#include <string>

namespace corvane::win32 {

namespace api {
std::wstring errorText(DWORD code);
HMODULE systemLibrary(const wchar_t* name);
FARPROC ntFunction(const wchar_t* module, const char* name);
}  // namespace api

// The system's text for an error code, without its trailing line end.
inline std::wstring errorText(DWORD code) { return api::errorText(code); }

// A function of a system DLL, looked up when first needed: for functions
// that older systems lack, and for DLLs that start-up should not pay for.
// Null when the DLL or the function is missing.
template <typename F>
F systemFunction(const wchar_t* module, const char* name) {
    HMODULE m = api::systemLibrary(module);
    return m == nullptr ? nullptr : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

// A function that only later systems of the NT family have: null on 9x,
// where the fallback runs whatever a look-up would find.
template <typename F>
F ntFunction(const wchar_t* module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(api::ntFunction(module, name)));
}

}  // namespace corvane::win32
