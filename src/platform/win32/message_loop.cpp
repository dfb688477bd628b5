#include "platform/win32/message_loop.h"

#include "platform/win32/api.h"

namespace corvane::win32 {

void runMessageLoop(const std::function<bool()>& done, WindowView& view) {
    MSG msg;
    while (!done()) {
        const BOOL got = api::getMessage(msg);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for an outer loop
            return;
        }
        if (got < 0) return;
        if (view.preTranslate(msg)) continue;
        TranslateMessage(&msg);
        api::dispatchMessage(msg);
    }
}

}  // namespace corvane::win32
