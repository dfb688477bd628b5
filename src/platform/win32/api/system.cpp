// The rest of the system: the command line, a named mutex, system
// libraries and functions, error texts.
#include "platform/win32/api/family.h"

#include <cwchar>

#include "platform/command_line.h"
#include "platform/decimal.h"

namespace corvane::win32::api {

std::vector<std::wstring> commandArguments() {
    return splitCommandLine(nt() ? std::wstring(GetCommandLineW()) : widen(GetCommandLineA()));
}

HANDLE createMutex(const std::wstring& name) {
    if (nt()) return CreateMutexW(nullptr, FALSE, name.c_str());
    // 9x has one namespace for all, and no backslash in a name.
    std::wstring plain = name;
    for (const wchar_t* prefix : {L"Local\\", L"Global\\"}) {
        if (plain.rfind(prefix, 0) == 0) plain.erase(0, std::wcslen(prefix));
    }
    return CreateMutexA(nullptr, FALSE, narrow(plain).c_str());
}

HMODULE systemLibrary(const wchar_t* name) {
    if (nt()) {
        HMODULE m = GetModuleHandleW(name);
        return m != nullptr ? m : LoadLibraryW(name);
    }
    const std::string a = narrow(name);
    HMODULE m = GetModuleHandleA(a.c_str());
    return m != nullptr ? m : LoadLibraryA(a.c_str());
}

FARPROC ntFunction(const wchar_t* module, const char* name) {
    if (!nt()) return nullptr;
    HMODULE m = systemLibrary(module);
    return m != nullptr ? GetProcAddress(m, name) : nullptr;
}

std::wstring systemDirectory() {
    if (nt()) {
        wchar_t dir[MAX_PATH];
        if (seam::fails("GetSystemDirectoryW")) return {};
        const UINT n = GetSystemDirectoryW(dir, MAX_PATH);
        return n == 0 || n >= MAX_PATH ? std::wstring() : std::wstring(dir, n);
    }
    char dir[MAX_PATH];
    if (seam::fails("GetSystemDirectoryA")) return {};
    const UINT n = GetSystemDirectoryA(dir, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::wstring() : widen(std::string_view(dir, n));
}

std::wstring errorText(DWORD code) {
    constexpr DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    std::wstring out;
    if (nt()) {
        wchar_t* text = nullptr;
        const DWORD n = FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (n != 0 && text != nullptr) out.assign(text, n);
        if (text != nullptr) LocalFree(text);
    } else {
        char* text = nullptr;
        const DWORD n = FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
        if (n != 0 && text != nullptr) out = widen(std::string_view(text, n));
        if (text != nullptr) LocalFree(text);
    }
    if (out.empty()) out = L"Error " + decimal(code) + L".";
    while (!out.empty() && (out.back() == L'\n' || out.back() == L'\r' || out.back() == L' ')) out.pop_back();
    return out;
}

}  // namespace corvane::win32::api
