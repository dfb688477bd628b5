// corvane.exe: the main window on the real Windows services.
#include "app/app_info.h"
#include "app/form1.h"
#include "platform/win32/dpi.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/modal_host.h"
#include "platform/win32/services.h"
#include "platform/win32/window_view.h"

using namespace corvane;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    win32::becomeDpiAware();
    win32::MessageBoxes messages;
    win32::Folders folders;
    win32::Files files;
    win32::AnsiCodePage codePage;
    win32::SingleInstance instance;
    win32::Program program;
    win32::VersionDll versions;
    win32::Shell shell;
    win32::ModalHost windows;
    Services services{messages,      folders, files, codePage, instance, program, versions, shell, windows,
                      corvaneInfo()};

    Form1 form(services);
    win32::WindowView view(form.window);
    view.create(nullptr, {});
    view.onClose = [&] { program.end(); };
    windows.track(view);
    win32::WindowView::guard([&] { form.Form_Load(); });
    view.show();
    win32::runMessageLoop([&] { return false; }, view);
    return 0;
}
