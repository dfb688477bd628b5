// How the Windows program ends on a failure that nothing can handle: the
// cause in a message box, then the process ends, with no further handler
// of any window run.
#pragma once

#include <string_view>

namespace corvane::win32 {

[[noreturn]] void reportFatal(std::wstring_view cause);

}  // namespace corvane::win32
