#include "platform/win32/message_loop.h"

#include "platform/win32/api.h"

namespace corvane::win32 {

namespace {

// Every kind of input, as 95 and 98 know them: the later QS_ALLINPUT holds
// raw input, a flag they refuse.
constexpr DWORD kAllInput = QS_KEY | QS_MOUSE | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;

}  // namespace

void runMessageLoop(const std::function<bool()>& done, WindowView& view) {
    MSG msg;
    // Messages sent from another thread are handled inside the wait for
    // the next one and may end the loop there; so the loop waits for any
    // input, handles what has come, and asks again.
    const auto finished = [&] { return done && done(); };
    while (!finished()) {
        if (!api::peekMessage(msg, PM_REMOVE)) {
            if (!finished()) MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, kAllInput);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for an outer loop
            return;
        }
        if (view.preTranslate(msg)) continue;
        TranslateMessage(&msg);
        api::dispatchMessage(msg);
    }
}

void runMessageLoop(WindowView& view) { runMessageLoop({}, view); }

}  // namespace corvane::win32
