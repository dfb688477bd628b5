// Takes pictures of the main window's three pages and of the help window, as
// BMP files in the folder named on the command line. Run under Wine with a
// virtual desktop, which draws the title bars.
#include <cstdio>
#include <string>

#include "app/app_info.h"
#include "app/form1.h"
#include "help/form2.h"
#include "platform/input.h"
#include "platform/win32/dpi.h"
#include "platform/win32/modal_host.h"
#include "platform/win32/services.h"
#include "platform/win32/window_view.h"
#include "support/images.h"
#include "win32/windows_rig.h"

using namespace corvane;

namespace {

std::wstring outDir;

void pump() {
    for (int i = 0; i < 20; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(20);
    }
}

// The window as the screen shows it, title bar included.
void capture(HWND h, const wchar_t* name) {
    SetForegroundWindow(h);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    pump();
    RECT r;
    GetWindowRect(h, &r);
    const int w = r.right - r.left, ht = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = ht;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, ht, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    const DWORD row = static_cast<DWORD>((w * 3 + 3) & ~3);
    const DWORD size = row * static_cast<DWORD>(ht);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + size;
    std::FILE* f = _wfopen((outDir + L"\\" + name + L".bmp").c_str(), L"wb");
    if (f != nullptr) {
        std::fwrite(&fh, sizeof fh, 1, f);
        std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        std::fwrite(bits, 1, size, f);
        std::fclose(f);
    }
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

void put(const std::wstring& path, const std::string& bytes) {
    std::FILE* f = _wfopen(path.c_str(), L"wb");
    if (f == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string driver(const std::u16string& v) {
    return test::peImage({{0x0409, test::serialize32(test::versionInfo({{"040904B0", {{"FileVersion", v}}}}, {0x04B00409}))}});
}

// Runs inside the help window's own message loop.
void CALLBACK inHelp(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND help = FindWindowW(L"CorvaneWindow", L"About 3dfx Corvane");
    if (help == nullptr) return;
    capture(help, L"help");
    // Pick the second topic as a user does, then return.
    HWND combo = FindWindowExW(help, nullptr, L"ComboBox", nullptr);
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 1);
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 1);
    pump();
    capture(help, L"help-topic");
    PostMessageW(help, WM_CLOSE, 0, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    outDir = argc > 1 ? argv[1] : L".";
    CreateDirectoryW(L"C:\\Games", nullptr);
    CreateDirectoryW(L"C:\\Games\\Hover", nullptr);
    CreateDirectoryW(L"C:\\Games\\Quake", nullptr);
    put(L"C:\\Games\\Hover\\Hover Tank.exe", "MZ");
    put(L"C:\\Games\\Hover\\setup.exe", "MZ");
    CreateDirectoryW(L"C:\\Windows\\System", nullptr);
    put(L"C:\\Windows\\System\\glide2x.dll", driver(u"2.43.00.0455"));
    put(L"C:\\Windows\\System\\glide3x.dll", driver(u"3.01.00.0455"));
    put(L"C:\\Windows\\System\\3dfxogl.dll", driver(u"1.0.0.0761"));
    put(L"C:\\Windows\\System\\3dfxvs.drv", test::neImage(test::serialize16(test::versionInfo(
                                                              {{"040904E4", {{"FileVersion", u"4.03.00.2102"}}}},
                                                              {0x04E40409}, false)),
                                                          4));

    win32::becomeDpiAware();
    test::WindowsRig<> rig;
    Form1& form = rig.form;
    win32::WindowView view(form.window);
    view.create(nullptr, {});
    rig.windows.track(view);
    form.Form_Load();
    view.show();
    pump();

    // The first page with a program picked.
    form.Dir1.setPath(L"C:\\Games\\Hover");
    input::pickFile(form.File1, 0);
    pump();
    capture(view.hwnd(), L"select-program");

    input::clickTab(form.TabStrip1, 2);
    input::moveSlider(form.sClock, 104);
    input::moveSlider(form.sRefresh, 3);
    input::moveSlider(form.sGamma, 130);
    input::toggle(form.cMem);
    input::toggle(form.cColor);
    pump();
    capture(view.hwnd(), L"choose-settings");

    input::clickTab(form.TabStrip1, 3);
    pump();
    capture(view.hwnd(), L"driver-information");

    input::clickTab(form.TabStrip1, 1);
    SetTimer(nullptr, 0, 300, inHelp);
    input::press(form.Command3);
    view.destroy();
    return 0;
}
