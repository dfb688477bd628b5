// corvane.exe: the main window, its view and the real Windows services,
// put together.
#include "app/form1.h"
#include "main/real_services.h"
#include "platform/input.h"
#include "platform/win32/dpi.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/window_view.h"

using namespace corvane;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    win32::becomeDpiAware();
    RealServices real;
    Form1 form(real.services);
    // A program or folder named on the command line, as the C runtime splits
    // it; a relative path is taken from the folder the program started in,
    // before it is handed to a copy that runs elsewhere.
    for (int i = 1; i < __argc; ++i) {
        wchar_t full[MAX_PATH * 4];
        const DWORD n = GetFullPathNameW(__wargv[i], MAX_PATH * 4, full, nullptr);
        form.CommandPaths.emplace_back(n > 0 && n < MAX_PATH * 4 ? full : __wargv[i]);
    }
    // The window is loaded before its view is made: a second instance ends
    // without one, and the view makes the first page's controls from what
    // start-up left, the hidden pages' once the window is shown.
    win32::WindowView::guard([&] { form.Form_Load(); });
    win32::WindowView view(form.window);
    view.create(nullptr, {});
    view.onClose = [&] { real.program.end(); };
    real.windows.track(view);
    view.show();
    if (!form.CommandPaths.empty()) win32::WindowView::guard([&] { input::dropFiles(form.window, form.CommandPaths); });
    win32::runMessageLoop([&] { return false; }, view);
    return 0;
}
