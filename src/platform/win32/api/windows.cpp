// Windows, their classes and text, messages and the message loop, resources
// and system values.
#include "platform/win32/api/family.h"

#include <shlwapi.h>  // DllGetVersion's structure, not the DLL

#include <algorithm>

namespace corvane::win32::api {

HINSTANCE instance() { return nt() ? GetModuleHandleW(nullptr) : GetModuleHandleA(nullptr); }

bool classExists(const wchar_t* name) {
    if (nt()) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        return GetClassInfoExW(instance(), name, &wc) != FALSE;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    return GetClassInfoExA(instance(), narrow(name).c_str(), &wc) != FALSE;
}

ATOM registerClass(const WNDCLASSEXW& wc) {
    if (nt()) return RegisterClassExW(&wc);
    const std::string name = narrow(wc.lpszClassName);
    WNDCLASSEXA a{};
    a.cbSize = sizeof a;
    a.style = wc.style;
    a.lpfnWndProc = wc.lpfnWndProc;
    a.cbClsExtra = wc.cbClsExtra;
    a.cbWndExtra = wc.cbWndExtra;
    a.hInstance = wc.hInstance;
    a.hIcon = wc.hIcon;
    a.hCursor = wc.hCursor;
    a.hbrBackground = wc.hbrBackground;
    a.lpszClassName = name.c_str();
    a.hIconSm = wc.hIconSm;
    return RegisterClassExA(&a);
}

HWND createWindow(DWORD exStyle, const wchar_t* cls, const std::wstring& text, DWORD style, int x, int y, int w,
                  int h, HWND parent, HMENU menu) {
    if (seam::fails(named("CreateWindowExW", "CreateWindowExA"))) return nullptr;
    if (nt()) {
        return CreateWindowExW(exStyle, cls, text.empty() ? nullptr : text.c_str(), style, x, y, w, h, parent, menu,
                               instance(), nullptr);
    }
    return CreateWindowExA(exStyle, narrow(cls).c_str(), text.empty() ? nullptr : narrow(text).c_str(), style, x, y,
                           w, h, parent, menu, instance(), nullptr);
}

LRESULT CALLBACK defWindowProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    return nt() ? DefWindowProcW(h, msg, w, l) : DefWindowProcA(h, msg, w, l);
}

LRESULT callWindowProc(WNDPROC proc, HWND h, UINT msg, WPARAM w, LPARAM l) {
    return nt() ? CallWindowProcW(proc, h, msg, w, l) : CallWindowProcA(proc, h, msg, w, l);
}

LONG_PTR windowLong(HWND h, int index) { return nt() ? GetWindowLongPtrW(h, index) : GetWindowLongPtrA(h, index); }

LONG_PTR setWindowLong(HWND h, int index, LONG_PTR value) {
    return nt() ? SetWindowLongPtrW(h, index, value) : SetWindowLongPtrA(h, index, value);
}

LRESULT send(HWND h, UINT msg, WPARAM w, LPARAM l) { return nt() ? SendMessageW(h, msg, w, l) : SendMessageA(h, msg, w, l); }

BOOL post(HWND h, UINT msg, WPARAM w, LPARAM l) { return nt() ? PostMessageW(h, msg, w, l) : PostMessageA(h, msg, w, l); }

LRESULT sendTimeout(HWND h, UINT msg, WPARAM w, LPARAM l, UINT flags, UINT ms, DWORD_PTR* result) {
    return nt() ? SendMessageTimeoutW(h, msg, w, l, flags, ms, result)
                : SendMessageTimeoutA(h, msg, w, l, flags, ms, result);
}

HWND findWindow(const wchar_t* cls, const std::wstring& caption) {
    if (nt()) return FindWindowW(cls, caption.c_str());
    return FindWindowA(narrow(cls).c_str(), narrow(caption).c_str());
}

std::wstring windowText(HWND h) {
    if (nt()) {
        const int n = GetWindowTextLengthW(h);
        std::wstring s(static_cast<std::size_t>(std::max(n, 0)) + 1, L'\0');
        const int got = GetWindowTextW(h, s.data(), n + 1);
        s.resize(static_cast<std::size_t>(std::max(got, 0)));
        return s;
    }
    const int n = GetWindowTextLengthA(h);
    std::string s(static_cast<std::size_t>(std::max(n, 0)) + 1, '\0');
    const int got = GetWindowTextA(h, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(std::max(got, 0)));
    return widen(s);
}

void setWindowText(HWND h, const std::wstring& text) {
    if (nt()) {
        SetWindowTextW(h, text.c_str());
    } else {
        SetWindowTextA(h, narrow(text).c_str());
    }
}

LRESULT sendString(HWND h, UINT msg, WPARAM w, const std::wstring& text) {
    if (nt()) return SendMessageW(h, msg, w, reinterpret_cast<LPARAM>(text.c_str()));
    const std::string a = narrow(text);
    return SendMessageA(h, msg, w, reinterpret_cast<LPARAM>(a.c_str()));
}

void insertTab(HWND tabs, int index, const std::wstring& caption) {
    if (nt()) {
        std::wstring text = caption;
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = text.data();
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
        return;
    }
    std::string text = narrow(caption);
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = text.data();
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
}

void setListCount(HWND list, int count) {
    if (nt()) {
        SendMessageW(list, LB_SETCOUNT, static_cast<WPARAM>(count), 0);
    } else {
        SendMessageA(list, LB_SETCOUNT, static_cast<WPARAM>(std::min(count, 32767)), 0);
    }
}

LRESULT dispatchMessage(const MSG& msg) { return nt() ? DispatchMessageW(&msg) : DispatchMessageA(&msg); }

bool isDialogMessage(HWND h, MSG& msg) { return (nt() ? IsDialogMessageW(h, &msg) : IsDialogMessageA(h, &msg)) != FALSE; }

bool peekMessage(MSG& msg, UINT remove) {
    return (nt() ? PeekMessageW(&msg, nullptr, 0, 0, remove) : PeekMessageA(&msg, nullptr, 0, 0, remove)) != FALSE;
}

HANDLE loadImage(int id, UINT type, int w, int h, UINT flags) {
    if (nt()) return LoadImageW(instance(), MAKEINTRESOURCEW(id), type, w, h, flags);
    return LoadImageA(instance(), MAKEINTRESOURCEA(id), type, w, h, flags);
}

HCURSOR arrowCursor() {
    return nt() ? LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)) : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
}

RECT workArea() {
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (nt()) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    }
    return r;
}

int messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style) {
    return MessageBoxW(owner, text, caption, style);
}

BOOL initCommonControls() {
    // Before version 6 the common controls register their classes when the
    // DLL loads, which its import does; InitCommonControlsEx came with 4.70
    // (Windows 95 retail has 4.00) and refuses a flag its version does not
    // know, such as version 6's one for the standard classes.
    HMODULE comctl = systemLibrary(L"comctl32.dll");
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initEx =
        reinterpret_cast<InitEx>(reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")));
    if (initEx == nullptr) {
        InitCommonControls();
        return TRUE;
    }
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    if (commonControlsVersion(comctl) >= 6) icc.dwICC |= ICC_STANDARD_CLASSES;
    return initEx(&icc);
}

DWORD commonControlsVersion(HMODULE comctl) {
    // DllGetVersion came with 4.71; a comctl32 without it is older still.
    const auto get = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(comctl != nullptr ? GetProcAddress(comctl, "DllGetVersion") : nullptr));
    DLLVERSIONINFO v{sizeof v, 4, 0, 0, 0};
    if (get == nullptr || get(&v) != S_OK) return 4;
    return v.dwMajorVersion;
}

}  // namespace corvane::win32::api
