// Start-up, the three pages and leaving the program.
#include <gtest/gtest.h>

#include "platform/win32/stacking.h"
#include "support/rig.h"

namespace corvane {
namespace {

using test::Rig;

TEST(MainWindow, StartsOnTheFirstPageWithEverythingInItsStartingState) {
    Rig r;
    r.disk.addFile(L"C:\\GAME.EXE");
    r.disk.addFolder(L"C:\\Games");
    r.start();
    MainWindow& f = r.form;
    EXPECT_EQ(r.program.ends, 0);
    EXPECT_EQ(f.window.caption(), L"3dfx Corvane");
    EXPECT_TRUE(f.controls.tabs.tabSelected(1));
    EXPECT_TRUE(f.controls.programPage.visible());
    EXPECT_FALSE(f.controls.settingsPage.visible());
    EXPECT_FALSE(f.controls.driversPage.visible());
    EXPECT_FALSE(f.controls.makeButton.enabled());
    EXPECT_FALSE(f.controls.batchNameCaption.visible());
    EXPECT_FALSE(f.controls.batchName.visible());
    EXPECT_FALSE(f.controls.trueColour.enabled());
    EXPECT_EQ(f.controls.trueColour.value(), 0);
    EXPECT_EQ(f.controls.splash.value(), 1);
    for (CheckBox* box : {&f.controls.fastMemory, &f.controls.fastPci, &f.controls.fastBuffering, &f.controls.fastRefresh}) EXPECT_EQ(box->value(), 0) << box->name();
    for (const char* l : {"l1", "l2", "l3", "l4", "l7", "l8"}) EXPECT_EQ(f.window.get<Label>(l).caption(), L"Not Available") << l;
    EXPECT_EQ(f.controls.folders.path(), L"C:\\");
    EXPECT_EQ(f.controls.folders.toolTip(), L"C:\\");
    EXPECT_EQ(f.controls.programPath.caption(), L"C:\\");
    EXPECT_EQ(f.controls.programs.items(), std::vector<std::wstring>{L"GAME.EXE"});
    EXPECT_EQ(f.controls.programs.toolTip(), L"Select desired program.");
    EXPECT_EQ(f.refreshHz, 0);
    EXPECT_EQ(f.programName, L"");
    EXPECT_EQ(f.controls.refreshCaption.caption(), L"Refresh: 60Hz");
    EXPECT_TRUE(r.messages.shown.empty());
}

TEST(MainWindow, SecondInstanceEndsBeforeTouchingAnything) {
    Rig r;
    r.instance.running = true;
    r.start();
    EXPECT_EQ(r.program.ends, 1);
    EXPECT_EQ(r.form.controls.folders.path(), L"");
    EXPECT_EQ(r.form.controls.splash.value(), 0);
    EXPECT_TRUE(r.versions.asked.empty());
    EXPECT_EQ(r.disk.listings, 0);
}

TEST(MainWindow, EachTabShowsExactlyItsOwnPageAndKeepsValues) {
    Rig r;
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    MainWindow& f = r.form;
    input::pickFile(f.controls.programs, 0);
    // A tab clicked, or (0) the page switched by Ctrl+Tab (1) or Ctrl+Shift+Tab (-1), round.
    const struct {
        int tab;
        bool frame1, frame2, frame3;
        int step = 0;
    } steps[] = {{2, true, false, false}, {3, false, false, true}, {1, false, true, false}, {1, false, true, false},
                 {0, false, false, true, -1}, {0, false, true, false, 1}, {0, true, false, false, 1}};
    for (const auto& s : steps) {
        ASSERT_TRUE(s.step == 0 ? input::clickTab(f.controls.tabs, s.tab) : input::switchPage(f.controls.tabs, s.step));
        EXPECT_EQ(f.controls.settingsPage.visible(), s.frame1) << s.tab;
        EXPECT_EQ(f.controls.programPage.visible(), s.frame2) << s.tab;
        EXPECT_EQ(f.controls.driversPage.visible(), s.frame3) << s.tab;
        if (s.tab == 2) input::moveSlider(f.controls.clock, 104);
    }
    EXPECT_EQ(r.form.window.focus(), &f.controls.tabs);
    EXPECT_EQ(f.controls.batchName.text(), L"GAME");
    EXPECT_TRUE(f.controls.makeButton.enabled());
    EXPECT_EQ(f.controls.clock.value(), 104);
    EXPECT_EQ(f.controls.clockCaption.caption(), L"Clock Speed: 104Mhz");
}

TEST(MainWindow, ExitEndsAtOnceWithoutAQuestion) {
    Rig r;
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    input::pickFile(r.form.controls.programs, 0);
    input::type(r.form.controls.batchName, L"unsaved");
    ASSERT_TRUE(input::press(r.form.controls.exitButton));
    EXPECT_EQ(r.program.ends, 1);
    EXPECT_TRUE(r.messages.shown.empty());
    EXPECT_EQ(r.disk.paths().size(), 2u);  // C:\ and the game, nothing written
}

// What the layout must hold together: the three pages lie one on another
// inside the window, one per tab; every focus position is used once; the
// bottom row's buttons stand evenly apart.
TEST(MainWindow, DescriptionHangsTogether) {
    Rig r;
    const Window& w = r.form.window;
    const Box& page = w["Frame1"].row().box;
    for (const char* frame : {"Frame2", "Frame3"}) {
        const Box& b = w[frame].row().box;
        EXPECT_TRUE(b.left == page.left && b.top == page.top && b.width == page.width && b.height == page.height) << frame;
    }
    EXPECT_LE(page.left + page.width, w.desc().clientWidth);
    EXPECT_LE(page.top + page.height, w.desc().clientHeight);
    EXPECT_EQ(w.get<TabStrip>("TabStrip1").tabCount(), 3);
    // Every focus position is used once.
    std::vector<int> order;
    for (const auto& c : w.controls()) order.push_back(c->tabIndex());
    std::sort(order.begin(), order.end());
    for (int i = 0; i < static_cast<int>(order.size()); ++i) EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
    const Box& make = w["Command1"].row().box;
    const Box& about = w["Command3"].row().box;
    const Box& exit = w["Command2"].row().box;
    EXPECT_EQ(about.left - (make.left + make.width), exit.left - (about.left + about.width));
    EXPECT_TRUE(make.top == about.top && about.top == exit.top);
}

// Controls that overlap in one container: the one in front is the one that
// must be seen, as the Windows view stacks them. Pages lie in front of the
// tab strip that switches them; otherwise siblings stack in the focus order.
TEST(MainWindow, PagesStackInFrontOfTheTabStripAndTheRestInFocusOrder) {
    Rig r;
    const auto inFrontOf = [](const ControlRow& a, const ControlRow& b) { return win32::inFrontOf(kMainWindow, a, b); };
    const auto w = [&](const char* name) -> const ControlRow& { return r.form.window[name].row(); };
    const ControlRow& strip = w("TabStrip1");
    for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
        EXPECT_TRUE(inFrontOf(w(frame), strip)) << frame;
        EXPECT_FALSE(inFrontOf(strip, w(frame))) << frame;
    }
    EXPECT_TRUE(inFrontOf(w("Frame2"), w("Frame3")));  // frames among themselves: focus order
    EXPECT_TRUE(inFrontOf(w("cRefresh"), w("cMem")));
    EXPECT_FALSE(inFrontOf(w("cMem"), w("cMem")));
    // A strict order over the siblings of each container.
    for (const auto& a : r.form.window.controls()) {
        for (const auto& b : r.form.window.controls()) {
            if (a == b || a->container() != b->container()) continue;
            EXPECT_NE(inFrontOf(a->row(), b->row()), inFrontOf(b->row(), a->row())) << a->name() << " and " << b->name();
        }
    }
}

}  // namespace
}  // namespace corvane
