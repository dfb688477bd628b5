// The real main window, driven only by window messages as a user's clicks
// and keys arrive, with the real folder listing and file store.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <iterator>
#include <map>
#include <thread>

#include "app/app_info.h"
#include "app/main_window.h"
#include "platform/input.h"
#include "platform/win32/dpi.h"
#include "platform/win32/modal_host.h"
#include "platform/win32/system_services.h"
#include "platform/win32/stacking.h"
#include "platform/win32/window_view.h"
#include "support/worked_example.h"
#include "win32/windows_rig.h"
#include "win32/launch.h"

#include <shlobj.h>  // DROPFILES

namespace corvane {
namespace {

// Processes every message that is waiting, the way the program's loop does.
void pump(win32::WindowView& view) {
    MSG msg;
    for (int rounds = 0; rounds < 50; ++rounds) {
        bool any = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            if (view.preTranslate(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (!any) break;
        Sleep(5);
    }
}

std::wstring folderOnDisk() {
    wchar_t buf[MAX_PATH];
    GetTempPathW(MAX_PATH, buf);
    return std::wstring(buf) + L"corvane-view-" + std::to_wstring(GetCurrentProcessId());
}

// Runs a batch file with the system's command interpreter in its folder, as
// a double-click does, and returns what the program it started reported.
std::string runBatch(const std::wstring& folder, const std::wstring& batch) {
    DeleteFileW((folder + L"\\report.txt").c_str());
    std::wstring command = L"cmd /c \"" + batch + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, folder.c_str(), &si,
                        &pi)) {
        return "<cmd did not start>";
    }
    if (WaitForSingleObject(pi.hProcess, 20000) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return test::fileBytes(folder + L"\\report.txt");
}

// The real folders, with the short names a test says the system gives.
struct ShortNamesAsSaid final : FolderService {
    win32::Folders real;
    std::map<std::wstring, std::wstring> said;  // by the file's name; empty: the real one
    std::optional<std::vector<DirEntry>> list(const std::wstring& folder) override { return real.list(folder); }
    std::wstring systemFolder() override { return real.systemFolder(); }
    std::vector<std::wstring> drives() override { return real.drives(); }
    std::optional<std::wstring> longPath(const std::wstring& path) override { return real.longPath(path); }
    std::optional<std::wstring> shortName(const std::wstring& path) override {
        const auto it = said.find(path.substr(path.find_last_of(L'\\') + 1));
        return it == said.end() || it->second.empty() ? real.shortName(path) : std::optional(it->second);
    }
};

class MainWindowUnderWine : public ::testing::Test {
protected:
    test::WindowsRig<ShortNamesAsSaid> rig;
    MainWindow& form = rig.form;
    test::ScriptedMessages& messages = rig.messages;
    test::EndRecorder& program = rig.program;
    win32::WindowView view{form.window};
    std::wstring root = folderOnDisk();

    void SetUp() override {
        CreateDirectoryW(root.c_str(), nullptr);
        CreateDirectoryW((root + L"\\Hover").c_str(), nullptr);
        for (const wchar_t* name : {L"\\Hover\\Hover Tank.exe", L"\\Hover\\readme.txt", L"\\Hover\\setup.exe"}) {
            HANDLE f = CreateFileW((root + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            CloseHandle(f);
        }
        view.create(nullptr, {});
        rig.windows.track(view);
        form.load();
        view.show();
        pump(view);
    }
    void TearDown() override {
        view.destroy();
        for (const wchar_t* name : {L"\\Hover\\Hover Tank.exe", L"\\Hover\\readme.txt", L"\\Hover\\setup.exe",
                                    L"\\Hover\\Hover Tank.bat", L"\\Hover\\quake.bat"}) {
            DeleteFileW((root + name).c_str());
        }
        RemoveDirectoryW((root + L"\\Hover").c_str());
        RemoveDirectoryW(root.c_str());
    }

    HWND native(const char* name) { return view.nativeOf(form.window[name]); }

    void mouse(HWND h, POINT p, UINT down, UINT up) {
        const LPARAM at = MAKELPARAM(p.x, p.y);
        PostMessageW(h, down, MK_LBUTTON, at);
        PostMessageW(h, up, 0, at);
        pump(view);
    }
    POINT listItem(HWND list, int index) {
        RECT r{};
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        return {r.left + 20, (r.top + r.bottom) / 2};
    }
    // Double-clicks the directory list's entry for `path`.
    void openFolder(const std::wstring& path) {
        const auto& entries = form.controls.folders.entries();
        int index = -1;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (_wcsicmp(entries[i].path.c_str(), path.c_str()) == 0) index = static_cast<int>(i);
        }
        ASSERT_GE(index, 0) << "no entry for the folder";
        HWND list = native("Dir1");
        const POINT p = listItem(list, index);
        mouse(list, p, WM_LBUTTONDOWN, WM_LBUTTONUP);
        mouse(list, p, WM_LBUTTONDBLCLK, WM_LBUTTONUP);
    }
    void walkTo(const std::wstring& target) {
        // Down from the drive root, one folder at a time.
        std::size_t at = target.find(L'\\', 3);
        while (true) {
            openFolder(target.substr(0, at));
            if (at == std::wstring::npos) break;
            at = target.find(L'\\', at + 1);
        }
    }
    void clickTab(int n) {
        HWND tab = native("TabStrip1");
        RECT r{};
        SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(&r));
        mouse(tab, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}, WM_LBUTTONDOWN, WM_LBUTTONUP);
    }
    void key(HWND h, WPARAM vk) {
        PostMessageW(h, WM_KEYDOWN, vk, 1);
        PostMessageW(h, WM_KEYUP, vk, 0xC0000001);
        pump(view);
    }
    void typeText(HWND h, const std::wstring& text) {
        for (const wchar_t c : text) PostMessageW(h, WM_CHAR, c, 1);
        pump(view);
    }
};

TEST_F(MainWindowUnderWine, WindowMatchesItsDescription) {
    HWND main = view.hwnd();
    wchar_t caption[64];
    GetWindowTextW(main, caption, 64);
    EXPECT_STREQ(caption, L"3dfx Corvane");
    const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, MulDiv(4110, dpi, 1440));
    EXPECT_EQ(client.bottom, MulDiv(4050, dpi, 1440));

    HWND tab = native("TabStrip1");
    ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 3);
    wchar_t text[64];
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(tab, TCM_GETITEMW, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"Driver Information");
    EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0);

    EXPECT_TRUE(IsWindowVisible(native("Frame2")));
    EXPECT_FALSE(IsWindowVisible(native("Frame1")));
    EXPECT_FALSE(IsWindowEnabled(native("Command1")));
    EXPECT_FALSE(IsWindowEnabled(native("cColor")));
    EXPECT_EQ(SendMessageW(native("Check1"), BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND clock = native("sClock");
    EXPECT_EQ(SendMessageW(clock, TBM_GETRANGEMIN, 0, 0), 90);
    EXPECT_EQ(SendMessageW(clock, TBM_GETRANGEMAX, 0, 0), 110);
    EXPECT_EQ(SendMessageW(clock, TBM_GETPAGESIZE, 0, 0), 5);
    GetWindowTextW(native("l1"), text, 64);
    EXPECT_STREQ(text, L"Not Available");
    RECT frame{};
    GetWindowRect(native("Frame1"), &frame);
    EXPECT_EQ(frame.right - frame.left, MulDiv(3855, dpi, 1440));
}

TEST_F(MainWindowUnderWine, RescalesWhenTheDpiChanges) {
    HWND main = view.hwnd();
    RECT suggested{};
    GetWindowRect(main, &suggested);
    SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 411);  // 4110 twips at 10 twips a pixel
    EXPECT_EQ(client.bottom, 405);
    RECT frame{};
    GetWindowRect(native("Frame2"), &frame);
    EXPECT_EQ(frame.right - frame.left, 386);  // 3855 twips
    RECT make{};
    GetWindowRect(native("Command1"), &make);
    POINT corner{make.left, make.top};
    ScreenToClient(main, &corner);
    EXPECT_EQ(corner.x, 12);
    EXPECT_EQ(corner.y, 366);
}

TEST_F(MainWindowUnderWine, UserMakesABatchFileWithMouseAndKeys) {
    walkTo(root + L"\\Hover");
    ASSERT_EQ(_wcsicmp(form.controls.folders.path().c_str(), (root + L"\\Hover").c_str()), 0);
    HWND fileList = native("File1");
    ASSERT_EQ(SendMessageW(fileList, LB_GETCOUNT, 0, 0), 2);  // the two programs, not the text file

    // A click on the first entry picks it and proposes its name.
    mouse(fileList, listItem(fileList, 0), WM_LBUTTONDOWN, WM_LBUTTONUP);
    HWND name = native("Text1");
    EXPECT_TRUE(IsWindowVisible(name));
    EXPECT_EQ(GetFocus(), name);
    wchar_t text[128];
    GetWindowTextW(name, text, 128);
    EXPECT_STREQ(text, L"Hover Tank");
    DWORD from = 0, to = 0;
    SendMessageW(name, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 10u);
    EXPECT_TRUE(IsWindowEnabled(native("Command1")));

    // Settings: step the clock up twice with the keyboard, tick Fast PCI.
    clickTab(2);
    EXPECT_TRUE(IsWindowVisible(native("Frame1")));
    EXPECT_FALSE(IsWindowVisible(native("Frame2")));
    HWND clock = native("sClock");
    SetFocus(clock);
    key(clock, VK_RIGHT);
    key(clock, VK_RIGHT);
    GetWindowTextW(native("lblClock"), text, 128);
    EXPECT_STREQ(text, L"Clock Speed: 92Mhz");
    HWND refresh = native("sRefresh");
    SetFocus(refresh);
    key(refresh, VK_END);
    EXPECT_TRUE(IsWindowEnabled(native("cColor")));
    SendMessageW(native("cPci"), BM_CLICK, 0, 0);
    pump(view);
    EXPECT_EQ(form.controls.fastPci.value(), 1);

    // Back to the first page, rename, and make.
    clickTab(1);
    SetFocus(name);
    SendMessageW(name, EM_SETSEL, 0, -1);
    typeText(name, L"quake");
    EXPECT_EQ(form.controls.batchName.text(), L"quake");
    SendMessageW(native("Command1"), BM_CLICK, 0, 0);
    pump(view);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, L"Make " + form.controls.folders.path() + L"\\quake.bat?");
    EXPECT_EQ(test::afterCheck(test::fileBytes(root + L"\\Hover\\quake.bat")),
              "SET SST_FASTMEM=0\r\n"
              "SET SST_FASTPCIRD=1\r\n"
              "SET FX_GLIDE_SWAPINTERVAL=1\r\n"
              "SET SST_SWAP_EN_WAIT_ON_VSYNC=1\r\n"
              "SET SST_VIDEO_24BPP=0\r\n"
              "SET FX_GLIDE_NO_SPLASH=\r\n"
              "SET SST_GAMMA=0.25\r\n"
              "REM SST_GRXCLK=92 not set: a Voodoo Graphics runs at its own clock\r\n"
              "SET SST_SCREENREFRESH=120\r\n" +
                  test::shortName(root + L"\\Hover\\Hover Tank.exe") + std::string(test::kWorkedEnd));
    GetWindowTextW(name, text, 128);
    EXPECT_STREQ(text, L"");
    EXPECT_FALSE(IsWindowEnabled(native("Command1")));

    // Opening the parent folder returns the page to browsing.
    openFolder(root);
    EXPECT_FALSE(IsWindowVisible(name));
    EXPECT_FALSE(IsWindowVisible(native("Label1")));
}

// The batch file, run by the command interpreter, starts the very program
// that was picked, once, with the settings it sets: also where the system's
// short name is not the one the old rule guessed, where the name holds "%",
// where two programs share their first six characters, and where the name
// holds letters outside ASCII, whose bytes differ between the ANSI code page
// and the OEM one that CMD reads the file in: by a short name of such
// letters where the disk keeps one, by the long name where it keeps none.
// The variables that the driver reads by presence reach the game only when
// their box says so, whatever the machine's own environment held. Each
// family's file sets every variable of its cards, and no probe of its check
// for room.
TEST_F(MainWindowUnderWine, BatchFileStartsThePickedProgram) {
    ASSERT_NE(GetACP(), GetOEMCP()) << "the code pages the test tells apart";
    const std::wstring play = root + L"\\Play";
    CreateDirectoryW(play.c_str(), nullptr);
    const std::wstring exe = test::corvaneExe();
    const std::wstring game = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"corvane_fake_game.exe";
    const std::wstring cafe = L"Caf\u00E9.exe", uber = L"\u00DCber Rennen.exe";
    const struct {
        std::wstring program;
        std::wstring shortName;  // as the system gives it; empty: as Wine makes it
        std::wstring started;    // the file the batch file starts
    } programs[] = {
        {L"Hover Tank.exe", L"", L"Hover Tank.exe"},
        {L"100% Speed.exe", L"", L"100% Speed.exe"},
        {L"Tomb Raider.exe", L"", L"Tomb Raider.exe"},
        {L"Tomb Raider Setup.exe", L"", L"Tomb Raider Setup.exe"},
        {cafe, L"CAF\u00C9.EXE", cafe},
        {uber, L"\u00DCBERRE~2.EXE", L"\u00DCBERRE~2.EXE"},
        {cafe, cafe, cafe},  // a disk without short names
        {uber, uber, uber},
    };
    for (const auto& p : programs) {
        for (const std::wstring& file : {p.program, p.started}) {
            ASSERT_TRUE(CopyFileW(game.c_str(), (play + L"\\" + file).c_str(), FALSE));
        }
    }
    SetEnvironmentVariableW(L"FX_GLIDE_NO_SPLASH", L"1");
    SetEnvironmentVariableW(L"SST_FASTPCIRD", L"1");
    walkTo(play);
    HWND fileList = native("File1");
    auto make = [&](const std::wstring& p) {
        int index = -1;
        for (int i = 0; i < form.controls.programs.listCount(); ++i) {
            if (form.controls.programs.list(i) == p) index = i;
        }
        ASSERT_GE(index, 0) << "not listed";
        mouse(fileList, listItem(fileList, index), WM_LBUTTONDOWN, WM_LBUTTONUP);
        HWND name = native("Text1");
        SendMessageW(name, EM_SETSEL, 0, -1);
        typeText(name, L"run");
        SendMessageW(native("Command1"), BM_CLICK, 0, 0);
        pump(view);
    };
    const auto utf8 = [](const std::wstring& w) {
        std::string out(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
        WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
        out.pop_back();
        return out;
    };
    // "Splash Screen" ticked and "Fast PCI" clear, as the window starts;
    // where the card is not known, no clock.
    const std::string settings =
        "FX_GLIDE_SWAPINTERVAL=1\nSST_FASTMEM=0\nSST_GAMMA=0.25\n"
        "SST_SCREENREFRESH=0\nSST_SWAP_EN_WAIT_ON_VSYNC=1\nSST_VIDEO_24BPP=0\n";
    for (const auto& p : programs) {
        rig.folders.said[p.program] = p.shortName;
        make(p.program);
        EXPECT_EQ(runBatch(play, play + L"\\run.bat"), utf8(p.started) + "\n" + settings) << test::fileBytes(play + L"\\run.bat");
    }
    // Each family's cards, their lines after the others'.
    const struct {
        GlideCards cards;
        const char* more;  // the variables beyond the settings above, in the report's order
    } families[] = {
        {{true, false, false}, ""},
        {{false, true, false}, "SSTV2_GAMMA=0.25\nSSTV2_GRXCLK=90\nSSTV2_SCREENREFRESH=0\nSST_GRXCLK=90\n"},
        {{false, false, true}, "SSTH3_BGAMMA=0.25\nSSTH3_GGAMMA=0.25\nSSTH3_RGAMMA=0.25\nSST_GRXCLK=90\n"},
    };
    // The game's report: its name, then the variables sorted.
    const auto report = [](std::string variables) {
        std::vector<std::string> lines;
        for (std::size_t at; (at = variables.find('\n')) != std::string::npos; variables.erase(0, at + 1)) {
            lines.push_back(variables.substr(0, at + 1));
        }
        std::sort(lines.begin(), lines.end());
        std::string out = "Hover Tank.exe\n";
        for (const std::string& l : lines) out += l;
        return out;
    };
    for (const auto& f : families) {
        form.installedGlide = f.cards;
        make(programs[0].program);
        EXPECT_EQ(runBatch(play, play + L"\\run.bat"), report(settings + f.more)) << test::fileBytes(play + L"\\run.bat");
    }
    form.installedGlide = {};

    // A hand's edits that CMD runs otherwise: another report, none, or a
    // command the window does not show (it leaves WITNESS.TXT).
    make(programs[0].program);
    const std::string made = test::fileBytes(play + L"\\run.bat");
    const std::string madeReport = runBatch(play, play + L"\\run.bat");
    for (const test::HiddenEdit& e : test::kHiddenEdits) {
        if (!e.cmd || e.loops) continue;
        const std::string edited = test::hiddenEdit(made, e);
        test::writeBytes(play + L"\\run.bat", edited);
        const std::string got = runBatch(play, play + L"\\run.bat");
        const bool witnessed = DeleteFileW((play + L"\\WITNESS.TXT").c_str()) != 0;
        EXPECT_TRUE(got != madeReport || witnessed) << e.what << ": CMD ran it as made";
    }
    DeleteFileW((play + L"\\run.bat").c_str());

    // The other way round.
    clickTab(2);
    SendMessageW(native("Check1"), BM_CLICK, 0, 0);
    SendMessageW(native("cPci"), BM_CLICK, 0, 0);
    pump(view);
    clickTab(1);
    make(programs[0].program);
    EXPECT_EQ(runBatch(play, play + L"\\run.bat"),
              "Hover Tank.exe\nFX_GLIDE_NO_SPLASH=1\nFX_GLIDE_SWAPINTERVAL=1\nSST_FASTMEM=0\nSST_FASTPCIRD=1\n"
              "SST_GAMMA=0.25\nSST_SCREENREFRESH=0\nSST_SWAP_EN_WAIT_ON_VSYNC=1\nSST_VIDEO_24BPP=0\n");
    SetEnvironmentVariableW(L"FX_GLIDE_NO_SPLASH", nullptr);
    SetEnvironmentVariableW(L"SST_FASTPCIRD", nullptr);
    for (const auto& p : programs) {
        for (const std::wstring& file : {p.program, p.started}) DeleteFileW((play + L"\\" + file).c_str());
    }
    DeleteFileW((play + L"\\run.bat").c_str());
    DeleteFileW((play + L"\\report.txt").c_str());
    RemoveDirectoryW(play.c_str());
}

// As the program starts: the window loaded first, then its view made with
// the first page's controls; a page shown before the rest are made gets its
// controls at once, and the rest follow once the window is shown.
TEST(WindowViewUnderWine, HiddenPagesGetTheirControlsWhenShownOrAfterTheWindow) {
    test::WindowsRig<> rig;
    rig.form.load();
    rig.form.controls.clock.setValue(104);
    win32::WindowView view(rig.form.window);
    view.create(nullptr, {});
    EXPECT_NE(view.nativeOf(rig.form.controls.folders), nullptr);
    EXPECT_EQ(view.nativeOf(rig.form.controls.clock), nullptr);
    EXPECT_EQ(view.nativeOf(rig.form.window["l1"]), nullptr);
    input::clickTab(rig.form.controls.tabs, 2);
    HWND clock = view.nativeOf(rig.form.controls.clock);
    ASSERT_NE(clock, nullptr);
    const auto styled = [&](const Control& c) { return (GetWindowLongPtrW(view.nativeOf(c), GWL_STYLE) & WS_VISIBLE) != 0; };
    EXPECT_TRUE(styled(rig.form.controls.settingsPage));
    EXPECT_FALSE(styled(rig.form.controls.programPage));
    EXPECT_EQ(SendMessageW(clock, TBM_GETPOS, 0, 0), 104);
    view.show();
    pump(view);
    EXPECT_NE(view.nativeOf(rig.form.window["l1"]), nullptr);
    EXPECT_FALSE(IsWindowVisible(view.nativeOf(rig.form.controls.driversPage)));
    // Made early or late, each window's children stack as the description
    // says: the top one first.
    std::vector<HWND> stacked;
    for (HWND h = GetWindow(view.hwnd(), GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) stacked.push_back(h);
    std::vector<HWND> wanted;
    for (const auto& c : rig.form.window.controls()) {
        if (c->container() == nullptr) wanted.push_back(view.nativeOf(*c));
    }
    std::stable_sort(wanted.begin(), wanted.end(), [&](HWND a, HWND b) {
        const auto& all = rig.form.window.controls();
        const auto of = [&](HWND h) {
            return std::find_if(all.begin(), all.end(), [&](const auto& c) { return view.nativeOf(*c) == h; })->get();
        };
        return win32::inFrontOf(kMainWindow, of(a)->row(), of(b)->row());
    });
    EXPECT_EQ(stacked, wanted);
    EXPECT_EQ(test::textOf(view.hwnd(), "Frame1"), L"Set Parameters");  // a frame's caption is its window text
}

// The text the view's tooltips show for a tool, asked as the tooltips ask.
std::wstring tipText(HWND tips, HWND owner, UINT_PTR id) {
    wchar_t text[256] = {};
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = owner;
    ti.uId = id;
    ti.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&ti));
    return text;
}

TEST_F(MainWindowUnderWine, ToolTipsNameControlsTabsAndDisabledButtons) {
    HWND tips = view.tips();
    ASSERT_NE(tips, nullptr);
    HWND exit = native("Command2");
    EXPECT_EQ(tipText(tips, GetParent(exit), reinterpret_cast<UINT_PTR>(exit)), L"Goodbye.");
    // "&Make" is disabled: the tool on its rectangle speaks for it, until it is enabled.
    HWND make = native("Command1");
    const UINT_PTR rect = win32::kRectToolBase + static_cast<UINT_PTR>(GetDlgCtrlID(make));
    EXPECT_EQ(tipText(tips, GetParent(make), rect), L"Create batch file.");
    form.controls.makeButton.setEnabled(true);
    EXPECT_EQ(tipText(tips, GetParent(make), rect), L"");
    EXPECT_EQ(tipText(tips, native("TabStrip1"), 1), L"Select the program for which to create a batch file.");
    EXPECT_EQ(tipText(tips, native("TabStrip1"), 2), L"Select the settings to apply to the 3dfx program.");
    HWND name = native("Text1");
    EXPECT_EQ(tipText(tips, GetParent(name), reinterpret_cast<UINT_PTR>(name)), L"Enter a name for the batch file. ");
    // A tooltip set while running shows at once.
    walkTo(root + L"\\Hover");
    HWND dirs = native("Dir1");
    EXPECT_EQ(tipText(tips, GetParent(dirs), reinterpret_cast<UINT_PTR>(dirs)), form.controls.folders.path());
}

// A real HDROP, as the shell hands one to the window it drops files on.
HDROP dropOf(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const auto& p : paths) names.append(p).push_back(L'\0');
    names.push_back(L'\0');
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(MainWindowUnderWine, DroppedProgramIsPickedAsBrowsingAndAClickDo) {
    clickTab(3);
    PostMessageW(view.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({root + L"\\Hover\\readme.txt",
                                                                             root + L"\\Hover\\Hover Tank.exe"})),
                 0);
    pump(view);
    EXPECT_EQ(_wcsicmp(form.controls.folders.path().c_str(), (root + L"\\Hover").c_str()), 0);
    EXPECT_TRUE(IsWindowVisible(native("Frame2")));
    EXPECT_EQ(SendMessageW(native("TabStrip1"), TCM_GETCURSEL, 0, 0), 0);
    HWND name = native("Text1");
    wchar_t text[128];
    GetWindowTextW(name, text, 128);
    EXPECT_STREQ(text, L"Hover Tank");
    EXPECT_EQ(GetFocus(), name);
    EXPECT_TRUE(IsWindowEnabled(native("Command1")));
    EXPECT_EQ(SendMessageW(native("File1"), LB_GETCURSEL, 0, 0), form.controls.programs.listIndex());

    // A drop of nothing to pick says so and changes nothing.
    PostMessageW(view.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({root + L"\\Hover\\readme.txt"})), 0);
    pump(view);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].prompt.find(L"readme.txt"), std::wstring::npos);
    EXPECT_EQ(form.controls.batchName.text(), L"Hover Tank");
}

TEST_F(MainWindowUnderWine, AccessKeysPressTheirButtons) {
    MSG msg{};
    msg.hwnd = native("Dir1");
    msg.message = WM_SYSCHAR;
    msg.wParam = L'x';
    msg.lParam = 1 << 29;
    SetFocus(native("Dir1"));
    if (!view.preTranslate(msg)) DispatchMessageW(&msg);
    pump(view);
    EXPECT_EQ(program.ends, 1);
}

TEST_F(MainWindowUnderWine, EnterOpensTheHighlightedFolder) {
    HWND dirs = native("Dir1");
    // The first folder on the way from C:\ to the test's folder.
    const std::wstring target = root.substr(0, root.find(L'\\', 3));
    const auto& entries = form.controls.folders.entries();
    int index = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (_wcsicmp(entries[i].path.c_str(), target.c_str()) == 0) index = static_cast<int>(i);
    }
    ASSERT_GE(index, 0);
    // A single click only highlights; Enter opens.
    mouse(dirs, listItem(dirs, index), WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_EQ(form.controls.folders.path(), L"C:\\");
    key(dirs, VK_RETURN);
    EXPECT_EQ(_wcsicmp(form.controls.folders.path().c_str(), target.c_str()), 0);
}

TEST_F(MainWindowUnderWine, AltKeysReachMakeAndAbout) {
    walkTo(root + L"\\Hover");
    HWND fileList = native("File1");
    mouse(fileList, listItem(fileList, 0), WM_LBUTTONDOWN, WM_LBUTTONUP);
    messages.answers = {2, 2};  // Cancel both questions
    MSG msg{};
    msg.hwnd = GetFocus();
    msg.message = WM_SYSCHAR;
    msg.wParam = L'm';
    msg.lParam = 1 << 29;
    if (!view.preTranslate(msg)) DispatchMessageW(&msg);
    pump(view);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt.substr(0, 5), L"Make ");
    // Enter in the batch name is "&Make" too.
    SetFocus(native("Text1"));
    key(native("Text1"), VK_RETURN);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].prompt.substr(0, 5), L"Make ");
}

TEST_F(MainWindowUnderWine, TabKeyFollowsTheFocusOrder) {
    // On the first page: File1 (1), Dir1 (2), then the buttons and the tab strip.
    SetFocus(native("File1"));
    pump(view);
    key(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), native("Dir1"));
    key(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), native("Command2"));  // Make is disabled, Text1 hidden
    key(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), native("TabStrip1"));
}

// What a user sees and does in the help window, done from a second thread
// while the program's thread waits inside "&About...".
struct HelpVisit {
    std::atomic<bool> found{false};
    std::wstring caption, version, before, answer, returnTip;
    bool ownerEnabled = true;
    HWND focus = nullptr, returnButton = nullptr;
    RECT window{}, owner{};
    int entries = 0;
};

struct FindByText {
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK matchText(HWND h, LPARAM l) {
    auto* f = reinterpret_cast<FindByText*>(l);
    wchar_t buf[512];
    GetWindowTextW(h, buf, 512);
    if (wcscmp(buf, f->text) != 0) return TRUE;
    f->found = h;
    return FALSE;
}

HWND childWithText(HWND parent, const wchar_t* text) {
    FindByText find{text, nullptr};
    EnumChildWindows(parent, matchText, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

std::wstring textOf(HWND h) {
    wchar_t buf[512] = {0};
    if (h != nullptr) GetWindowTextW(h, buf, 512);
    return buf;
}

TEST_F(MainWindowUnderWine, AboutOpensTheHelpWindowModally) {
    HelpVisit visit;
    HWND main = view.hwnd();
    std::thread user([&] {
        HWND help = nullptr;
        for (int i = 0; i < 200 && help == nullptr; ++i) {
            Sleep(25);
            help = FindWindowW(L"CorvaneWindow", L"About 3dfx Corvane");
            if (help != nullptr && !IsWindowVisible(help)) help = nullptr;
        }
        if (help == nullptr) return;
        visit.found = true;
        visit.caption = textOf(help);
        visit.ownerEnabled = IsWindowEnabled(main) != FALSE;
        GetWindowRect(help, &visit.window);
        GetWindowRect(main, &visit.owner);
        visit.version = textOf(childWithText(help, L"Version 1.0.35"));
        HWND answer = childWithText(help, L"Select a topic above.");
        visit.before = textOf(answer);
        HWND combo = FindWindowExW(help, nullptr, L"ComboBox", nullptr);
        visit.entries = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(GetWindowThreadProcessId(help, nullptr), &gui);
        visit.focus = gui.hwndFocus;
        visit.returnButton = childWithText(help, L"&Return");
        // Down arrow in the list picks the first topic, again the second.
        SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 1);
        SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 1);
        visit.answer = textOf(answer);
        SendMessageW(visit.returnButton, BM_CLICK, 0, 0);
    });
    PostMessageW(native("Command3"), BM_CLICK, 0, 0);
    pump(view);
    user.join();
    ASSERT_TRUE(visit.found);
    // The click gave "&About..." the focus; it has it again.
    EXPECT_EQ(GetFocus(), native("Command3")) << "the focus did not come back";
    EXPECT_EQ(visit.caption, L"About 3dfx Corvane");
    EXPECT_EQ(visit.version, L"Version 1.0.35");
    EXPECT_EQ(visit.before, L"Select a topic above.");
    EXPECT_EQ(visit.entries, 3);
    EXPECT_FALSE(visit.ownerEnabled);
    EXPECT_EQ(visit.focus, visit.returnButton);
    EXPECT_EQ(visit.answer.substr(0, 29), L"Go to the Choose Settings tab");
    // Centred over the main window.
    EXPECT_NEAR((visit.window.left + visit.window.right) / 2, (visit.owner.left + visit.owner.right) / 2, 2);
    EXPECT_NEAR((visit.window.top + visit.window.bottom) / 2, (visit.owner.top + visit.owner.bottom) / 2, 2);
    // Returned: the help window is gone and the main window takes input again.
    EXPECT_EQ(FindWindowW(L"CorvaneWindow", L"About 3dfx Corvane"), nullptr);
    EXPECT_TRUE(IsWindowEnabled(main));
    clickTab(3);
    EXPECT_TRUE(IsWindowVisible(native("Frame3")));
}

TEST_F(MainWindowUnderWine, TitleBarCloseActsAsReturn) {
    std::atomic<bool> closed{false};
    std::thread user([&] {
        for (int i = 0; i < 200; ++i) {
            Sleep(25);
            HWND help = FindWindowW(L"CorvaneWindow", L"About 3dfx Corvane");
            if (help != nullptr && IsWindowVisible(help)) {
                SendMessageW(help, WM_CLOSE, 0, 0);
                closed = true;
                return;
            }
        }
    });
    PostMessageW(native("Command3"), BM_CLICK, 0, 0);
    pump(view);
    user.join();
    ASSERT_TRUE(closed);
    EXPECT_EQ(FindWindowW(L"CorvaneWindow", L"About 3dfx Corvane"), nullptr);
    EXPECT_TRUE(IsWindowEnabled(view.hwnd()));
    EXPECT_EQ(program.ends, 0);  // closing the help window does not end the program
}

}  // namespace
}  // namespace corvane
