// The "Select Program" page: picks, the proposed name and the two arrangements.
#include <gtest/gtest.h>

#include "support/rig.h"

namespace corvane {
namespace {

using test::Rig;

struct Picker : ::testing::Test {
    Rig r;
    Form1& f = r.form;

    // Opens a folder by its entry in the directory list, as a user does.
    void open(const std::wstring& path) {
        const auto& entries = f.Dir1.dirEntries();
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
