#include "platform/fatal.h"

#include <cstdlib>
#ifndef CORVANE_SHIPPED
#include <cstdio>
#endif

namespace corvane {

namespace {

#ifdef CORVANE_SHIPPED
// The program as shipped has no C library's streams (Windows 95 has no C
// runtime DLL); it sets its handler before anything can fail.
void toStandardError(std::wstring_view) {}
#else
// Where nothing else is set: the cause on standard error.
void toStandardError(std::wstring_view cause) {
    std::fputs("Corvane stopped on an unexpected error: ", stderr);
    for (const wchar_t c : cause) std::fputc(c < 0x80 ? static_cast<char>(c) : '?', stderr);
    std::fputc('\n', stderr);
}
#endif

FatalHandler handler_ = toStandardError;

}  // namespace

void fatal(std::wstring_view cause) {
    handler_(cause);
    std::abort();
}

FatalHandler setFatalHandler(FatalHandler handler) {
    const FatalHandler old = handler_;
    handler_ = handler != nullptr ? handler : toStandardError;
    return old;
}

}  // namespace corvane
