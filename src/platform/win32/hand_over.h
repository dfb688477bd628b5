// Paths handed from a second start of the program to the window of the copy
// that is already running, as a WM_COPYDATA message.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/win32.h"

namespace corvane::win32 {

// Gives `paths` to the running copy's window captioned `caption`, and brings
// it to the front. Waits a few seconds for a copy that is still starting.
// False when no such window answers.
bool handOverPaths(const std::wstring& caption, const std::vector<std::wstring>& paths);

// The paths a WM_COPYDATA message carries; empty for any other message, or
// one that is malformed: it comes from another program.
std::vector<std::wstring> handedPaths(const COPYDATASTRUCT& data);

}  // namespace corvane::win32
