// Where start-up goes: the phases of the program's start, timed in-process
// with the real services, after the process itself has started.
#include <cstdio>

#include "clock.h"
#include "platform/win32/dpi.h"
#include "app/main_window.h"
#include "main/real_services.h"
#include "platform/win32/window_view.h"

using namespace corvane;

namespace {

double now() { return bench::seconds() * 1000.0; }

// What reading the two folders costs by itself, for comparison.
int bareRead(const wchar_t* pattern) {
    WIN32_FIND_DATAW d;
    HANDLE f = FindFirstFileW(pattern, &d);
    if (f == INVALID_HANDLE_VALUE) return 0;
    int n = 1;
    while (FindNextFileW(f, &d)) ++n;
    FindClose(f);
    return n;
}

}  // namespace

int main() {
    const double b0 = now();
    bareRead(L"C:\\*");
    const double b1 = now();
    bareRead(L"c:\\Windows\\System\\*");
    const double b2 = now();
    win32::Folders folders;
    folders.list(L"C:\\");
    const double b3 = now();
    const double t0 = now();
    win32::becomeDpiAware();
    RealServices real;
    MainWindow form(real.services);
    const double t1 = now();
    // Start-up as the program runs it: C:\, the first page, the splash box,
    // the driver scan; then the view, and the window shown.
    form.controls.folders.setPath(L"C:\\");
    const double t2 = now();
    form.controls.tabs.selectTab(1);
    form.showSelectedPage();
    form.controls.splash.setValue(1);
    form.drivers.scan();
    const double t3 = now();
    win32::WindowView view(form.window);
    view.create(nullptr, {});
    const double t4 = now();
    view.show();
    const double t5 = now();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    const double t6 = now();
    std::printf("bare reads: C:\\ %.1f ms, system folder %.1f ms; the folder service's read of C:\\ %.1f ms\n", b1 - b0,
                b2 - b1, b3 - b2);
    std::printf("model %.1f ms, C:\\ %.1f ms, scan %.1f ms, window and first page %.1f ms, show %.1f ms, "
                "other pages after showing %.1f ms\n",
                t1 - t0, t2 - t1, t3 - t2, t4 - t3, t5 - t4, t6 - t5);
    return 0;
}
