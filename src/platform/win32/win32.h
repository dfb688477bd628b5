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

}  // namespace corvane::win32
