// The program's entry point as shipped, in place of the toolchain's
// start-up code (which needs a later CPU than the program supports): the C
// runtime told that this is a windowed program, its floating-point state
// set, the static constructors run, then WinMain, whose end ends the
// process. Only ANSI functions here: the wide ones are stubs on 9x.
#include "platform/win32/win32.h"

extern "C" {
void __main();               // the static constructors
void __set_app_type(int);    // msvcrt.dll
void _fpreset();             // the floating-point unit as the C runtime wants it
void exit(int);              // msvcrt.dll: runs what atexit registered
using OnExit = int (*)();
OnExit _onexit(OnExit);      // msvcrt.dll

// What the toolchain's start-up code would define: the static destructors
// (which the constructors register) run at exit, in msvcrt's list.
int atexit(void (*f)()) { return _onexit(reinterpret_cast<OnExit>(reinterpret_cast<void*>(f))) != nullptr ? 0 : -1; }

__attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
    __set_app_type(2);  // a GUI program
    _fpreset();
    __main();
    exit(WinMain(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWDEFAULT));
}
}
