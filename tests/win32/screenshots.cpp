// Takes pictures of the main window's three pages and of the help window, as
// BMP files in the folder named on the command line: corvane.exe started as
// its own process and driven by clicks and keys through the system's input,
// and the screen's own pixels. Run under Wine with a virtual desktop, which
// draws the title bars.
#include <cstdio>
#include <string>

#include "app/main_window.h"
#include "help/help_window.h"
#include "support/images.h"
#include "win32/launch.h"

using namespace corvane;

namespace {

std::wstring outDir;

// The window as the screen shows it, title bar included, once painting is done.
void capture(HWND h, const wchar_t* name) {
    test::mouseAway();
    const std::wstring path = outDir + L"\\" + name + L".bmp";
    test::settled(test::screenRect(h)).save(std::string(path.begin(), path.end()));
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

}  // namespace

bool pages();

int wmain(int argc, wchar_t** argv) {
    outDir = argc > 1 ? argv[1] : L".";
    CreateDirectoryW(L"C:\\Games", nullptr);
    CreateDirectoryW(L"C:\\Games\\Hover", nullptr);
    CreateDirectoryW(L"C:\\Games\\Quake", nullptr);
    put(L"C:\\Games\\Hover\\Hover Tank.exe", "MZ");
    put(L"C:\\Games\\Hover\\setup.exe", "MZ");
    DeleteFileW(L"C:\\Games\\Hover\\Hover Tank.bat");  // the settings as start-up leaves them
    CreateDirectoryW(L"C:\\Windows\\System", nullptr);
    put(L"C:\\Windows\\System\\glide2x.dll", driver(u"2.43.00.0455"));
    put(L"C:\\Windows\\System\\glide3x.dll", driver(u"3.01.00.0455"));
    put(L"C:\\Windows\\System\\3dfxogl.dll", driver(u"1.0.0.0761"));
    put(L"C:\\Windows\\System\\3dfxvs.drv", test::neImage(test::serialize16(test::versionInfo(
                                                              {{"040904E4", {{"FileVersion", u"4.03.00.2102"}}}},
                                                              {0x04E40409}, false)),
                                                          4));

    if (!pages()) return 1;

    // The game picked again in a second run, after its batch file was made
    // with those settings: the settings page shows what the file holds.
    test::RunningCorvane again(L"\"C:\\Games\\Hover\\Hover Tank.exe\"");
    if (again.main() == nullptr) return 1;
    again.clickTab(2);
    test::textBecomes(again.main(), "Frame1", L"Read from Hover Tank.bat");
    capture(again.main(), L"settings-read-back");
    return 0;
}

// Every page and the help window, and the batch file made at the end.
bool pages() {
    // The folder is named on the command line; everything else is clicked.
    test::RunningCorvane program(L"C:\\Games\\Hover");
    if (program.main() == nullptr) return false;
    HWND main = program.main();
    program.clickListEntry("File1", 0);
    capture(main, L"select-program");

    program.clickTab(2);
    const auto step = [&](const char* slider, WORD key, int times) {
        test::click(test::centre(test::clientOnScreen(program.control(slider))));
        test::key(VK_HOME);
        for (int i = 0; i < times; ++i) test::key(key);
    };
    step("sClock", VK_RIGHT, 14);   // 104 MHz, beyond the safe speed
    step("sRefresh", VK_RIGHT, 2);  // 85 Hz
    step("sGamma", VK_NEXT, 21);    // 1.3
    for (const char* box : {"cMem", "cColor"}) test::click(test::centre(test::clientOnScreen(program.control(box))));
    capture(main, L"choose-settings");

    program.clickTab(3);
    capture(main, L"driver-information");

    program.clickTab(1);
    test::key('A', VK_MENU);
    HWND help = test::shownHelpWindow();
    if (help == nullptr) return false;
    capture(help, L"help");
    // The second topic, picked from the opened list.
    test::click(test::centre(test::clientOnScreen(program.control("Combo1", kHelpWindow, help))));
    test::key(VK_DOWN);
    test::key(VK_DOWN);
    test::key(VK_RETURN);
    capture(help, L"help-topic");
    test::key('R', VK_MENU);
    program.clickListEntry("File1", 0);
    return program.makeByKeys() == L"Make C:\\Games\\Hover\\Hover Tank.bat?";
}
