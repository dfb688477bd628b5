// The floor for start-up: a program that only shows an empty window of the
// main window's size. Started with "list", it first reads C:\ and the system
// folder as start-up must, with a bare FindFirstFileW loop.
#include <windows.h>
#ifdef THEMED
#include <commctrl.h>
#endif

#include <cwchar>

static void readFolder(const wchar_t* pattern) {
    WIN32_FIND_DATAW d;
    HANDLE f = FindFirstFileW(pattern, &d);
    if (f == INVALID_HANDLE_VALUE) return;
    while (FindNextFileW(f, &d)) {
    }
    FindClose(f);
}

static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(h, m, w, l);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command, int) {
    if (command != nullptr && std::wcsstr(command, L"list") != nullptr) {
        readFolder(L"C:\\*");
        readFolder(L"c:\\Windows\\System\\*");
    }
#ifdef THEMED
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
#endif
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = L"BareWindow";
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClassW(&wc);
    RECT r{0, 0, 274, 270};
    AdjustWindowRect(&r, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE);
    HWND h = CreateWindowW(L"BareWindow", L"Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance,
                           nullptr);
    ShowWindow(h, SW_SHOW);
    UpdateWindow(h);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
