// The "Select Program" page: picks, the proposed name and the two arrangements.
#include <gtest/gtest.h>

#include "support/rig.h"

namespace corvane {
namespace {

using test::Rig;

struct Picker : ::testing::Test {
    Rig r;
    MainWindow& f = r.form;

    // Opens a folder by its entry in the directory list, as a user does.
    void open(const std::wstring& path) {
        const auto& entries = f.controls.folders.entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].path == path) {
                ASSERT_TRUE(input::openDirEntry(f.controls.folders, static_cast<int>(i)));
                return;
            }
        }
        FAIL() << "no entry for the folder";
    }
    void pick(const std::wstring& name) {
        for (int i = 0; i < f.controls.programs.listCount(); ++i) {
            if (f.controls.programs.list(i) == name) {
                ASSERT_TRUE(input::pickFile(f.controls.programs, i));
                return;
            }
        }
        FAIL() << "no such file in the list";
    }
    void expectBrowsing() {
        EXPECT_EQ(f.controls.programs.height(), 2820);
        EXPECT_EQ(f.controls.folders.height(), 2790);
        EXPECT_FALSE(f.controls.batchName.visible());
        EXPECT_FALSE(f.controls.batchNameCaption.visible());
        EXPECT_EQ(f.controls.batchName.text(), L"");
        EXPECT_FALSE(f.controls.makeButton.enabled());
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
        if (f.controls.folders.path() != c.folder) {
            if (std::wstring(c.folder) == L"C:\\GAMES\\QUAKE") open(L"C:\\GAMES");
            open(c.folder);
        }
        pick(c.entry);
        EXPECT_EQ(f.controls.programPath.caption(), c.full);
        EXPECT_EQ(f.controls.programs.toolTip(), c.full);
        EXPECT_EQ(f.programName, c.name);
        EXPECT_EQ(f.controls.batchName.text(), c.name);
        EXPECT_TRUE(f.controls.makeButton.enabled());
        EXPECT_EQ(f.window.focus(), &f.controls.batchName);
        EXPECT_EQ(f.controls.batchName.selStart(), 0);
        EXPECT_EQ(f.controls.batchName.selText(), c.name);
        EXPECT_EQ(f.controls.programs.height(), 1455);
        EXPECT_EQ(f.controls.folders.height(), 1455);
        EXPECT_TRUE(f.controls.batchNameCaption.visible());
        EXPECT_TRUE(f.controls.batchName.visible());
    }
}

TEST_F(Picker, EmptyingTheNameDisablesMakeAndAnyCharacterEnablesIt) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    pick(L"GAME.EXE");
    input::type(f.controls.batchName, L"");
    EXPECT_FALSE(f.controls.makeButton.enabled());
    input::type(f.controls.batchName, L" ");
    EXPECT_TRUE(f.controls.makeButton.enabled());
}

TEST_F(Picker, FolderChangeReturnsToBrowsingButKeepsTheLastPick) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.disk.addFolder(L"C:\\Other");
    r.start();
    pick(L"GAME.EXE");
    input::type(f.controls.batchName, L"mine");
    open(L"C:\\Other");
    expectBrowsing();
    EXPECT_EQ(f.controls.programs.toolTip(), L"C:\\GAME.EXE");
    EXPECT_EQ(f.programName, L"GAME");
    EXPECT_EQ(f.controls.programPath.caption(), L"C:\\Other");
    EXPECT_EQ(f.controls.folders.toolTip(), L"C:\\Other");
    EXPECT_EQ(f.controls.programs.listCount(), 0);
}

TEST_F(Picker, PickingAgainReplacesWhatWasTyped) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    pick(L"GAME.EXE");
    input::type(f.controls.batchName, L"typed");
    pick(L"GAME.EXE");
    EXPECT_EQ(f.controls.batchName.text(), L"GAME");
    EXPECT_EQ(f.controls.batchName.selText(), L"GAME");
}

TEST_F(Picker, TextIsEmptiedAndMakeDisabledBeforeTheBoxIsHidden) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.disk.addFolder(L"C:\\Other");
    r.start();
    pick(L"GAME.EXE");
    std::vector<std::string> order;
    f.controls.batchName.onChange = [&] {
        f.picker.batchNameChanged();
        order.push_back(std::string("change: make ") + (f.controls.makeButton.enabled() ? "on" : "off") +
                        ", box " + (f.controls.batchName.visible() ? "shown" : "hidden"));
    };
    f.controls.programs.onPathChange = [&] {
        order.push_back("path change starts");
        f.picker.programsFolderChanged();
        order.push_back("path change ends");
    };
    open(L"C:\\Other");
    EXPECT_EQ(order, (std::vector<std::string>{"path change starts", "change: make off, box shown", "path change ends"}));
}

TEST_F(Picker, GotFocusSelectsTheWholeNameWhenTheUserTabsIn) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.start();
    pick(L"GAME.EXE");
    input::focus(f.controls.programs);
    f.controls.batchName.setSelStart(2);
    input::focus(f.controls.batchName);
    EXPECT_EQ(f.controls.batchName.selStart(), 0);
    EXPECT_EQ(f.controls.batchName.selLength(), 4);
}

TEST_F(Picker, AnEntryNamedOnlyDotExeLeavesAnEmptyName) {
    r.disk.addFile(L"C:\\.exe");
    r.start();
    pick(L".exe");
    EXPECT_EQ(f.programName, L"");
    EXPECT_EQ(f.controls.batchName.text(), L"");
    EXPECT_TRUE(f.controls.batchName.visible());
    // Make stays pressable and refuses the empty name with its own message.
    ASSERT_TRUE(input::press(f.controls.makeButton));
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].prompt, L"Don't forget a name!");
    EXPECT_EQ(r.messages.shown[0].title, L"Oops!");
    EXPECT_EQ(r.messages.shown[0].buttons, 48);
    EXPECT_EQ(f.window.focus(), &f.controls.batchName);
}

// A folder that can't be read, or a drive without its disk, which Corvane
// says in words of its own; the list still leads to every drive.
TEST_F(Picker, UnreadableFolderLeavesBrowsingWithAnEmptyList) {
    r.disk.addFile(L"C:\\GAME.EXE");
    r.disk.addFile(L"C:\\Denied\\x.exe");
    r.disk.unreadable.insert(L"C:\\Denied");
    r.disk.addFolder(L"A:\\");
    r.disk.unreadable.insert(L"A:\\");
    r.start();
    for (const wchar_t* folder : {L"C:\\Denied", L"A:\\"}) {
        pick(L"GAME.EXE");
        open(folder);
        expectBrowsing();
        EXPECT_EQ(f.controls.programs.listCount(), 0);
        EXPECT_EQ(f.controls.folders.path(), folder);
        EXPECT_EQ(f.controls.folders.entries().back().name, L"[-c-]");
        EXPECT_EQ(r.program.ends, 0);
        open(L"C:\\");
    }
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].prompt, L"Drive A: can't be read. It may have no disk in it: put one in, or choose another drive.");
    EXPECT_EQ(r.messages.shown[0].buttons, 48);
}

TEST_F(Picker, HiddenAndSystemProgramsAreNotListed) {
    r.disk.addFile(L"C:\\seen.exe");
    r.disk.addFile(L"C:\\hidden.exe", "", true);
    r.disk.addFile(L"C:\\system.exe", "", false, true);
    r.disk.addFile(L"C:\\notes.txt");
    r.start();
    EXPECT_EQ(f.controls.programs.items(), std::vector<std::wstring>{L"seen.exe"});
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// Picking from outside the window: what a drop, or a path on the command
// line, leaves on the page, and the messages for what can't be picked.
struct DropRig {
    test::Rig r;
    MainWindow& f = r.form;

    DropRig() {
        r.disk.addFile(L"C:\\Games\\Hover\\Hover Tank.exe");
        r.disk.addFile(L"D:\\Games\\Hover\\Hover Tank.exe");
        r.disk.addFile(L"D:\\Games\\Hover\\readme.txt");
        r.disk.addFile(L"D:\\Games\\Hover\\setup.exe");
        r.disk.addFile(L"D:\\Games\\\x0152uvre.exe");
        r.disk.setShortName(L"D:\\Games", L"GAMES~1");
        r.shell.links = {{L"D:\\Desktop\\Hover.lnk", L"D:\\GAMES\\HOVER\\HOVERT~1.EXE"},
                         {L"D:\\Desktop\\Games.LNK", L"D:\\Games"}};
        r.start();
        input::clickTab(f.controls.tabs, 2);
    }
    bool drop(std::vector<std::wstring> paths) { return input::dropFiles(f.window, paths); }
    void expectUnchanged() {
        EXPECT_EQ(f.controls.folders.path(), L"C:\\");
        EXPECT_TRUE(f.controls.settingsPage.visible());
        EXPECT_FALSE(f.controls.batchName.visible());
        EXPECT_EQ(f.programName, L"");
    }
};

struct Drop : ::testing::Test, DropRig {};

TEST_F(Drop, ProgramOnAnotherDriveIsPickedAsBrowsingAndAClickDo) {
    // Where the page is when the folder handlers run and when the pick runs.
    std::vector<std::wstring> seen;
    f.controls.programs.onPathChange = [&] {
        seen.push_back(L"path " + f.controls.programs.path());
        f.picker.programsFolderChanged();
    };
    f.controls.programs.onClick = [&] {
        seen.push_back(L"click on page " + std::to_wstring(f.controls.tabs.selectedTab()));
        f.picker.programPicked();
    };
    ASSERT_TRUE(drop({L"D:\\Games\\Hover\\Hover Tank.exe"}));
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"path D:\\Games\\Hover", L"click on page 1"}));
    EXPECT_EQ(f.controls.folders.path(), L"D:\\Games\\Hover");
    EXPECT_EQ(f.controls.folders.entries().front().name, L"D:\\");
    EXPECT_TRUE(f.controls.programPage.visible());
    EXPECT_FALSE(f.controls.settingsPage.visible());
    EXPECT_EQ(f.controls.programs.list(f.controls.programs.listIndex()), L"Hover Tank.exe");
    EXPECT_EQ(f.controls.programPath.caption(), L"D:\\Games\\Hover\\Hover Tank.exe");
    EXPECT_EQ(f.controls.batchName.text(), L"Hover Tank");
    EXPECT_EQ(f.window.focus(), &f.controls.batchName);
    EXPECT_TRUE(f.controls.makeButton.enabled());
    EXPECT_TRUE(r.messages.shown.empty());
    input::press(f.controls.makeButton);
    EXPECT_TRUE(r.disk.exists(L"D:\\Games\\Hover\\Hover Tank.bat"));
}

TEST_F(Drop, WhatIsPickedFromADrop) {
    struct Case {
        std::vector<std::wstring> paths;
        const wchar_t* folder;   // Dir1 afterwards
        const wchar_t* program;  // programName afterwards
    };
    const Case cases[] = {
        {{L"D:\\Games\\Hover"}, L"D:\\Games\\Hover", L""},
        {{L"D:\\Games\\Hover\\"}, L"D:\\Games\\Hover", L""},
        {{L"D:\\"}, L"D:\\", L""},
        {{L"D:/Games/Hover/setup.exe"}, L"D:\\Games\\Hover", L"setup"},
        // The folder and the program as the disk names them, in any form the system takes.
        {{L"d:\\games\\hover\\SETUP.EXE"}, L"D:\\Games\\Hover", L"setup"},
        {{L"D:\\GAMES\\HOVER\\HOVERT~1.EXE"}, L"D:\\Games\\Hover", L"Hover Tank"},
        {{L"D:\\GAMES~1\\HOVER\\setup.exe"}, L"D:\\Games\\Hover", L"setup"},
        // A shortcut picks what it points at, a program or a folder.
        {{L"D:\\Desktop\\Hover.lnk"}, L"D:\\Games\\Hover", L"Hover Tank"},
        {{L"D:\\Desktop\\Games.LNK"}, L"D:\\Games", L""},
        // The first program wins over folders and other files, wherever it stands.
        {{L"D:\\Games\\Hover\\readme.txt", L"D:\\Games", L"D:\\Games\\Hover\\setup.exe", L"C:\\Games\\Hover\\Hover Tank.exe"},
         L"D:\\Games\\Hover", L"setup"},
        {{L"D:\\Games\\Hover\\readme.txt", L"D:\\Games", L"C:\\Games"}, L"D:\\Games", L""},
        // A name outside the OEM code page is picked: only the file's start line must be in it.
        {{L"D:\\Games\\\x0152uvre.exe"}, L"D:\\Games", L"\x0152uvre"},
    };
    for (const Case& c : cases) {
        DropRig d;
        ASSERT_TRUE(d.drop(c.paths));
        EXPECT_EQ(d.f.controls.folders.path(), c.folder) << c.paths[0];
        EXPECT_EQ(d.f.programName, c.program) << c.paths[0];
        EXPECT_EQ(d.f.controls.batchName.visible(), *c.program != 0) << c.paths[0];
        EXPECT_EQ(d.f.controls.tabs.selectedTab(), 1);
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
        {{L"D:\\Desktop\\Broken.lnk"}, L"\nD:\\Desktop\\Broken.lnk (a shortcut that can't be read)"},
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
    EXPECT_EQ(f.programName, L"setup");
}

TEST_F(Drop, ProgramNewInTheOpenFolderIsFoundAndTheHelpWindowRefusesDrops) {
    ASSERT_TRUE(drop({L"D:\\Games\\Hover"}));
    r.disk.addFile(L"D:\\Games\\Hover\\new.exe");
    ASSERT_TRUE(drop({L"D:\\Games\\Hover\\new.exe"}));
    EXPECT_EQ(f.programName, L"new");

    bool refused = false;
    r.windows.whileShown = [&](Window&, Window& owner) {
        refused = !input::dropFiles(owner, {L"D:\\Games\\Hover\\setup.exe"});
    };
    input::press(f.controls.aboutButton);
    EXPECT_TRUE(refused);
    EXPECT_EQ(f.programName, L"new");
}

TEST(CommandLine, SecondStartHandsItsPathsToTheRunningCopy) {
    for (const bool withPath : {true, false}) {
        test::Rig r;
        r.instance.running = true;
        if (withPath) r.form.commandPaths = {L"D:\\Games\\Hover\\Hover Tank.exe"};
        r.start();
        EXPECT_EQ(r.program.ends, 1);
        ASSERT_EQ(r.instance.handedOver.size(), withPath ? 1u : 0u);
        if (withPath) {
            EXPECT_EQ(r.instance.handedOver[0].first, L"3dfx Corvane");
            EXPECT_EQ(r.instance.handedOver[0].second, r.form.commandPaths);
        }
    }
}

}  // namespace
}  // namespace corvane
