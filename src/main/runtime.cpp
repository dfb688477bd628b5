// What the compiler and the standard headers still call in the program as
// shipped, which is built without exceptions: memory from the process heap,
// and every failure the library would throw ending through the one fatal
// path. Defining them here keeps the toolchain's prebuilt versions, which
// need a later CPU than the program supports, out of the executable.
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
