// The one way a failure that nothing can handle ends the program. The
// program raises no C++ exceptions: a broken invariant, an allocation that
// fails or a window the system refuses to make comes here with its cause.
// The Windows program shows the cause and ends the process; tests replace
// the handler to see that it was reached.
#pragma once

#include <string_view>

namespace corvane {

using FatalHandler = void (*)(std::wstring_view cause);

// Hands the cause to the handler; the program ends there, and ends anyway
// should the handler return.
[[noreturn]] void fatal(std::wstring_view cause);

// Makes `handler` the one that `fatal` calls; returns the previous one.
FatalHandler setFatalHandler(FatalHandler handler);

}  // namespace corvane
