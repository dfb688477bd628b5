// The window classes of the program's own windows, and its icon.
#pragma once

#include "platform/win32/win32.h"

namespace corvane::win32 {

// The class of the program's windows: a second start finds the first by it.
inline constexpr wchar_t kWindowClass[] = L"CorvaneWindow";

// Registers a window class of the program's own, on the button face, once;
// `icons`: with the program's icon.
void registerClassOnce(const wchar_t* name, bool icons);

// The program's icon, `size` pixels square.
HICON programIcon(int size);

}  // namespace corvane::win32
