#include "platform/win32/window_class.h"

#include "platform/win32/api.h"

namespace corvane::win32 {

HICON programIcon(int size) {
    return static_cast<HICON>(api::loadImage(1, IMAGE_ICON, size, size, 0));
}

void registerClassOnce(const wchar_t* name, bool icons) {
    if (api::classExists(name)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = api::instance();
    wc.hCursor = api::arrowCursor();
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpfnWndProc = api::defWindowProc;
    wc.lpszClassName = name;
    if (icons) {
        wc.hIcon = programIcon(GetSystemMetrics(SM_CXICON));
        wc.hIconSm = programIcon(GetSystemMetrics(SM_CXSMICON));
    }
    api::registerClass(wc);
}

}  // namespace corvane::win32
