// corvane.exe: the main window, its view and the real Windows services,
// put together.
#include "app/main_window.h"
#include "main/real_services.h"
#include "platform/fatal.h"
#include "platform/input.h"
#include "platform/win32/api.h"
#include "platform/win32/dpi.h"
#include "platform/win32/fatal_report.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/window_view.h"

using namespace corvane;

namespace {

void run() {
    win32::becomeDpiAware();
    RealServices real;
    MainWindow form(real.services);
    // A program or folder named on the command line; a relative path is
    // taken from the folder the program started in, before it is handed to
    // a copy that runs elsewhere. The entry point is the ANSI one, whose
    // start-up 9x runs too; the arguments are read in full here.
    for (const std::wstring& arg : win32::api::commandArguments()) {
        form.commandPaths.push_back(win32::api::fullPathName(arg));
    }
    // The window is loaded before its view is made: a second instance ends
    // without one, and the view makes the first page's controls from what
    // start-up left, the hidden pages' once the window is shown.
    form.load();
    win32::WindowView view(form.window);
    view.create(nullptr, {});
    view.onClose = [&] { real.program.end(); };
    real.windows.track(view);
    view.show();
    if (!form.commandPaths.empty()) input::dropFiles(form.window, form.commandPaths);
    win32::runMessageLoop(view);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    setFatalHandler(win32::reportFatal);  // from the first step on
    run();
    return 0;
}
