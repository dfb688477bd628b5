// The "Select Program" page: picks, the proposed name and the two arrangements.
#include <gtest/gtest.h>

#include "support/rig.h"

namespace corvane {
namespace {

using test::Rig;

struct Picker : ::testing::Test {
    Rig r;
    TestForm& f = r.form;

    // Opens a folder by its entry in the directory list, as a user does.
    void open(const std::wstring& path) {
        const auto& entries = f.Dir1.entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].path == path) {
                ASSERT_TRUE(input::openDirEntry(f.Dir1, static_cast<int>(i)));
                return;
            }
        }
        FAIL() << "no entry for the folder";
    }
    void pick(const std::wstring& name) {
        for (int i = 0; i < f.File1.listCount(); ++i) {
            if (f.File1.list(i) == name) {
                ASSERT_TRUE(input::pickFile(f.File1, i));
                return;
            }
        }
        FAIL() << "no such file in the list";
    }
    void expectBrowsing() {
        EXPECT_EQ(f.File1.height(), 2820);
        EXPECT_EQ(f.Dir1.height(), 2790);
        EXPECT_FALSE(f.Text1.visible());
        EXPECT_FALSE(f.Label1.visible());
        EXPECT_EQ(f.Text1.text(), L"");
        EXPECT_FALSE(f.Command1.enabled());
    }
};

TEST_F(Picker, PicksGiveThePathNameAndProposal) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.disk.addFile(L"C:\\GAMES\\QUAKE\\glquake.exe");
    r.disk.addFile(L"C:\\GAMES\\my.game.exe");
    r.start();
    const struct {
        const wchar_t* folder;
        const wchar_t* entry;
        const wchar_t* full;
        const wchar_t* name;
    } cases[] = {
        {L"C:\\", L"GAME.EXE", L"C:\\GAME.EXE", L"GAME"},
        {L"C:\\GAMES\\QUAKE", L"glquake.exe", L"C:\\GAMES\\QUAKE\\glquake.exe", L"glquake"},
        {L"C:\\GAMES", L"my.game.exe", L"C:\\GAMES\\my.game.exe", L"my.game"},
    };
    for (const auto& c : cases) {
        if (f.Dir1.path() != c.folder) {
            if (std::wstring(c.folder) == L"C:\\GAMES\\QUAKE") open(L"C:\\GAMES");
            open(c.folder);
        }
        pick(c.entry);
        EXPECT_EQ(f.Label3.caption(), c.full);
        EXPECT_EQ(f.File1.toolTip(), c.full);
        EXPECT_EQ(f.ProgramName, c.name);
        EXPECT_EQ(f.Text1.text(), c.name);
        EXPECT_TRUE(f.Command1.enabled());
        EXPECT_EQ(f.window.focus(), &f.Text1);
        EXPECT_EQ(f.Text1.selStart(), 0);
        EXPECT_EQ(f.Text1.selText(), c.name);
        EXPECT_EQ(f.File1.height(), 1455);
        EXPECT_EQ(f.Dir1.height(), 1455);
        EXPECT_TRUE(f.Label1.visible());
        EXPECT_TRUE(f.Text1.visible());
    }
}

TEST_F(Picker, EmptyingTheNameDisablesMakeAndAnyCharacterEnablesIt) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    pick(L"GAME.EXE");
    input::type(f.Text1, L"");
    EXPECT_FALSE(f.Command1.enabled());
    input::type(f.Text1, L" ");
    EXPECT_TRUE(f.Command1.enabled());
}

TEST_F(Picker, FolderChangeReturnsToBrowsingButKeepsTheLastPick) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.disk.addFolder(L"C:\\Other");
    r.start();
    pick(L"GAME.EXE");
    input::type(f.Text1, L"mine");
    open(L"C:\\Other");
    expectBrowsing();
    EXPECT_EQ(f.File1.toolTip(), L"C:\\GAME.EXE");
    EXPECT_EQ(f.ProgramName, L"GAME");
    EXPECT_EQ(f.Label3.caption(), L"C:\\Other");
    EXPECT_EQ(f.Dir1.toolTip(), L"C:\\Other");
    EXPECT_EQ(f.File1.listCount(), 0);
}

TEST_F(Picker, PickingAgainReplacesWhatWasTyped) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    pick(L"GAME.EXE");
    input::type(f.Text1, L"typed");
    pick(L"GAME.EXE");
    EXPECT_EQ(f.Text1.text(), L"GAME");
    EXPECT_EQ(f.Text1.selText(), L"GAME");
}

TEST_F(Picker, TextIsEmptiedAndMakeDisabledBeforeTheBoxIsHidden) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.disk.addFolder(L"C:\\Other");
    r.start();
    pick(L"GAME.EXE");
    std::vector<std::string> order;
    f.Text1.onChange = [&] {
        f.picker.Text1_Change();
        order.push_back(std::string("change: make ") + (f.Command1.enabled() ? "on" : "off") +
                        ", box " + (f.Text1.visible() ? "shown" : "hidden"));
    };
    f.File1.onPathChange = [&] {
        order.push_back("path change starts");
        f.picker.File1_PathChange();
        order.push_back("path change ends");
    };
    open(L"C:\\Other");
    EXPECT_EQ(order, (std::vector<std::string>{"path change starts", "change: make off, box shown", "path change ends"}));
}

TEST_F(Picker, GotFocusSelectsTheWholeNameWhenTheUserTabsIn) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    pick(L"GAME.EXE");
    input::focus(f.File1);
    f.Text1.setSelStart(2);
    input::focus(f.Text1);
    EXPECT_EQ(f.Text1.selStart(), 0);
    EXPECT_EQ(f.Text1.selLength(), 4);
}

TEST_F(Picker, AnEntryNamedOnlyDotExeLeavesAnEmptyName) {
    r.disk.addFile(L"C:\\.exe");
    r.start();
    pick(L".exe");
    EXPECT_EQ(f.ProgramName, L"");
    EXPECT_EQ(f.Text1.text(), L"");
    EXPECT_TRUE(f.Text1.visible());
    // Make stays pressable and refuses the empty name with its own message.
    ASSERT_TRUE(input::press(f.Command1));
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].prompt, L"Don't forget a name!");
    EXPECT_EQ(r.messages.shown[0].title, L"Oops!");
    EXPECT_EQ(r.messages.shown[0].buttons, 48);
    EXPECT_EQ(f.window.focus(), &f.Text1);
}

TEST_F(Picker, UnreadableFolderLeavesBrowsingWithAnEmptyList) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.disk.addFile(L"C:\\Denied\\x.exe");
    r.disk.unreadable.insert(L"C:\\Denied");
    r.start();
    pick(L"GAME.EXE");
    open(L"C:\\Denied");
    expectBrowsing();
    EXPECT_EQ(f.File1.listCount(), 0);
    EXPECT_EQ(f.Dir1.path(), L"C:\\Denied");
    EXPECT_EQ(r.program.ends, 0);
}

TEST_F(Picker, HiddenAndSystemProgramsAreNotListed) {
    r.disk.addFile(L"C:\\seen.exe");
    r.disk.addFile(L"C:\\hidden.exe", "", true);
    r.disk.addFile(L"C:\\system.exe", "", false, true);
    r.disk.addFile(L"C:\\notes.txt");
    r.start();
    EXPECT_EQ(f.File1.items(), std::vector<std::wstring>{L"seen.exe"});
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// Picking from outside the window: what a drop, or a path on the command
// line, leaves on the page, and the messages for what can't be picked.
struct DropRig {
    test::Rig r;
    TestForm& f = r.form;

    DropRig() {
        r.disk.addFile(L"C:\\Games\\Hover\\Hover Tank.exe");
        r.disk.addFile(L"D:\\Games\\Hover\\Hover Tank.exe");
        r.disk.addFile(L"D:\\Games\\Hover\\readme.txt");
        r.disk.addFile(L"D:\\Games\\Hover\\setup.exe");
        r.disk.addFile(L"D:\\Games\\\x0152uvre.exe");
        r.start();
        input::clickTab(f.TabStrip1, 2);
    }
    bool drop(std::vector<std::wstring> paths) { return input::dropFiles(f.window, paths); }
    void expectUnchanged() {
        EXPECT_EQ(f.Dir1.path(), L"C:\\");
        EXPECT_TRUE(f.Frame1.visible());
        EXPECT_FALSE(f.Text1.visible());
        EXPECT_EQ(f.ProgramName, L"");
    }
};

struct Drop : ::testing::Test, DropRig {};

TEST_F(Drop, ProgramOnAnotherDriveIsPickedAsBrowsingAndAClickDo) {
    // Where the page is when the folder handlers run and when the pick runs.
    std::vector<std::wstring> seen;
    f.File1.onPathChange = [&] {
        seen.push_back(L"path " + f.File1.path());
        f.picker.File1_PathChange();
    };
    f.File1.onClick = [&] {
        seen.push_back(L"click on page " + std::to_wstring(f.TabStrip1.selectedTab()));
        f.picker.File1_Click();
    };
    ASSERT_TRUE(drop({L"D:\\Games\\Hover\\Hover Tank.exe"}));
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"path D:\\Games\\Hover", L"click on page 1"}));
    EXPECT_EQ(f.Dir1.path(), L"D:\\Games\\Hover");
    EXPECT_EQ(f.Dir1.entries().front().name, L"D:\\");
    EXPECT_TRUE(f.Frame2.visible());
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_EQ(f.File1.list(f.File1.listIndex()), L"Hover Tank.exe");
    EXPECT_EQ(f.Label3.caption(), L"D:\\Games\\Hover\\Hover Tank.exe");
    EXPECT_EQ(f.Text1.text(), L"Hover Tank");
    EXPECT_EQ(f.window.focus(), &f.Text1);
    EXPECT_TRUE(f.Command1.enabled());
    EXPECT_TRUE(r.messages.shown.empty());
    input::press(f.Command1);
    EXPECT_TRUE(r.disk.exists(L"D:\\Games\\Hover\\Hover Tank.bat"));
}

TEST_F(Drop, WhatIsPickedFromADrop) {
    struct Case {
        std::vector<std::wstring> paths;
        const wchar_t* folder;   // Dir1 afterwards
        const wchar_t* program;  // ProgramName afterwards
    };
    const Case cases[] = {
        {{L"D:\\Games\\Hover"}, L"D:\\Games\\Hover", L""},
        {{L"D:\\Games\\Hover\\"}, L"D:\\Games\\Hover", L""},
        {{L"D:\\"}, L"D:\\", L""},
        {{L"D:/Games/Hover/setup.exe"}, L"D:\\Games\\Hover", L"setup"},
        // The folder as named, the program as its folder lists it.
        {{L"d:\\games\\hover\\SETUP.EXE"}, L"d:\\games\\hover", L"setup"},
        // The first program wins over folders and other files, wherever it stands.
        {{L"D:\\Games\\Hover\\readme.txt", L"D:\\Games", L"D:\\Games\\Hover\\setup.exe", L"C:\\Games\\Hover\\Hover Tank.exe"},
         L"D:\\Games\\Hover", L"setup"},
        {{L"D:\\Games\\Hover\\readme.txt", L"D:\\Games", L"C:\\Games"}, L"D:\\Games", L""},
    };
    for (const Case& c : cases) {
        DropRig d;
        ASSERT_TRUE(d.drop(c.paths));
        EXPECT_EQ(d.f.Dir1.path(), c.folder) << c.paths[0];
        EXPECT_EQ(d.f.ProgramName, c.program) << c.paths[0];
        EXPECT_EQ(d.f.Text1.visible(), *c.program != 0) << c.paths[0];
        EXPECT_EQ(d.f.TabStrip1.selectedTab(), 1);
        EXPECT_TRUE(d.r.messages.shown.empty());
    }
}

TEST_F(Drop, WhatCannotBePickedIsSaidAndChangesNothing) {
    struct Case {
        std::vector<std::wstring> paths;
        const wchar_t* says;
    };
    const Case cases[] = {
        {{L"D:\\Games\\Hover\\readme.txt"}, L"\nD:\\Games\\Hover\\readme.txt"},
        {{L"E:\\Gone\\Hover Tank.exe"}, L"\nE:\\Gone\\Hover Tank.exe (not found)"},
        {{L"D:\\Games\\Hover\\readme.txt", L"D:\\Games\\Hover\\gone.exe"}, L"readme.txt\nD:\\Games\\Hover\\gone.exe (not found)"},
        {{L"D:\\Games\\\x0152uvre.exe"}, L"(code page 437) cannot hold"},
    };
    for (const Case& c : cases) {
        DropRig d;
        d.drop(c.paths);
        d.expectUnchanged();
        ASSERT_EQ(d.r.messages.shown.size(), 1u);
        EXPECT_EQ(d.r.messages.shown[0].title, L"3dfx Corvane");
        EXPECT_EQ(d.r.messages.shown[0].buttons, 48);
        EXPECT_NE(d.r.messages.shown[0].prompt.find(c.says), std::wstring::npos) << d.r.messages.shown[0].prompt;
    }
}

TEST_F(Drop, ManyFilesOfOneFolderReadItOnce) {
    std::vector<std::wstring> paths(500, L"D:\\Games\\Hover\\readme.txt");
    paths.push_back(L"D:\\Games\\Hover\\setup.exe");
    const int before = r.disk.listings;
    ASSERT_TRUE(drop(paths));
    EXPECT_EQ(r.disk.listings - before, 1);
    EXPECT_EQ(f.ProgramName, L"setup");
}

TEST_F(Drop, ProgramNewInTheOpenFolderIsFoundAndTheHelpWindowRefusesDrops) {
    ASSERT_TRUE(drop({L"D:\\Games\\Hover"}));
    r.disk.addFile(L"D:\\Games\\Hover\\new.exe");
    ASSERT_TRUE(drop({L"D:\\Games\\Hover\\new.exe"}));
    EXPECT_EQ(f.ProgramName, L"new");

    bool refused = false;
    r.windows.whileShown = [&](Window&, Window& owner) {
        refused = !input::dropFiles(owner, {L"D:\\Games\\Hover\\setup.exe"});
    };
    input::press(f.Command3);
    EXPECT_TRUE(refused);
    EXPECT_EQ(f.ProgramName, L"new");
}

TEST(CommandLine, SecondStartHandsItsPathsToTheRunningCopy) {
    for (const bool withPath : {true, false}) {
        test::Rig r;
        r.instance.running = true;
        if (withPath) r.form.CommandPaths = {L"D:\\Games\\Hover\\Hover Tank.exe"};
        r.start();
        EXPECT_EQ(r.program.ends, 1);
        ASSERT_EQ(r.instance.handedOver.size(), withPath ? 1u : 0u);
        if (withPath) {
            EXPECT_EQ(r.instance.handedOver[0].first, L"3dfx Corvane");
            EXPECT_EQ(r.instance.handedOver[0].second, r.form.CommandPaths);
        }
    }
}

}  // namespace
}  // namespace corvane
