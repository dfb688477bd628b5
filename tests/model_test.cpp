// The window model: notifications inside assignments, list contents, and
// user actions refused where a user could not make them.
#include <gtest/gtest.h>

#include "support/code_pages.h"
#include "platform/input.h"
#include "platform/names.h"
#include "support/fatal_catcher.h"
#include "support/memory_disk.h"

namespace corvane {
namespace {

using test::MemoryDisk;

constexpr ControlRow kFrame = {.name = "Frame", .kind = Kind::Frame, .tab = 0};
constexpr ControlRow kBox = {.name = "Box", .kind = Kind::TextBox, .container = &kFrame, .tab = 1};
constexpr ControlRow kDir = {.name = "Dir", .kind = Kind::DirListBox, .container = &kFrame, .tab = 2};
constexpr ControlRow kFiles = {.name = "Files", .kind = Kind::FileListBox, .container = &kFrame, .tab = 3,
    .pattern = L"*.exe;*.com"};
constexpr ControlRow kAll = {.name = "All", .kind = Kind::FileListBox, .tab = 4, .listsHiddenAndSystem = true};
constexpr ControlRow kSlide = {.name = "Slide", .kind = Kind::Slider, .tab = 5};
constexpr ControlRow kButton = {.name = "Button", .kind = Kind::CommandButton, .tab = 6, .disabled = true};
constexpr ControlRow kCheck = {.name = "Check", .kind = Kind::CheckBox, .tab = 7};
constexpr ControlRow kLabel = {.name = "Label", .kind = Kind::Label};
constexpr const ControlRow* kRows[] = {&kFrame, &kBox, &kDir, &kFiles, &kAll, &kSlide, &kButton, &kCheck, &kLabel};
constexpr SliderRow kSlider[] = {{&kSlide, 10, 20, 1, 5, 1, 10}};
const WindowDesc kDesc{.name = "Test", .caption = L"Test", .clientWidth = 100, .clientHeight = 100,
                       .controls = kRows, .sliders = kSlider};

class Recorder final : public ViewSink {
public:
    std::vector<std::string> log;
    void changed(Control& c, Prop p) override { log.push_back(c.name() + ":" + std::to_string(static_cast<int>(p))); }
    void captionChanged(Window&) override { log.push_back("caption"); }
};

struct ModelTest : ::testing::Test {
    MemoryDisk disk;
    Window w{kDesc, disk};
};

TEST_F(ModelTest, HandlersRunInsideTheAssignmentAndOnlyOnRealChange) {
    TextBox& box = w.get<TextBox>("Box");
    std::vector<std::wstring> seen;
    box.onChange = [&] { seen.push_back(box.text()); };
    box.setText(L"a");
    box.setText(L"a");
    box.setText(L"");
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"a", L""}));

    Slider& slide = w.get<Slider>("Slide");
    int moves = 0;
    slide.onChange = [&] { ++moves; };
    slide.setValue(10);  // the starting position: no change
    slide.setValue(99);  // held to the maximum
    EXPECT_EQ(slide.value(), 20);
    EXPECT_EQ(moves, 1);
}

TEST_F(ModelTest, ViewHearsOfAChangeBeforeItsHandlerRuns) {
    Recorder view;
    w.attach(&view);
    TextBox& box = w.get<TextBox>("Box");
    box.onChange = [&] { view.log.push_back("handler"); };
    box.setText(L"x");
    ASSERT_EQ(view.log.size(), 2u);
    EXPECT_EQ(view.log[0], "Box:" + std::to_string(static_cast<int>(Prop::Text)));
    EXPECT_EQ(view.log[1], "handler");
}

TEST_F(ModelTest, FocusRunsGotFocusOnceAndNeverOnHiddenControls) {
    TextBox& box = w.get<TextBox>("Box");
    int got = 0;
    box.onGotFocus = [&] { ++got; };
    box.setFocus();
    box.setFocus();
    EXPECT_EQ(got, 1);
    w["Check"].setFocus();
    w["Frame"].setVisible(false);
    box.setFocus();  // inside a hidden frame: refused
    EXPECT_EQ(got, 1);
    EXPECT_EQ(w.focus(), &w["Check"]);
}

TEST_F(ModelTest, SelectionIsHeldInsideTheText) {
    TextBox& box = w.get<TextBox>("Box");
    box.setText(L"Hover Tank");
    box.setSelStart(6);
    box.setSelLength(100);
    EXPECT_EQ(box.selText(), L"Tank");
    box.setSelStart(50);
    EXPECT_EQ(box.selStart(), 10);
    EXPECT_EQ(box.selText(), L"");
    box.setText(L"x");  // a new text drops the selection
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 0);
}

TEST_F(ModelTest, DirectoryListShowsTheWayDownAndSortedSubfolders) {
    disk.addFolder(L"C:\\Games\\Quake\\id1");
    disk.addFolder(L"C:\\Games\\Quake\\base");
    disk.addFolder(L"C:\\Games\\Quake\\Addons");
    disk.addFile(L"C:\\Games\\Quake\\quake.exe");
    disk.addFolder(L"D:\\");
    DirList& dir = w.get<DirList>("Dir");
    std::vector<std::wstring> paths;
    dir.onChange = [&] { paths.push_back(dir.path()); };
    dir.setPath(L"C:\\Games\\Quake");
    const auto& e = dir.entries();
    ASSERT_EQ(e.size(), 8u);
    EXPECT_EQ(e[0].name, L"C:\\");
    EXPECT_EQ(e[1].name, L"Games");
    EXPECT_EQ(e[1].path, L"C:\\Games");
    EXPECT_EQ(e[2].name, L"Quake");
    EXPECT_TRUE(e[2].open);
    EXPECT_EQ(e[2].level, 2);
    EXPECT_EQ(e[3].name, L"Addons");
    EXPECT_EQ(e[4].name, L"base");
    EXPECT_EQ(e[5].name, L"id1");
    EXPECT_FALSE(e[5].open);
    EXPECT_EQ(e[5].level, 3);
    EXPECT_EQ(e[5].path, L"C:\\Games\\Quake\\id1");
    // Then every drive, as Windows' own lists show them.
    EXPECT_EQ(e[6].name + e[7].name, L"[-c-][-d-]");
    EXPECT_TRUE(e[7].drive);
    EXPECT_FALSE(e[5].drive);

    ASSERT_TRUE(input::openDirEntry(dir, 0));
    EXPECT_EQ(dir.path(), L"C:\\");
    EXPECT_EQ(dir.entries().size(), 4u);  // C:\, Games and the two drives
    ASSERT_TRUE(input::openDirEntry(dir, 3));
    EXPECT_EQ(dir.path(), L"D:\\");
    EXPECT_EQ(paths, (std::vector<std::wstring>{L"C:\\Games\\Quake", L"C:\\", L"D:\\"}));
    EXPECT_FALSE(input::openDirEntry(dir, 7));
}

TEST_F(ModelTest, ChangeOfFolderReadsItOnce) {
    disk.addFile(L"C:\\Games\\a.exe");
    DirList& dir = w.get<DirList>("Dir");
    FileList& files = w.get<FileList>("Files");
    dir.onChange = [&] { files.setPath(dir.path()); };
    const int before = disk.listings;
    dir.setPath(L"C:\\Games");
    EXPECT_EQ(disk.listings - before, 1);
    EXPECT_EQ(files.items(), std::vector<std::wstring>{L"a.exe"});
    // Outside a change of folder, every read is fresh.
    disk.addFile(L"C:\\Games\\b.exe");
    files.setPath(L"C:\\Games");
    EXPECT_EQ(files.listCount(), 2);
    EXPECT_EQ(disk.listings - before, 2);
    // A handler that fails still ends the change: the next one reads afresh,
    // whichever list asks first.
    dir.onChange = [&] { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(dir.setPath(L"C:\\"), std::runtime_error);
    disk.addFile(L"C:\\Games\\c.exe");
    dir.onChange = [&] {
        files.setPath(dir.path());
        files.setPath(dir.path());
    };
    dir.setPath(L"C:\\Games");
    EXPECT_EQ(files.listCount(), 3);
    EXPECT_EQ(disk.listings - before, 4);
}

TEST_F(ModelTest, UnreadableFolderGivesOnlyTheWayDown) {
    disk.addFolder(L"C:\\Locked\\Inner");
    disk.unreadable.insert(L"C:\\Locked");
    DirList& dir = w.get<DirList>("Dir");
    dir.setPath(L"C:\\Locked");
    EXPECT_TRUE(dir.unreadable());
    EXPECT_EQ(dir.entries().size(), 3u);  // the way down and the way out: the drive
    FileList& files = w.get<FileList>("Files");
    files.setPath(L"C:\\Locked");
    EXPECT_TRUE(files.unreadable());
    EXPECT_EQ(files.listCount(), 0);
    files.setPath(L"C:\\Nowhere\\At\\All");
    EXPECT_EQ(files.listCount(), 0);
}

TEST_F(ModelTest, FileListFiltersByPatternAndAttributesAndSortsWithoutCase) {
    disk.addFile(L"C:\\G\\zeta.EXE");
    disk.addFile(L"C:\\G\\Alpha.exe");
    disk.addFile(L"C:\\G\\beta.com");
    disk.addFile(L"C:\\G\\readme.txt");
    disk.addFile(L"C:\\G\\secret.exe", "", true, false);
    disk.addFile(L"C:\\G\\boot.exe", "", false, true);
    disk.addFolder(L"C:\\G\\folder.exe");
    FileList& files = w.get<FileList>("Files");
    int pathChanges = 0;
    files.onPathChange = [&] { ++pathChanges; };
    files.setPath(L"C:\\G");
    EXPECT_EQ(files.items(), (std::vector<std::wstring>{L"Alpha.exe", L"beta.com", L"zeta.EXE"}));
    files.setPath(L"C:\\G");
    EXPECT_EQ(pathChanges, 1);

    FileList& all = w.get<FileList>("All");
    all.setPattern(L"*.exe");
    all.setPath(L"C:\\G");
    EXPECT_EQ(all.items(), (std::vector<std::wstring>{L"Alpha.exe", L"boot.exe", L"secret.exe", L"zeta.EXE"}));
    EXPECT_EQ(test::fatalCause([&] { (void)all.list(4); }), L"list index 4 of All");
}

// A broken rule of the program ends it through the one fatal path, with its
// cause; nothing is thrown.
TEST_F(ModelTest, BrokenRulesEndThroughTheFatalPath) {
    EXPECT_EQ(test::fatalCause([&] { (void)w["Nothing"]; }), L"no control Nothing");
    constexpr const ControlRow* kBackwards[] = {&kBox, &kFrame};
    const WindowDesc backwards{.name = "B", .caption = L"B", .clientWidth = 1, .clientHeight = 1, .controls = kBackwards};
    EXPECT_EQ(test::fatalCause([&] { Window bad(backwards, disk); }), L"container listed after Box");
    EXPECT_EQ(test::fatalCause([&] { (void)w["Box"]; }), L"<not called>");
    // A control asked for as another kind than its row's.
    EXPECT_EQ(test::fatalCause([&] { (void)w.get<Slider>("Box"); }), L"control Box is a text box, not a slider");
    EXPECT_EQ(test::fatalCause([&] { (void)w.get<TextBox>("Box"); }), L"<not called>");
}

TEST(Fatal, WithoutAHandlerTheCauseGoesToStandardErrorAndTheProgramEnds) {
    EXPECT_DEATH(fatal(L"the window could not be created"),
                 "Corvane stopped on an unexpected error: the window could not be created");
}

TEST_F(ModelTest, ActionsAreRefusedWhereAUserCouldNotAct) {
    int clicks = 0;
    CommandButton& button = w.get<CommandButton>("Button");
    button.onClick = [&] { ++clicks; };
    EXPECT_FALSE(input::press(button));  // disabled
    button.setEnabled(true);
    EXPECT_TRUE(input::press(button));
    w.block();  // a modal window is over this one
    EXPECT_FALSE(input::press(button));
    EXPECT_FALSE(input::type(w.get<TextBox>("Box"), L"x"));
    w.unblock();
    w["Frame"].setVisible(false);
    EXPECT_FALSE(input::type(w.get<TextBox>("Box"), L"x"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.get<TextBox>("Box").text(), L"");
}

TEST_F(ModelTest, CheckBoxClickTicksGreyedAndClearsTicked) {
    CheckBox& check = w.get<CheckBox>("Check");
    check.setValue(2);
    input::toggle(check);
    EXPECT_EQ(check.value(), 1);
    input::toggle(check);
    EXPECT_EQ(check.value(), 0);
}

TEST(Names, WildcardsMatchWithoutCaseAndEachPatternAlone) {
    const std::wstring_view patterns = L"exact.dll;*mid*.drv;pre*GL.dll";
    EXPECT_TRUE(matchesPatterns(L"EXACT.DLL", patterns));
    EXPECT_TRUE(matchesPatterns(L"amidb.drv", patterns));
    EXPECT_TRUE(matchesPatterns(L"mid.drv", patterns));
    EXPECT_TRUE(matchesPatterns(L"PREfooGL.DLL", patterns));
    EXPECT_TRUE(matchesPatterns(L"pregl.dll", patterns));
    EXPECT_FALSE(matchesPatterns(L"exact.dll.bak", patterns));
    EXPECT_FALSE(matchesPatterns(L"xpreGL.dll", patterns));
    EXPECT_FALSE(matchesPatterns(L"mi.drv", patterns));
    EXPECT_TRUE(matchesPatterns(L"a.exe", L"*.exe"));
    EXPECT_TRUE(matchesPatterns(L".exe", L"*.exe"));
    EXPECT_FALSE(matchesPatterns(L"a.exe.txt", L"*.exe"));
    EXPECT_TRUE(matchesPatterns(L"ab", L"a?"));
    EXPECT_FALSE(matchesPatterns(L"a", L"a?"));
    EXPECT_FALSE(matchesPatterns(L"a", L";;"));
    // A pathological pattern ends quickly.
    EXPECT_FALSE(matchesPatterns(std::wstring(5000, L'a'), std::wstring(50, L'*') + L"b"));
}

TEST(Names, WriteTempNamesAreTheSystemsOnesAndNoOthers) {
    for (const wchar_t* yes : {L"cvn1.tmp", L"cvnA3F0.tmp", L"CVN12.TMP", L"cvnffff.tmp"}) EXPECT_TRUE(isWriteTempName(yes)) << yes;
    for (const wchar_t* no : {L"cvn.tmp", L"cvn12345.tmp", L"cvnotes.tmp", L"cvx1.tmp", L"cvn1.bat", L"cvn1.tmp.bat",
                              L"Hover Tank.bat", L"cvnG1.tmp", L"cvo12.tmp"}) {
        EXPECT_FALSE(isWriteTempName(no)) << no;
    }
    // The old file's place while the new one moves in: beside it, named after it.
    EXPECT_EQ(asideName(L"C:\\Games\\Hover Tank.bat"), L"C:\\Games\\Hover Tank.bat.cvo");
}

TEST(Names, ComparisonFoldsLatinLetters) {
    EXPECT_EQ(compareNoCase(L"Ärger", L"ärger"), 0);
    EXPECT_LT(compareNoCase(L"abc", L"ABD"), 0);
    EXPECT_LT(compareNoCase(L"ab", L"ABC"), 0);
    EXPECT_TRUE(containsNoCase(L"3DFXOGL.DLL", L"GL.dll"));
    EXPECT_FALSE(containsNoCase(L"GL", L"GL.dll"));
    EXPECT_EQ(joinPath(L"C:\\", L"a"), L"C:\\a");
    EXPECT_EQ(joinPath(L"C:\\G", L"a"), L"C:\\G\\a");
}

TEST(CodePage, Windows1252RoundTripsAndRefusesWhatItLacks) {
    Windows1252 cp;
    const auto bytes = cp.encode(L"Caf\u00e9 \u20ac \u0160");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, std::string("Caf\xE9 \x80 \x8A"));
    EXPECT_EQ(cp.decode(*bytes), L"Caf\u00e9 \u20ac \u0160");
    EXPECT_FALSE(cp.encode(L"\u0100"));      // Ā
    EXPECT_FALSE(cp.encode(L"\u65e5"));      // 日
    EXPECT_FALSE(cp.encode(L"\u0080"));      // 0x80 carries the euro sign
    EXPECT_EQ(cp.decode("\x81"), L"\u0081");
    EXPECT_EQ(cp.encode(L"\u0081"), std::string("\x81"));
}

}  // namespace
}  // namespace corvane
