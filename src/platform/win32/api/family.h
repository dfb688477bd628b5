// What the door's functions share: which family of Windows runs, and text
// for the ANSI functions of the 9x path. Inside platform/win32/api/ only.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/api.h"
#include "platform/win32/fault_seam.h"

namespace corvane::win32::api {

// The NT family, or Windows 95, 98 and Me: asked of the system at the first
// call, whenever that is (a static initialiser may call through the door).
bool nt();

// The name of the function each path calls, as the fault seam asks for it.
inline const char* named(const char* wide, const char* ansi) { return nt() ? wide : ansi; }

// Text for an ANSI function: characters the code page lacks become its
// default character.
std::string narrow(std::wstring_view s);
std::wstring widen(std::string_view s);

// A name of a file for an ANSI function: exactly, or not at all. A '?' in
// place of a missing character would be a wildcard or another file.
bool narrowPath(std::wstring_view s, std::string& out);

// The error of a name that the ANSI code page can't hold.
inline constexpr DWORD kNoMapping = ERROR_NO_UNICODE_TRANSLATION;

}  // namespace corvane::win32::api
