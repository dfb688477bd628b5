#include "platform/win32/win32.h"

// The C++ runtime's one wide call: its mutexes each make an unnamed
// semaphore with CreateSemaphoreW, which 9x only stubs. Its import is bound
// here instead, to the ANSI function, which makes the same unnamed semaphore
// on every system.
extern "C" {

static HANDLE WINAPI corvaneCreateSemaphore(LPSECURITY_ATTRIBUTES security, LONG initial, LONG most, LPCWSTR name) {
    if (name != nullptr) {
        SetLastError(ERROR_INVALID_NAME);  // the runtime names none
        return nullptr;
    }
    return CreateSemaphoreA(security, initial, most, nullptr);
}

#if defined(__i386__)
void* corvaneCreateSemaphoreImport __asm__("__imp__CreateSemaphoreW@16") =
    reinterpret_cast<void*>(&corvaneCreateSemaphore);
#else
void* corvaneCreateSemaphoreImport __asm__("__imp_CreateSemaphoreW") = reinterpret_cast<void*>(&corvaneCreateSemaphore);
#endif

}  // extern "C"
