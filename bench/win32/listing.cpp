// Filling the file list with a folder of 100,000 programs: the real main
// window on the real folder listing, against a bare FindFirstFileW loop over
// the same folder. Prints the medians, their ratio and how often the folder
// was read for one change of folder.
#include "clock.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_info.h"
#include "app/main_window.h"
#include "platform/win32/modal_host.h"
#include "platform/win32/system_services.h"
#include "platform/win32/window_view.h"
#include "win32/windows_rig.h"

using namespace corvane;

namespace {

double now() { return bench::seconds(); }

const std::wstring kFolder = L"C:\\corvane-100k";

void populate() {
    if (GetFileAttributesW((kFolder + L"\\program99999.exe").c_str()) != INVALID_FILE_ATTRIBUTES) return;
    std::printf("making 100,000 programs in %ls (once per prefix)...\n", kFolder.c_str());
    CreateDirectoryW(kFolder.c_str(), nullptr);
    for (int i = 0; i < 100000; ++i) {
        HANDLE h = CreateFileW((kFolder + L"\\program" + std::to_wstring(i) + L".exe").c_str(), GENERIC_WRITE, 0,
                               nullptr, CREATE_NEW, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
}

int bareLoop() {
    WIN32_FIND_DATAW d;
    HANDLE f = FindFirstFileW((kFolder + L"\\*").c_str(), &d);
    int n = 0;
    if (f == INVALID_HANDLE_VALUE) return 0;
    do {
        ++n;
    } while (FindNextFileW(f, &d));
    FindClose(f);
    return n;
}

class CountingFolders final : public FolderService {
public:
    win32::Folders real;
    int reads = 0;
    double seconds = 0;
    std::optional<std::vector<DirEntry>> list(const std::wstring& folder) override {
        ++reads;
        const double t0 = now();
        auto out = real.list(folder);
        seconds += now() - t0;
        return out;
    }
    std::optional<std::wstring> shortName(const std::wstring& path) override { return real.shortName(path); }
    std::wstring systemFolder() override { return real.systemFolder(); }
    std::vector<std::wstring> drives() override { return real.drives(); }
    std::optional<std::wstring> longPath(const std::wstring& path) override { return real.longPath(path); }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

int main() {
    populate();
    test::WindowsRig<CountingFolders> rig;
    CountingFolders& folders = rig.folders;
    MainWindow& form = rig.form;
    win32::WindowView view(form.window);
    view.create(nullptr, {});
    form.load();
    view.show();
    pump();

    std::vector<double> bare, corvane, reading, drawing;
    int readsPerChange = 0;
    for (int i = 0; i < 5; ++i) {
        const double b0 = now();
        const int n = bareLoop();
        bare.push_back(now() - b0);

        form.controls.folders.setPath(L"C:\\");
        pump();
        folders.reads = 0;
        folders.seconds = 0;
        const double t0 = now();
        form.controls.folders.setPath(kFolder);  // as opening it in the directory list does
        const double handled = now();
        UpdateWindow(view.hwnd());
        RedrawWindow(view.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const double t1 = now();
        corvane.push_back(t1 - t0);
        reading.push_back(folders.seconds);
        drawing.push_back(t1 - handled);
        readsPerChange = folders.reads;
        if (i == 0) std::printf("names found: bare loop %d, file list %d\n", n, form.controls.programs.listCount());
    }
    const double c = median(corvane), b = median(bare);
    std::printf("100,000 programs, median of 5: corvane %.1f ms (folder read %.1f ms, drawing %.1f ms), "
                "bare FindFirstFileW loop %.1f ms, ratio %.2f (target 1.25); folder read %d time(s) per change\n",
                c * 1000, median(reading) * 1000, median(drawing) * 1000, b * 1000, c / b, readsPerChange);
    view.destroy();
    return 0;
}
