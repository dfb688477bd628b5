// What the compiler and the standard headers still call in the program as
// shipped, which is built without exceptions: memory from the process heap,
// every failure the library would throw ending through the one fatal path,
// and the few functions of the C library that the compiler and the library
// call. Defining them here keeps the toolchain's prebuilt versions, which
// need a later CPU than the program supports, out of the executable, and the
// C runtime DLL, which Windows 95 does not have, out of its imports.
#include <cstddef>
#include <new>

#include "platform/fatal.h"
#include "platform/win32/win32.h"

using corvane::fatal;

namespace {

// Address space set aside at the first allocation and given back when
// memory runs out, so that the system has room to show why the program
// ends. Only reserved, never committed: it costs no memory.
constexpr SIZE_T kReserve = SIZE_T(4) << 20;
void* reserve = nullptr;
bool reserved = false;

void* allocate(std::size_t size) {
    if (!reserved) {
        reserved = true;
        reserve = VirtualAlloc(nullptr, kReserve, MEM_RESERVE, PAGE_NOACCESS);
    }
    void* p = HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
    if (p == nullptr) {
        if (reserve != nullptr) VirtualFree(reserve, 0, MEM_RELEASE);
        reserve = nullptr;
        fatal(L"out of memory");
    }
    return p;
}

void release(void* p) noexcept {
    if (p != nullptr) HeapFree(GetProcessHeap(), 0, p);
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
// The forms that promise not to fail give null, for the caller to handle.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& t) noexcept { return operator new(size, t); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }

namespace std {

void __throw_bad_alloc() { fatal(L"out of memory"); }
void __throw_bad_array_new_length() { fatal(L"out of memory"); }
void __throw_length_error(const char*) { fatal(L"a string or list grew past its largest size"); }
void __throw_out_of_range(const char*) { fatal(L"an index past the end of a string or list"); }
void __throw_out_of_range_fmt(const char*, ...) { fatal(L"an index past the end of a string or list"); }
void __throw_logic_error(const char*) { fatal(L"a broken rule inside the program"); }
void __throw_invalid_argument(const char*) { fatal(L"an invalid argument inside the program"); }
void __throw_bad_function_call() { fatal(L"a call of an empty handler"); }

}  // namespace std

extern "C" void __cxa_pure_virtual() { fatal(L"a call of a pure virtual function"); }

// The C library's functions that the compiler and the standard library call.
// Plain loops: the program moves short strings. Built so that the compiler
// does not turn a loop back into a call of the function it is in.
extern "C" {

#define CORVANE_NO_LOOP_CALLS __attribute__((optimize("no-tree-loop-distribute-patterns")))

CORVANE_NO_LOOP_CALLS void* memcpy(void* to, const void* from, std::size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    while (n-- != 0) *d++ = *s++;
    return to;
}

CORVANE_NO_LOOP_CALLS void* memmove(void* to, const void* from, std::size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    if (d < s) {
        while (n-- != 0) *d++ = *s++;
    } else {
        while (n-- != 0) d[n] = s[n];
    }
    return to;
}

CORVANE_NO_LOOP_CALLS void* memset(void* to, int value, std::size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    while (n-- != 0) *d++ = static_cast<unsigned char>(value);
    return to;
}

CORVANE_NO_LOOP_CALLS int memcmp(const void* a, const void* b, std::size_t n) {
    const auto* x = static_cast<const unsigned char*>(a);
    const auto* y = static_cast<const unsigned char*>(b);
    for (; n != 0; --n, ++x, ++y) {
        if (*x != *y) return *x < *y ? -1 : 1;
    }
    return 0;
}

CORVANE_NO_LOOP_CALLS void* memchr(const void* in, int value, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(in);
    for (; n != 0; --n, ++p) {
        if (*p == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(p);
    }
    return nullptr;
}

CORVANE_NO_LOOP_CALLS std::size_t strlen(const char* s) {
    const char* p = s;
    while (*p != 0) ++p;
    return static_cast<std::size_t>(p - s);
}

CORVANE_NO_LOOP_CALLS std::size_t wcslen(const wchar_t* s) {
    const wchar_t* p = s;
    while (*p != 0) ++p;
    return static_cast<std::size_t>(p - s);
}

// The end of a failure whose report returned, which none does.
[[noreturn]] void abort() { ExitProcess(3); }

}  // extern "C"
