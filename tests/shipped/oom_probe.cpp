// Runs out of memory in the hooks of the program as shipped, built with them
// in the shipped configuration: with a window made, as the program has one
// when it runs out, the process heap is filled to its last bytes, then one
// more allocation is asked of operator new. What follows is the program's
// own: the report of the one fatal path, and the end.
#include <new>

#include "platform/fatal.h"
#include "platform/win32/fatal_report.h"
#include "platform/win32/win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    corvane::setFatalHandler(corvane::win32::reportFatal);
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
