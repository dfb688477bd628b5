// corvane.exe as a user meets it: started as its own process, driven by
// clicks and keys through the system's input, and judged by the pixels on
// the screen, at the DPIs people run.
#include <gtest/gtest.h>

#include <shobjidl.h>

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "support/worked_example.h"
#include "app/main_window.h"
#include "help/help_window.h"
#include "platform/win32/dpi.h"
#include "win32/launch.h"
#include "win32/screen.h"

namespace corvane {
namespace {

// The DPI that programs started from now on run at, set in the place where
// Wine and Windows keep it, and put back afterwards.
class SystemDpi {
public:
    explicit SystemDpi(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
        DWORD size = sizeof old_;
        had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) ==
               ERROR_SUCCESS;
        RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~SystemDpi() {
        if (had_) {
            RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
        } else {
            RegDeleteValueW(key_, L"LogPixels");
        }
        RegCloseKey(key_);
    }
    SystemDpi(const SystemDpi&) = delete;
    SystemDpi& operator=(const SystemDpi&) = delete;

private:
    HKEY key_ = nullptr;
    DWORD old_ = 96;
    bool had_ = false;
};

// The controls of a window that are shown with the page of `frame` (those on
// the window itself and those in the frame), as the description has them.
std::vector<const ControlRow*> onPage(const WindowDesc& desc, const std::string& frame, bool hiddenToo = false) {
    std::vector<const ControlRow*> rows;
    for (const ControlRow* r : desc.controls) {
        const std::string in = r->container != nullptr ? r->container->name : "";
        const bool page = in == frame || (in.empty() && (r->kind != Kind::Frame || frame == r->name));
        if (page && (hiddenToo || !r->hidden)) rows.push_back(r);
    }
    return rows;
}

// The order in which Tab walks those controls, from the one after `from`.
std::vector<std::string> tabWalk(const WindowDesc& desc, const std::string& frame, const std::string& from) {
    std::vector<const ControlRow*> rows;
    for (const ControlRow* r : onPage(desc, frame)) {
        if (traitsOf(r->kind)->takesFocus && !r->disabled && r->tab >= 0) rows.push_back(r);
    }
    std::sort(rows.begin(), rows.end(), [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
    std::vector<std::string> names;
    for (const ControlRow* r : rows) names.emplace_back(r->name);
    const auto at = std::find(names.begin(), names.end(), from);
    if (at != names.end()) std::rotate(names.begin(), at + 1, names.end());
    return names;
}

// What the screen must show of each control of a page: a list of what it
// does not, empty when all is drawn.
class PageLook {
public:
    PageLook(const test::RunningCorvane& program, const WindowDesc& desc, HWND window, UINT dpi)
        : program_(program), desc_(desc), window_(window), dpi_(dpi) {}

    std::string faults(const std::string& frame) const {
        const test::Shot shot = test::settled(test::screenRect(window_));
        // The lines are drawn over whatever lies under them.
        lines_.clear();
        for (const ControlRow* r : desc_.controls) {
            if (r->kind == Kind::Line) lines_.push_back(test::screenRect(program_.control(r->name, desc_, window_)));
        }
        std::string out;
        for (const ControlRow* r : onPage(desc_, frame, true)) {
            HWND h = program_.control(r->name, desc_, window_);
            if (h == nullptr || !IsWindowVisible(h)) {
                if (!r->hidden) out += std::string(r->name) + " is not shown; ";
                continue;  // one the description hides is looked at where the program shows it
            }
            const std::string fault = look(shot, *r, h);
            if (!fault.empty()) out += std::string(r->name) + ": " + fault + "; ";
        }
        if (!out.empty()) {
            const std::string file = "screen-" + frame + "-" + std::to_string(dpi_) + ".bmp";
            shot.save(file);
            out += "(the screen is in " + file + ")";
        }
        return out;
    }

private:
    int px(int at96) const { return MulDiv(at96, static_cast<int>(dpi_), 96); }

    std::string look(const test::Shot& shot, const ControlRow& r, HWND h) const {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        RECT c = test::clientOnScreen(h);
        const bool captioned = r.caption != nullptr && r.caption[0] != 0;
        switch (r.kind) {
            case Kind::Frame: {
                // The caption over the top edge at the left, the etched edge
                // running on to its right.
                const int th = px(13);
                const RECT caption{c.left + px(8), c.top, c.left + px(8) + px(60), c.top + th};
                if (shot.differing(caption, face) < px(20)) return "no caption drawn at its place";
                const RECT edge{c.right - px(40), c.top + th / 2 - px(2), c.right - px(10), c.top + th / 2 + px(3)};
                if (shot.differing(edge, face) < px(30)) return "no edge drawn along its top";
                // Nothing above the edge there: the caption ends before the corner.
                const RECT corner{c.right - px(40), c.top, c.right - px(10), c.top + th / 2 - px(2)};
                if (shot.differing(corner, face) > 0) return "its caption runs into the corner";
                return "";
            }
            case Kind::CommandButton:
                InflateRect(&c, -px(5), -px(5));  // inside the edge and the focus rectangle
                [[fallthrough]];
            case Kind::Label:
            case Kind::CheckBox: {
                if (!captioned) return "";
                if (shot.differing(c, face) < px(10)) return "nothing drawn";
                const RECT right{c.right - px(2), c.top, c.right, c.bottom};
                if (shot.differing(right, face, lines_) > 0) return "ink at its right edge: the caption does not fit";
                // Above its last row, which a box below may overlap.
                const RECT bottom{c.left, c.bottom - px(3), c.right, c.bottom - px(1)};
                if (r.kind == Kind::Label && !r.border && shot.differing(bottom, face, lines_) > 0) return "ink at its bottom edge: the caption wraps";
                return "";
            }
            case Kind::Slider:
                // The thumb and the ticks.
                if (shot.differing(c, face) < px(120)) return "no thumb or ticks drawn";
                return "";
            case Kind::DirListBox:
            case Kind::FileListBox:
            case Kind::ComboBox: {
                const int area = (c.right - c.left) * (c.bottom - c.top);
                if (shot.matching(c, GetSysColor(COLOR_WINDOW)) < area / 2) return "no list drawn";
                if (r.kind == Kind::DirListBox && shot.differing(c, GetSysColor(COLOR_WINDOW)) < px(20)) {
                    return "no folders drawn";
                }
                return "";
            }
            case Kind::Line: {
                // Its whole length in its colour: nothing in front of it.
                const RECT run{c.left, c.top, c.right, c.top + 1};
                if (shot.matching(run, r.colour) < (c.right - c.left) * 19 / 20) return "not drawn whole";
                return "";
            }
            case Kind::Image:
                if (shot.differing(c, face) < px(100)) return "no picture drawn";
                return "";
            default:
                return "";
        }
    }

    const test::RunningCorvane& program_;
    const WindowDesc& desc_;
    HWND window_;
    UINT dpi_;
    mutable std::vector<RECT> lines_;
};

// The name of the control that has the keyboard focus, once it is no
// longer `was` (at most two seconds).
std::string nameOf(const test::RunningCorvane& p, HWND h, const WindowDesc& desc, HWND window) {
    for (const ControlRow* r : desc.controls) {
        if (h != nullptr && p.control(r->name, desc, window) == h) return r->name;
    }
    return h == nullptr ? "<none>" : "<other>";
}
std::string focusAfter(const test::RunningCorvane& p, const std::string& was, const WindowDesc& desc, HWND window) {
    std::string now;
    for (int i = 0; i < 40 * test::patience(); ++i) {
        now = nameOf(p, test::focusOf(p.thread()), desc, window);
        if (now != was) break;
        Sleep(50);
    }
    return now;
}
// The same, once it is `expected` (or what it is after two seconds).
std::string focusBecomes(const test::RunningCorvane& p, const std::string& expected, const WindowDesc& desc,
                         HWND window) {
    std::string now;
    for (int i = 0; i < 40 * test::patience(); ++i) {
        now = nameOf(p, test::focusOf(p.thread()), desc, window);
        if (now == expected) break;
        Sleep(50);
    }
    return now;
}

struct Page {
    int tab;
    const char* frame;
};
constexpr Page kPages[] = {{1, "Frame2"}, {2, "Frame1"}, {3, "Frame3"}};

class ScreenAtDpi : public ::testing::TestWithParam<UINT> {
protected:
    SystemDpi dpi{GetParam()};
};

// The first click on each tab right after start-up, then the pages again
// after switching back and forth: every page drawn whole, in front of the
// tab strip.
TEST_P(ScreenAtDpi, EveryTabClickedShowsItsPageDrawnWhole) {
    test::RunningCorvane program;
    ASSERT_NE(program.main(), nullptr) << "the main window was not shown";
    HWND frame = program.control("Frame2");
    ASSERT_EQ(test::clientOnScreen(frame).right - test::clientOnScreen(frame).left,
              win32::twips(3855, GetParam()))
        << "the program does not run at " << GetParam() << " DPI";
    const PageLook look(program, kMainWindow, program.main(), GetParam());
    EXPECT_EQ(look.faults("Frame2"), "") << "page 1 at start-up";
    for (const int round : {1, 2}) {
        for (const int order : {2, 3, 1, 3, 2}) {
            const Page& page = kPages[order - 1];
            program.clickTab(page.tab);
            EXPECT_EQ(look.faults(page.frame), "") << "page " << page.tab << ", round " << round;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScreenAtDpi, ::testing::Values(96u, 144u));

// Tab walks the page's controls in the description's focus order, and
// Shift+Tab walks it back; on the help window too, each time it is opened.
TEST(KeyboardUnderWine, TabAndShiftTabFollowTheFocusOrder) {
    test::RunningCorvane program;
    ASSERT_NE(program.main(), nullptr);
    program.clickTab(2);
    ASSERT_EQ(focusBecomes(program, "TabStrip1", kMainWindow, program.main()), "TabStrip1")
        << "a click on a tab focuses the strip";
    const std::vector<std::string> forward = tabWalk(kMainWindow, "Frame1", "TabStrip1");
    std::string at = "TabStrip1";
    for (const std::string& next : forward) {
        test::key(VK_TAB);
        at = focusAfter(program, at, kMainWindow, program.main());
        EXPECT_EQ(at, next) << "Tab";
    }
    for (auto it = forward.rbegin() + 1; it != forward.rend(); ++it) {
        test::key(VK_TAB, VK_SHIFT);
        at = focusAfter(program, at, kMainWindow, program.main());
        EXPECT_EQ(at, *it) << "Shift+Tab";
    }
    // The pages round, from any control: forward by Ctrl+Tab and Ctrl+PgDn,
    // back by Ctrl+Shift+Tab and Ctrl+PgUp; the strip takes the focus.
    const struct {
        WORD key, shift;
        const char* page;
    } chords[] = {{VK_TAB, 0, "Frame3"}, {VK_NEXT, 0, "Frame2"}, {VK_TAB, VK_SHIFT, "Frame3"}, {VK_PRIOR, 0, "Frame1"}};
    for (const auto& c : chords) {
        test::key(c.key, VK_CONTROL, c.shift);
        at = focusAfter(program, at, kMainWindow, program.main());
        EXPECT_EQ(at, "TabStrip1") << c.page;
        for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
            EXPECT_EQ(IsWindowVisible(program.control(frame)) != FALSE, frame == std::string(c.page)) << c.page;
        }
    }

    for (int opening = 1; opening <= 3; ++opening) {
        test::key('A', VK_MENU);
        HWND help = test::shownHelpWindow();
        ASSERT_NE(help, nullptr) << "Alt+A did not open the help window, opening " << opening;
        const PageLook look(program, kHelpWindow, help, 96);
        EXPECT_EQ(look.faults(""), "") << "help window, opening " << opening;
        const std::vector<std::string> walk = tabWalk(kHelpWindow, "", "Command1");
        at = nameOf(program, test::focusOf(program.thread()), kHelpWindow, help);
        if (at != "Command1") {
            test::key(VK_TAB);  // wherever it starts, the walk passes "&Return"
            for (int i = 0; i < 4 && at != "Command1"; ++i) {
                at = focusAfter(program, at, kHelpWindow, help);
                if (at != "Command1") test::key(VK_TAB);
            }
        }
        ASSERT_EQ(at, "Command1");
        for (const std::string& next : walk) {
            test::key(VK_TAB);
            at = focusAfter(program, at, kHelpWindow, help);
            EXPECT_EQ(at, next) << "Tab on the help window, opening " << opening;
        }
        // Closed as "&Return" closes it: by Alt+R, by Esc, by Enter on it.
        const char* how[] = {"Alt+R", "Esc", "Enter"};
        if (opening == 1) test::key('R', VK_MENU);
        if (opening == 2) test::key(VK_ESCAPE);
        if (opening == 3) {
            ASSERT_EQ(at, "Command1");  // the walk ends where it began
            test::key(VK_RETURN);
        }
        ASSERT_TRUE(test::gone(help)) << how[opening - 1] << " did not close the help window";
    }
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// The other half of the emulator check (scripts/cpu-trace.sh): corvane.exe
// runs under the emulator, started by the script; this waits for its window
// (start-up is slow there), clicks each tab, opens and closes the help
// window with Alt+A and Alt+R, and ends the program with Alt+X ("E&xit").
// Skipped unless the script asks for it with CORVANE_CPU_TRACE.
TEST(CpuTraceUnderWine, PagesAndHelpShownUnderTheEmulatorThenExit) {
    wchar_t asked[8] = {};
    if (GetEnvironmentVariableW(L"CORVANE_CPU_TRACE", asked, 8) == 0) GTEST_SKIP() << "no emulator trace asked for";
    // Every wait is the usual one times CORVANE_PATIENCE, which the script sets.
    HWND main = test::shownMainWindow();
    ASSERT_NE(main, nullptr) << "the window was not shown";
    ASSERT_NE(test::controlOf(main, "l1"), nullptr) << "the hidden pages' controls were not made";
    DWORD id = 0;
    GetWindowThreadProcessId(main, &id);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    ASSERT_NE(process, nullptr);
    HWND strip = test::controlOf(main, "TabStrip1");
    for (const int tab : {2, 3, 1}) {
        test::click(test::tabCentre(strip, tab));
        for (int i = 0; i < 100 * test::patience() && SendMessageW(strip, TCM_GETCURSEL, 0, 0) != tab - 1; ++i) {
            Sleep(50);
        }
        EXPECT_EQ(SendMessageW(strip, TCM_GETCURSEL, 0, 0), tab - 1) << "tab " << tab << " was not selected";
        test::settled(test::screenRect(main));
    }
    test::key('A', VK_MENU);
    HWND help = test::shownHelpWindow();
    EXPECT_NE(help, nullptr) << "Alt+A did not open the help window";
    if (help != nullptr) {
        test::settled(test::screenRect(help));
        test::key('R', VK_MENU);
        EXPECT_TRUE(test::gone(help)) << "Alt+R did not close the help window";
    }
    test::key('X', VK_MENU);
    EXPECT_EQ(WaitForSingleObject(process, test::waitMs(20000)), WAIT_OBJECT_0) << "Alt+X did not end the program";
    CloseHandle(process);
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// An entry of another process's list box, by the count it shows: true once
// it holds `n` rows (at most five seconds at the usual speed).
bool listHolds(HWND list, int n) {
    for (int i = 0; i < 100 * test::patience(); ++i) {
        if (SendMessageW(list, LB_GETCOUNT, 0, 0) == n) return true;
        Sleep(50);
    }
    return false;
}

// The subfolders of a folder, in the order the directory list shows them.
std::vector<std::wstring> subfolders(const std::wstring& folder) {
    std::vector<std::wstring> out = test::namesIn(folder, test::Held::Folders);
    std::sort(out.begin(), out.end(), [](const std::wstring& a, const std::wstring& b) {
        const int c = _wcsicmp(a.c_str(), b.c_str());
        return c != 0 ? c < 0 : a < b;
    });
    return out;
}

// The worked example as a user makes it, in corvane.exe: C:\Games\Hover
// opened by double-clicks in the directory list, Hover Tank.exe clicked,
// "&Make" pressed with Alt+M and its question answered with Enter. The file
// holds the worked example's lines, and the name field is empty again.
// C:\Games\Hover\Hover Tank.exe, there until the test ends, whatever it
// made of the two folders taken away again.
struct HoverTankOnC {
    const std::wstring games = L"C:\\Games", hover = games + L"\\Hover", exe = hover + L"\\Hover Tank.exe";
    const std::wstring batch = hover + L"\\Hover Tank.bat";
    const bool madeGames = CreateDirectoryW(games.c_str(), nullptr) != FALSE;
    const bool madeHover = CreateDirectoryW(hover.c_str(), nullptr) != FALSE;
    HoverTankOnC() {
        CloseHandle(CreateFileW(exe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DeleteFileW(batch.c_str());
    }
    ~HoverTankOnC() {
        DeleteFileW(batch.c_str());
        DeleteFileW(exe.c_str());
        if (madeHover) RemoveDirectoryW(hover.c_str());
        if (madeGames) RemoveDirectoryW(games.c_str());
    }
};

// A shortcut to `target`, as the shell saves one (COM stays loaded for the test's short life).
bool saveShortcut(const std::wstring& link, const std::wstring& target) {
    IShellLinkW* shellLink = nullptr;
    IPersistFile* file = nullptr;
    CoInitialize(nullptr);
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(&shellLink))) &&
           SUCCEEDED(shellLink->SetPath(target.c_str())) &&
           SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
           SUCCEEDED(file->Save(link.c_str(), TRUE));
}

TEST(WorkedExampleUnderWine, HoverTankMadeByClicksAndKeys) {
    const HoverTankOnC game;
    const std::wstring& games = game.games;
    const std::wstring& exe = game.exe;
    const std::wstring& batch = game.batch;
    const std::vector<std::wstring> top = subfolders(L"C:\\");
    const auto at = std::find(top.begin(), top.end(), L"Games");
    ASSERT_NE(at, top.end());
    // After the folders, every drive the system has.
    const DWORD present = GetLogicalDrives();
    const int drives = std::popcount(present), driveC = std::popcount(present & 3u);
    ASSERT_TRUE((present & 4u) != 0 && (present & (1u << 25)) != 0) << "Wine's C: and Z:";
    {
        test::RunningCorvane program;
        ASSERT_NE(program.main(), nullptr) << "the main window was not shown";
        HWND dir = program.control("Dir1");
        const int onC = 1 + static_cast<int>(top.size());
        ASSERT_TRUE(listHolds(dir, onC + drives));
        // Z:, the last drive, by keys (the drives may stand below what the
        // list shows), and back to C: by its row there.
        test::click(test::centre(test::itemOnScreen(program.process(), dir, LB_GETITEMRECT, 0)));
        test::key(VK_END);
        test::key(VK_RETURN);
        const int onZ = 1 + static_cast<int>(subfolders(L"Z:\\").size());
        ASSERT_TRUE(listHolds(dir, onZ + drives)) << "Z: was not opened";
        EXPECT_EQ(test::textOf(program.main(), "Label3"), L"Z:\\");
        test::key(VK_END);
        for (int up = drives - 1; up > driveC; --up) test::key(VK_UP);
        test::key(VK_RETURN);
        ASSERT_TRUE(listHolds(dir, onC + drives)) << "C: was not opened again";
        // C:\ is row 0, its folders follow; then Games is row 1 and Hover row 2.
        test::doubleClick(test::centre(test::itemOnScreen(program.process(), dir, LB_GETITEMRECT,
                                                          1 + static_cast<int>(at - top.begin()))));
        ASSERT_TRUE(listHolds(dir, 1 + 1 + static_cast<int>(subfolders(games + L"\\").size()) + drives));
        test::doubleClick(test::centre(test::itemOnScreen(program.process(), dir, LB_GETITEMRECT, 2)));
        ASSERT_TRUE(listHolds(program.control("File1"), 1)) << "Hover Tank.exe is not listed";
        program.clickListEntry("File1", 0);
        ASSERT_EQ(test::textBecomes(program.main(), "Text1", L"Hover Tank"), L"Hover Tank");

        EXPECT_EQ(program.makeByKeys(), L"Make C:\\Games\\Hover\\Hover Tank.bat?");
        EXPECT_EQ(test::textOf(program.main(), "Text1"), L"") << "the name field was not emptied";
    }
    // The start line: the system's short name (Wine makes its own kind).
    EXPECT_EQ(test::fileBytes(batch), test::workedExample(test::shortName(exe)));
    // Picked again, from the command line, through a shortcut to the
    // program's short path: the settings page says where its values came
    // from, drawn whole.
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameW(exe.c_str(), shortPath, MAX_PATH), 0u);
    const std::wstring link = games + L"\\Hover Tank.lnk";
    ASSERT_TRUE(saveShortcut(link, shortPath));
    const struct Removed { const std::wstring& path; ~Removed() { DeleteFileW(path.c_str()); } } removed{link};
    test::RunningCorvane again(L"\"" + link + L"\"");
    ASSERT_NE(again.main(), nullptr);
    ASSERT_EQ(test::textBecomes(again.main(), "Text1", L"Hover Tank"), L"Hover Tank");
    again.clickTab(2);
    EXPECT_EQ(test::textBecomes(again.main(), "Frame1", L"Read from Hover Tank.bat"), L"Read from Hover Tank.bat");
    EXPECT_EQ(PageLook(again, kMainWindow, again.main(), 96).faults("Frame1"), "");
    // The game's switches, reached by their access key, follow its name on the start line.
    again.clickTab(1);
    test::key('S', VK_MENU);
    for (const WORD k : {WORD{VK_OEM_MINUS}, WORD{'3'}, WORD{'D'}, WORD{'F'}, WORD{'X'}}) test::key(k);
    ASSERT_EQ(test::textBecomes(again.main(), "Text3", L"-3dfx"), L"-3dfx");
    EXPECT_EQ(PageLook(again, kMainWindow, again.main(), 96).faults("Frame2"), "");
    EXPECT_EQ(again.makeByKeys(), L"Make C:\\Games\\Hover\\Hover Tank.bat?");
    EXPECT_EQ(test::fileBytes(batch), test::workedExample(test::shortName(exe) + " -3dfx"));
}

}  // namespace
}  // namespace corvane
