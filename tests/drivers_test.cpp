// The driver page: which files of the system folder fill which row.
#include <gtest/gtest.h>

#include <set>

#include "drivers/glide_family.h"
#include "drivers/version_reader.h"
#include "support/images.h"
#include "support/rig.h"
#include "support/memory_source.h"

namespace corvane {
namespace {

using namespace test;

constexpr const wchar_t* kSystem = L"C:\\Windows\\System\\";

std::string driver(const std::u16string& version) {
    return peImage({{0x0409, serialize32(versionInfo({{"040904B0", {{"FileVersion", version}}}}, {0x04B00409}))}});
}

// A main window whose version queries read the memory disk's files.
struct ScanRig {
    Rig r;
    std::set<std::wstring> opened;  // the files the version reader opened
    VersionReader reader{[this](const std::wstring& path) -> std::unique_ptr<ByteSource> {
                             opened.insert(path);
                             auto bytes = r.disk.read(path);
                             if (!bytes) return nullptr;
                             return std::make_unique<MemorySource>(*bytes);
                         },
                         r.codePage};
    Services services = r.servicesWith({.versions = &reader});
    MainWindow form{services};

    void add(const std::wstring& name, std::string bytes, bool hidden = false, bool system = false) {
        r.disk.addFile(kSystem + name, std::move(bytes), hidden, system);
    }
    std::wstring row(const char* label) { return form.window.get<Label>(label).caption(); }
    std::vector<std::wstring> rows() {
        return {row("l1"), row("l2"), row("l3"), row("l7"), row("l8"), row("l4")};
    }
};
struct Scan : ::testing::Test, ScanRig {};

TEST_F(Scan, EachDriverFillsItsRow) {
    add(L"glide2x.dll", driver(u"2.43.00.0455"));
    add(L"glide3x.dll", driver(u"3.01.00.0455"));
    add(L"3dfxvs.drv", neImage(serialize16(versionInfo({{"040904E4", {{"FileVersion", u"4.03.00.2102"}}}},
                                                         {0x04E40409}, false)),
                               4));
    add(L"3dfxvgl.dll", driver(u"1.0.0.0761"));
    add(L"dd3dfx16.dll", driver(u"16.1"));
    add(L"dd3dfx32.dll", driver(u"32.1"));
    add(L"readme.txt", "not a driver");
    form.load();
    EXPECT_EQ(rows(), (std::vector<std::wstring>{L"4.03.00.2102", L"2.43.00.0455", L"3.01.00.0455", L"16.1", L"32.1",
                                                 L"1.0.0.0761"}));
}

TEST_F(Scan, NamesInCapitalsAreFoundAndPlacedTheSame) {
    add(L"GLIDE2X.DLL", driver(u"2.0"));
    add(L"3DFXOGL.DLL", driver(u"gl"));
    form.load();
    EXPECT_EQ(row("l2"), L"2.0");
    EXPECT_EQ(row("l4"), L"gl");
}

TEST_F(Scan, RowTestsGoInTableOrder) {
    add(L"3dfx16GL.dll", driver(u"opengl"));   // two patterns match; only OpenGL
    add(L"v3dfx32.drv", driver(u"voodoo"));    // a .drv with 32 is the Voodoo driver
    add(L"x3dfx16and32.dll", driver(u"both")); // 16 and 32: the 16-bit row
    form.load();
    EXPECT_EQ(row("l4"), L"opengl");
    EXPECT_EQ(row("l1"), L"voodoo");
    EXPECT_EQ(row("l7"), L"both");
    EXPECT_EQ(row("l8"), L"Not Available");
}

TEST_F(Scan, LaterNameOverwritesAndAnEmptyVersionClearsTheRow) {
    add(L"b3dfx.drv", driver(u"later"));
    add(L"A3DFX.DRV", driver(u"earlier"));
    add(L"glide3x.dll", "no version in here", true, true);  // hidden and system, still listed
    form.load();
    EXPECT_EQ(row("l1"), L"later");
    EXPECT_EQ(row("l3"), L"");
}

// Only the driver files are listed, each asked for its version once: not a
// name that only contains a pattern's word, nor one with more after it.
TEST_F(Scan, OneVersionQueryPerListedFile) {
    Rig q;
    for (const wchar_t* name : {L"glide2x.dll", L"3dfx.drv", L"notes.dll", L"glide2x.dll.bak", L"ogl3dfx.dll",
                                L"3dfx16.drv.old"}) {
        q.disk.addFile(std::wstring(L"C:\\Windows\\System\\") + name);
    }
    q.start();
    EXPECT_EQ(q.versions.asked, (std::vector<std::wstring>{L"C:\\Windows\\System\\3dfx.drv",
                                                           L"C:\\Windows\\System\\glide2x.dll"}));
}

TEST_F(Scan, EmptyMissingOrUnreadableFolderLeavesEveryRowNotAvailable) {
    const std::vector<std::wstring> none(6, L"Not Available");
    form.load();  // no C:\Windows\System at all
    EXPECT_EQ(rows(), none);
    EXPECT_EQ(r.program.ends, 0);
    EXPECT_TRUE(form.controls.tabs.tabSelected(1));

    Rig q;
    q.disk.addFolder(L"C:\\Windows\\System");
    q.start();
    for (const char* l : {"l1", "l2", "l3", "l4", "l7", "l8"}) EXPECT_EQ(q.form.window.get<Label>(l).caption(), L"Not Available");

    Rig locked;
    locked.disk.addFile(L"C:\\Windows\\System\\glide2x.dll");
    locked.disk.unreadable.insert(L"C:\\Windows\\System");
    locked.start();
    EXPECT_EQ(locked.form.window.get<Label>("l2").caption(), L"Not Available");
    EXPECT_EQ(locked.program.ends, 0);
}

// The families of the cards, from the ProductNames of the released Glide
// drivers, and from names that are not theirs.
TEST(GlideFamilies, ToldFromTheProductNamesOfTheReleasedDrivers) {
    using enum GlideFamily;
    const struct {
        const wchar_t* name;
        GlideFamily family;
    } cases[] = {
        {L"Glide(tm) for Voodoo Graphics\u00A9 and Windows\u00AE 95/98", VoodooGraphics},
        {L"Glide(tm) for Voodoo Graphics\u00A9 and Windows\u00AE NT", VoodooGraphics},
        {L"Glide(tm) for Voodoo Rush\u00A9 and Windows\u00AE 95/98", Rush},
        {L"Glide(tm) for Voodoo\u00A9 and Windows\u00AE 95/98", Voodoo2},  // Voodoo2's Glide 2.53
        {L"Glide(tm) for Voodoo? and Windows? NT", Voodoo2},                 // read in a code page without the signs
        {L"Glide(tm) for Voodoo^2\u00A9 and Windows\u00AE 95/98", Voodoo2},
        {L"Glide(tm) for Voodoo^2\u00A9 and Windows\u00AE NT", Voodoo2},
        {L"Glide for Voodoo Banshee\u00AE and Voodoo3\u00AE; Windows 95 \u00AE, Windows 98 \u00AE, and Windows NT\u00AE",
         Later},
        {L"Glide\u00AE for Voodoo Banshee\u00AE, Voodoo3\u00AE, & Velocity(tm) 100/200; Windows 95/98", Later},
        {L"Glide\u00AE for Voodoo Banshee\u00AE, Velocity(tm)100/200, Voodoo3\u00AE , Voodoo4\u00AE, & Voodoo5\u00AE; "
         L"Windows 95/98",
         Later},
        {L"GLIDE(TM) FOR VOODOO^2", Voodoo2},
        {L"Velocity 100", Later},
        {L"Glide for Voodoo 2", None},
        {L"Voodoo", None},
        {L"Voodoo Graphic", None},
        {L"Glide", None},
        {L"", None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(familyOf(c.name), c.family) << std::string(c.name, c.name + wcslen(c.name));
    }
}

// A Glide DLL's version resource with the given ProductName in the string
// table `table`, the one its translation entry names.
std::string glide(const std::u16string& product, const char* table = "040904B0", std::uint32_t translation = 0x04B00409) {
    return peImage({{0x0409, serialize32(versionInfo({{table, {{"FileVersion", u"2.43.00.0455"}, {"ProductName", product}}}},
                                                     {translation}))}});
}

// The installed Glide DLLs tell which cards they are for, from the
// ProductName of any of their string tables; other files tell nothing.
TEST(GlideFamilies, ToldByTheGlideDllsTheScanFinds) {
    const std::u16string v2 = u"Glide(tm) for Voodoo^2\u00A9 and Windows\u00AE 95/98";
    const std::u16string h3 = u"Glide for Voodoo Banshee\u00AE and Voodoo3\u00AE; Windows 95 \u00AE";
    const std::u16string sst1 = u"Glide(tm) for Voodoo Graphics\u00A9 and Windows\u00AE 95/98";
    // The ProductName in a second table, the first naming none.
    const std::string twoTables = peImage({{0x0409, serialize32(versionInfo(
        {{"040904B0", {{"FileVersion", u"2.43"}, {"ProductName", u"Glide"}}}, {"040704B0", {{"ProductName", v2}}}},
        {0x04B00409}))}});
    std::string truncated = glide(v2);
    truncated.resize(truncated.size() - 64);
    std::string bloated = glide(v2);
    const std::string key("V\0S\0_\0V\0E\0R\0S\0I\0O\0N\0", 20);  // the root's key, UTF-16
    put16(bloated, bloated.find(key) - 6, 0xFFFF);                         // a root longer than the file
    // Files by their full path: in the fixed folder, or in the system's
    // own, which is System32 in these cases.
    const std::wstring own = L"D:\\WINNT\\system32\\";
    const struct {
        const char* what;
        std::vector<std::pair<std::wstring, std::string>> files;
        bool voodooGraphics, voodoo2, later;
    } cases[] = {
        {"no Glide", {}, false, false, false},
        {"Voodoo Graphics", {{std::wstring(kSystem) + L"glide2x.dll", glide(sst1)}}, true, false, false},
        {"Voodoo2", {{std::wstring(kSystem) + L"glide2x.dll", glide(v2)}}, false, true, false},
        {"Voodoo2 in capitals", {{std::wstring(kSystem) + L"GLIDE2X.DLL", glide(v2)}}, false, true, false},
        {"Voodoo2, Glide3", {{std::wstring(kSystem) + L"glide3x.dll", glide(v2)}}, false, true, false},
        {"Banshee", {{std::wstring(kSystem) + L"glide2x.dll", glide(h3)}}, false, false, true},
        {"both families", {{std::wstring(kSystem) + L"glide2x.dll", glide(v2)}, {std::wstring(kSystem) + L"glide3x.dll", glide(h3)}}, false, true, true},
        {"a German block only", {{std::wstring(kSystem) + L"glide2x.dll", glide(v2, "040704B0", 0x04B00407)}}, false, true, false},
        {"the name in a second block", {{std::wstring(kSystem) + L"glide2x.dll", twoTables}}, false, true, false},
        {"no version resource", {{std::wstring(kSystem) + L"glide2x.dll", "MZ not a driver"}}, false, false, false},
        {"a resource cut short", {{std::wstring(kSystem) + L"glide2x.dll", truncated}}, false, false, false},
        {"a resource longer than its file", {{std::wstring(kSystem) + L"glide2x.dll", bloated}}, false, false, false},
        {"another 3dfx file", {{std::wstring(kSystem) + L"3dfxogl.dll", glide(v2)}, {std::wstring(kSystem) + L"3dfx32vx.dll", glide(h3)}}, false, false, false},
        {"Glide3 in System32", {{own + L"glide3x.dll", glide(h3)}}, false, false, true},
        {"Glide2 in System32", {{own + L"GLIDE2X.DLL", glide(sst1)}}, true, false, false},
        {"one in each folder", {{std::wstring(kSystem) + L"glide2x.dll", glide(v2)}, {own + L"glide3x.dll", glide(h3)}}, false, true, true},
        {"another file in System32", {{own + L"3dfxogl.dll", glide(v2)}}, false, false, false},
    };
    for (const auto& c : cases) {
        ScanRig s;
        MainWindow& form = s.form;
        s.r.disk.systemDir = own.substr(0, own.size() - 1);
        for (const auto& [path, bytes] : c.files) s.r.disk.addFile(path, bytes);
        form.load();
        EXPECT_EQ(form.installedGlide.voodooGraphics, c.voodooGraphics) << c.what;
        EXPECT_EQ(form.installedGlide.voodoo2, c.voodoo2) << c.what;
        EXPECT_EQ(form.installedGlide.later, c.later) << c.what;
    }
}

// The fixed folder is listed once, and where the system's own system folder
// is the same folder, however spelt, its Glide DLLs are read once.
TEST(ScanFolders, EachIsReadOnce) {
    const std::wstring glide = kSystem + std::wstring(L"glide2x.dll");
    const struct {
        const wchar_t* own;
        std::set<std::wstring> opened;
    } cases[] = {
        {L"C:\\WINDOWS\\SYSTEM", {glide}},
        {L"c:\\windows\\system\\", {glide}},
        {L"", {glide}},
        {L"C:\\WINDOWS\\system32", {glide, L"C:\\WINDOWS\\system32\\glide2x.dll", L"C:\\WINDOWS\\system32\\glide3x.dll"}},
    };
    for (const auto& c : cases) {
        ScanRig s;
        s.add(L"glide2x.dll", driver(u"2.0"));
        s.r.disk.systemDir = c.own;
        s.form.drivers.scan();
        EXPECT_EQ(s.r.disk.listings, 1);
        EXPECT_EQ(s.opened, c.opened);
    }
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// A Glide DLL: its ProductName and copyright, and in its data the names it
// asks the environment for, each ending in a zero.
std::string glideDll(const std::u16string& product, const std::vector<std::string>& names,
                     const std::u16string& copyright = u"Copyright \u00A9 1998 3Dfx Interactive, Inc.") {
    std::string data(1, '\0');
    for (const std::string& n : names) data += n + '\0';
    return peImage({{0x0409, serialize32(versionInfo({{"040904B0", {{"ProductName", product}, {"LegalCopyright", copyright}}}},
                                                     {0x04B00409}))}},
                   {.data = data});
}

// The file holds the lines of the Glide the game loads: the first
// glide2x.dll or glide3x.dll Windows finds for it (its own folder first),
// the one its import table names or both; a line for each variable that
// Glide holds by name, or its family's where it holds none, and none for a
// wrapper. Picked again, the file reads back as made, and no DLL is read twice.
TEST(GameGlide, TheFileHoldsTheLinesOfTheGlideTheGameLoads) {
    const std::u16string v2 = u"Glide(tm) for Voodoo^2\u00A9 and Windows\u00AE 95/98";
    const std::u16string v2Old = u"Glide(tm) for Voodoo\u00A9 and Windows\u00AE 95/98";
    const std::u16string h3 = u"Glide\u00AE for Voodoo Banshee\u00AE, Voodoo3\u00AE; Windows 95/98";
    const std::u16string sst1 = u"Glide(tm) for Voodoo Graphics\u00A9 and Windows\u00AE 95/98";
    const std::string every = "SST_FASTMEM SST_FASTPCIRD FX_GLIDE_SWAPINTERVAL SST_SWAP_EN_WAIT_ON_VSYNC SST_VIDEO_24BPP "
                              "FX_GLIDE_NO_SPLASH SST_GAMMA ";
    const std::wstring game = L"C:\\Games\\Hover\\", system = kSystem;
    const struct {
        const char* what;
        std::vector<std::string> imports;  // none: the program is no image
        std::vector<std::pair<std::wstring, std::string>> dlls;
        std::string lines;  // the variables of the file's lines; "REM " before a remark's
        std::wstring words;  // the page's tooltip of it
        std::wstring shown;  // the page's words
        std::string disabled;  // the controls of settings it takes nothing of
    } cases[] = {
        {"none", {}, {}, every + "REM SST_GRXCLK SST_SCREENREFRESH", L"", L"", ""},
        {"names, in the game's folder before the system's",
         {},
         {{game + L"glide2x.dll", glideDll(v2, {"SSTV2_GAMMA", "MYSSTV2_GRXCLK", "FX_GLIDE_NO_SPLASH", "SSTV2_FASTPCIRD=1"})},
          {system + L"glide2x.dll", glideDll(sst1, {"SST_GAMMA"})}},
         "FX_GLIDE_NO_SPLASH SSTV2_GAMMA",
         L"glide2x.dll in C:\\Games\\Hover: Voodoo2", L"Glide: glide2x.dll, Voodoo2, in the game's folder",
         "cMem cPci cBuff cRefresh sClock sRefresh"},
        {"Voodoo2's 2.53, no names",
         {},
         {{system + L"glide2x.dll", glideDll(v2Old, {})}},
         every + "SST_GRXCLK SST_SCREENREFRESH SSTV2_GRXCLK SSTV2_FASTPCIRD SSTV2_FASTMEM_RAS_READS SSTV2_SCREENREFRESH "
                 "SSTV2_VIDEO_24BPP SSTV2_GAMMA",
         L"glide2x.dll in C:\\WINDOWS\\SYSTEM: Voodoo2", L"Glide: glide2x.dll, Voodoo2, in the system folder", ""},
        {"Voodoo Graphics' clock as a remark",
         {"KERNEL32.dll", "GLIDE2X.DLL"},
         {{system + L"glide2x.dll", glideDll(sst1, {"SST_GRXCLK", "SST_FASTMEM"})},
          {system + L"glide3x.dll", glideDll(h3, {"SSTH3_RGAMMA"})}},
         "SST_FASTMEM REM SST_GRXCLK",
         L"glide2x.dll in C:\\WINDOWS\\SYSTEM: Voodoo Graphics", L"Glide: glide2x.dll, Voodoo Graphics, in the system folder",
         "cPci cBuff cRefresh Check1 sGamma sClock sRefresh"},
        {"the import names glide3x.dll",
         {"KERNEL32.dll", "glide3x.dll"},
         {{system + L"glide2x.dll", glideDll(sst1, {"SST_GAMMA"})},
          {L"C:\\WINDOWS\\glide3x.dll", glideDll(h3, {"SSTH3_BGAMMA", "FX_GLIDE_REFRESH", "FX_GLIDE_SWAPINTERVAL"})}},
         "FX_GLIDE_SWAPINTERVAL SSTH3_BGAMMA FX_GLIDE_REFRESH",
         L"glide3x.dll in C:\\WINDOWS: Banshee to Voodoo5", L"Glide: glide3x.dll, Banshee to Voodoo5, in the Windows folder",
         "cMem cPci cRefresh Check1 sClock"},
        {"imports naming neither: both",
         {"KERNEL32.dll"},
         {{system + L"glide2x.dll", glideDll(v2, {"SSTV2_GAMMA"})}, {system + L"glide3x.dll", glideDll(h3, {"SSTH3_RGAMMA"})}},
         "SSTV2_GAMMA SSTH3_RGAMMA",
         L"glide2x.dll in C:\\WINDOWS\\SYSTEM: Voodoo2; glide3x.dll in C:\\WINDOWS\\SYSTEM: Banshee to Voodoo5",
         L"Glide: glide2x.dll, Voodoo2, and glide3x.dll, Banshee to Voodoo5",
         "cMem cPci cBuff cRefresh Check1 sClock sRefresh"},
        {"a wrapper that says it is 3dfx's",
         {},
         {{game + L"glide2x.dll", glideDll(h3, {"SST_GAMMA", "SSTH3_RGAMMA"}, u"\u00A9 2021 Zeta | Glide")},
          {system + L"glide2x.dll", glideDll(v2, {"SSTV2_GAMMA"})}},
         "REM The game loads glide2x.dll, 2021 Zeta Glide, a wrapper: it takes its settings from its own configuration.",
         L"glide2x.dll in C:\\Games\\Hover: a Glide wrapper, \u00A9 2021 Zeta | Glide",
         L"Glide: glide2x.dll, wrapper \u00A9 2021 Zeta | Glide, in the game's folder", "cMem cPci cBuff cRefresh Check1 sGamma sClock sRefresh"},
    };
    for (const auto& c : cases) {
        ScanRig s;
        s.r.disk.addFile(game + L"Hover Tank.exe", c.imports.empty() ? std::string("MZ") : peImage({}, {.imports = c.imports}));
        for (const auto& [path, bytes] : c.dlls) s.r.disk.addFile(path, bytes);
        s.form.load();
        s.form.controls.folders.setPath(L"C:\\Games\\Hover");
        ASSERT_TRUE(input::pickFile(s.form.controls.programs, 0));
        EXPECT_EQ(s.form.controls.glideWords.toolTip(), c.words) << c.what;
        EXPECT_EQ(s.form.controls.glideWords.caption(), c.shown) << c.what;
        std::string disabled;
        for (const char* name : {"cMem", "cPci", "cBuff", "cRefresh", "Check1", "sGamma", "sClock", "sRefresh"}) {
            if (!s.form.window[name].enabled()) disabled += std::string(disabled.empty() ? "" : " ") + name;
        }
        EXPECT_EQ(disabled, c.disabled) << c.what;
        ASSERT_TRUE(input::press(s.form.controls.makeButton));
        const std::string bytes = s.r.disk.read(game + L"Hover Tank.bat").value_or("");
        std::string lines;
        for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos;) {
            at += 2;
            const std::string line = bytes.substr(at, bytes.find("\r\n", at) - at);
            const bool set = line.starts_with("SET S") || line.starts_with("SET FX"), remark = line.starts_with("REM S");
            if (line.starts_with("REM The game")) lines += line;
            if (set || remark) lines += (remark ? "REM " : "") + line.substr(4, line.find('=') - 4) + " ";
        }
        EXPECT_EQ(lines, c.lines + (c.lines.ends_with('.') ? "" : " ")) << c.what << "\n" << bytes;
        s.form.controls.batchName.setText(L"");
        input::pickFile(s.form.controls.programs, 0);
        EXPECT_EQ(s.form.controls.settingsPage.caption(), L"Read from Hover Tank.bat") << c.what;
        for (const auto& [path, unused] : c.dlls) EXPECT_LE(s.r.disk.opened.count(path), 1u) << c.what;
    }
}

}  // namespace
}  // namespace corvane
