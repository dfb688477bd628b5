// corvane.exe: the main window on the real Windows services.
#include "platform/win32/dpi.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/real_services.h"
#include "platform/win32/window_view.h"

using namespace corvane;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    win32::becomeDpiAware();
    win32::RealServices real;
    Form1 form(real.services);
    win32::WindowView view(form.window);
    view.create(nullptr, {});
    view.onClose = [&] { real.program.end(); };
    real.windows.track(view);
    win32::WindowView::guard([&] { form.Form_Load(); });
    view.show();
    win32::runMessageLoop([&] { return false; }, view);
    return 0;
}
