// Dots per inch of a window and the scaling that follows from it. The
// functions for per-monitor scaling came after Windows XP, so each is looked
// up at run time and has a fallback for systems without it.
#pragma once

#include "platform/win32/win32.h"

namespace corvane::win32 {

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// Declares the process per-monitor aware where the system can be told at
// run time (the manifest says so too); harmless elsewhere.
void becomeDpiAware();

// The DPI the window is shown at; the system DPI where windows have none.
UINT windowDpi(HWND hwnd);

// Twips to pixels at `dpi` (1440 twips an inch).
inline int twips(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), 1440); }
// A size in pixels at 96 DPI, the system's default, at `dpi`.
inline int fromDefaultDpi(int pixels, UINT dpi) { return MulDiv(pixels, static_cast<int>(dpi), 96); }

// The default dialog font, MS Shell Dlg at 8 points, at `dpi`: the font the
// windows' twips were drawn for. It does not follow the system's message
// font; where the face is missing the system substitutes, as for dialogs.
LOGFONTW dialogFont(UINT dpi);

// Window size for a client area of the given size at `dpi`.
RECT windowRectFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace corvane::win32
