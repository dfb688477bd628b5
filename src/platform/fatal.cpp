#include "platform/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace corvane {

namespace {

// Where nothing else is set: the cause on standard error.
void toStandardError(std::wstring_view cause) {
    std::fputs("Corvane stopped on an unexpected error: ", stderr);
    for (const wchar_t c : cause) std::fputc(c < 0x80 ? static_cast<char>(c) : '?', stderr);
    std::fputc('\n', stderr);
}

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
