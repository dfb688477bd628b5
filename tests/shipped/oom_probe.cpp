// The program's own entry point and runtime hooks, built in the shipped
// configuration, put to the test where a Windows test can watch:
//
// - with no argument, memory runs out: with a window made, as the program
//   has one when it runs out, the process heap is filled to its last bytes,
//   then one more allocation is asked of operator new. What follows is the
//   program's own: the report of the one fatal path, and the end.
// - with "exit-order FILE", WinMain returns 7 after registering two
//   functions with atexit; each of those and the destructors of two static
//   objects write their name to FILE as they run.
#include <new>

#include "platform/fatal.h"
#include "platform/win32/fatal_report.h"
#include "platform/win32/win32.h"

namespace {

HANDLE order = INVALID_HANDLE_VALUE;

void note(const char* what) {
    DWORD written = 0;
    WriteFile(order, what, static_cast<DWORD>(lstrlenA(what)), &written, nullptr);
}

struct NotedAtEnd {
    const char* name;
    ~NotedAtEnd() { note(name); }
};
NotedAtEnd constructedFirst{"~first "};
NotedAtEnd constructedSecond{"~second "};

int exitOrder(const char* file) {
    order = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (order == INVALID_HANDLE_VALUE) return 2;
    atexit([] { note("a "); });
    atexit([] { note("b "); });
    return 7;
}

int outOfMemory() {
    char* volatile first = new char[16];  // the hooks' first allocation, as start-up makes it
    delete[] first;
    CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 16, 16, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HANDLE heap = GetProcessHeap();
    for (SIZE_T size = SIZE_T(1) << 24; size >= 8; size /= 2) {
        while (HeapAlloc(heap, 0, size) != nullptr) {
        }
    }
    volatile char* last = new char[64];  // ends the program
    last[0] = 1;
    return 2;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    corvane::setFatalHandler(corvane::win32::reportFatal);
    constexpr char kExitOrder[] = "exit-order ";
    const char* mode = commandLine;
    while (*mode == ' ') ++mode;
    for (int i = 0; kExitOrder[i] != 0; ++i) {
        if (mode[i] != kExitOrder[i]) return outOfMemory();
    }
    return exitOrder(mode + sizeof kExitOrder - 1);
}
