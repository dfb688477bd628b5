#include "platform/win32/dpi.h"

#include <algorithm>
#include <iterator>

namespace corvane::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SetProcessDpiAwarenessContextFn = BOOL(WINAPI*)(HANDLE);
using SetProcessDPIAwareFn = BOOL(WINAPI*)();

UINT systemDpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc != nullptr) ReleaseDC(nullptr, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96u;
}

}  // namespace

void becomeDpiAware() {
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    if (auto set = ntFunction<SetProcessDpiAwarenessContextFn>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
        if (set(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
    }
    if (auto aware = ntFunction<SetProcessDPIAwareFn>(L"user32.dll", "SetProcessDPIAware")) aware();
}

UINT windowDpi(HWND hwnd) {
    static const auto forWindow = ntFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (forWindow != nullptr && hwnd != nullptr) {
        const UINT dpi = forWindow(hwnd);
        if (dpi != 0) return dpi;
    }
    return systemDpi();
}

LOGFONTW dialogFont(UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(8, static_cast<int>(dpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    constexpr wchar_t kFace[] = L"MS Shell Dlg";
    std::copy(std::begin(kFace), std::end(kFace), font.lfFaceName);
    return font;
}

RECT windowRectFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto adjust = ntFunction<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT r{0, 0, clientWidth, clientHeight};
    if (adjust == nullptr || !adjust(&r, style, FALSE, exStyle, dpi)) AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return r;
}

}  // namespace corvane::win32
