// What the view's source files share among themselves.
#pragma once

#include <string>

#include "platform/win32/win32.h"

namespace corvane::win32 {

// Tool ids of the tooltip rectangles that stand for disabled controls.
inline constexpr UINT_PTR kRectToolBase = 0x4000;

// The text a native control holds.
std::wstring nativeText(HWND h);

}  // namespace corvane::win32
