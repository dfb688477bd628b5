// The program's entry point as shipped, in place of the toolchain's
// start-up code (which needs a later CPU than the program supports) and of
// the C runtime DLL (which Windows 95 does not have): the floating-point
// state set, the static constructors run, then WinMain; its end runs what
// atexit registered, last first, and ends the process. Only ANSI functions
// here: the wide ones are stubs on 9x.
#include "platform/win32/win32.h"

extern "C" {
void __main();     // the static constructors
void _fpreset();   // the floating-point unit as the compiler's code expects it

namespace {

// The static destructors (each constructor registers its own) and any
// function registered with atexit. The program registers a handful; a
// registration past the last slot fails as the C library's does.
constexpr int kAtExitSlots = 64;
void (*atExit[kAtExitSlots])();
int atExitCount = 0;

// WinMain's command line: what follows the program's name, as the system's
// start-up code hands it on.
char* argumentsOf(char* line) {
    bool quoted = false;
    for (; *line != 0 && (quoted || (*line != ' ' && *line != '\t')); ++line) {
        if (*line == '"') quoted = !quoted;
    }
    while (*line == ' ' || *line == '\t') ++line;
    return line;
}

}  // namespace

int atexit(void (*f)()) {
    if (f == nullptr || atExitCount == kAtExitSlots) return -1;
    atExit[atExitCount++] = f;
    return 0;
}

// What atexit registered, last first (one registered meanwhile runs next),
// then the end of the process.
[[noreturn]] void exit(int code) {
    while (atExitCount > 0) atExit[--atExitCount]();
    ExitProcess(static_cast<UINT>(code));
}

__attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
    _fpreset();
    __main();
    exit(WinMain(GetModuleHandleA(nullptr), nullptr, argumentsOf(GetCommandLineA()), SW_SHOWDEFAULT));
}
}
