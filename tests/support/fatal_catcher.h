// Runs code that should end the program through the one fatal path, and
// says with which cause it did: the handler is replaced for the call, and
// leaves the code by an exception of the test's own (the tests are built
// with exceptions; the program's code raises none).
#pragma once

#include <string>
#include <string_view>

#include "platform/fatal.h"

namespace corvane::test {

struct FatalCalled {
    std::wstring cause;
};

// The cause `fatal` was given, or "<not called>".
template <class F>
std::wstring fatalCause(F&& code) {
    const FatalHandler old = setFatalHandler([](std::wstring_view cause) { throw FatalCalled{std::wstring(cause)}; });
    std::wstring cause = L"<not called>";
    try {
        code();
    } catch (const FatalCalled& f) {
        cause = f.cause;
    }
    setFatalHandler(old);
    return cause;
}

}  // namespace corvane::test
