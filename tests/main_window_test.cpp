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
    TestForm& f = r.form;
    EXPECT_EQ(r.program.ends, 0);
    EXPECT_EQ(f.window.caption(), L"3dfx Corvane");
    EXPECT_TRUE(f.TabStrip1.tabSelected(1));
    EXPECT_TRUE(f.Frame2.visible());
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_FALSE(f.Frame3.visible());
    EXPECT_FALSE(f.Command1.enabled());
    EXPECT_FALSE(f.Label1.visible());
    EXPECT_FALSE(f.Text1.visible());
    EXPECT_FALSE(f.cColor.enabled());
    EXPECT_EQ(f.cColor.value(), 0);
    EXPECT_EQ(f.Check1.value(), 1);
    for (CheckBox* box : {&f.cMem, &f.cPci, &f.cBuff, &f.cRefresh}) EXPECT_EQ(box->value(), 0) << box->name();
    for (const char* l : {"l1", "l2", "l3", "l4", "l7", "l8"}) EXPECT_EQ(f.window.get<Label>(l).caption(), L"Not Available") << l;
    EXPECT_EQ(f.Dir1.path(), L"C:\\");
    EXPECT_EQ(f.Dir1.toolTip(), L"C:\\");
    EXPECT_EQ(f.Label3.caption(), L"C:\\");
    EXPECT_EQ(f.File1.items(), std::vector<std::wstring>{L"GAME.EXE"});
    EXPECT_EQ(f.File1.toolTip(), L"Select desired program.");
    EXPECT_EQ(f.RefreshHz, 0);
    EXPECT_EQ(f.ProgramName, L"");
    EXPECT_EQ(f.lblRefresh.caption(), L"Refresh: 60Hz");
    EXPECT_TRUE(r.messages.shown.empty());
}

TEST(MainWindow, SecondInstanceEndsBeforeTouchingAnything) {
    Rig r;
    r.instance.running = true;
    r.start();
    EXPECT_EQ(r.program.ends, 1);
    EXPECT_EQ(r.form.Dir1.path(), L"");
    EXPECT_EQ(r.form.Check1.value(), 0);
    EXPECT_TRUE(r.versions.asked.empty());
    EXPECT_EQ(r.disk.listings, 0);
}

TEST(MainWindow, EachTabShowsExactlyItsOwnPageAndKeepsValues) {
    Rig r;
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    TestForm& f = r.form;
    input::pickFile(f.File1, 0);
    // A tab clicked, or (0) the page switched by Ctrl+Tab (1) or Ctrl+Shift+Tab (-1), round.
    const struct {
        int tab;
        bool frame1, frame2, frame3;
        int step = 0;
    } steps[] = {{2, true, false, false}, {3, false, false, true}, {1, false, true, false}, {1, false, true, false},
                 {0, false, false, true, -1}, {0, false, true, false, 1}, {0, true, false, false, 1}};
    for (const auto& s : steps) {
        ASSERT_TRUE(s.step == 0 ? input::clickTab(f.TabStrip1, s.tab) : input::switchPage(f.TabStrip1, s.step));
        EXPECT_EQ(f.Frame1.visible(), s.frame1) << s.tab;
        EXPECT_EQ(f.Frame2.visible(), s.frame2) << s.tab;
        EXPECT_EQ(f.Frame3.visible(), s.frame3) << s.tab;
        if (s.tab == 2) input::moveSlider(f.sClock, 104);
    }
    EXPECT_EQ(r.form.window.focus(), &f.TabStrip1);
    EXPECT_EQ(f.Text1.text(), L"GAME");
    EXPECT_TRUE(f.Command1.enabled());
    EXPECT_EQ(f.sClock.value(), 104);
    EXPECT_EQ(f.lblClock.caption(), L"Clock Speed: 104Mhz");
}

TEST(MainWindow, ExitEndsAtOnceWithoutAQuestion) {
    Rig r;
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    input::pickFile(r.form.File1, 0);
    input::type(r.form.Text1, L"unsaved");
    ASSERT_TRUE(input::press(r.form.Command2));
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
    using win32::inFrontOf;
    Rig r;
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
