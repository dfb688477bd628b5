// The message loop, shared by the program and by modal windows.
#pragma once

#include <functional>

#include "platform/win32/window_view.h"

namespace corvane::win32 {

// Dispatches messages, letting `view` see its keys first, until `done`
// answers true or the thread is told to quit.
void runMessageLoop(const std::function<bool()>& done, WindowView& view);
// The same until the thread is told to quit; the main window's loop, which
// ends with the program.
void runMessageLoop(WindowView& view);

}  // namespace corvane::win32
