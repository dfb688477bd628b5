// The driver page: which files of the system folder fill which row.
#include <gtest/gtest.h>

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
struct Scan : ::testing::Test {
    Rig r;
    VersionReader reader{[this](const std::wstring& path) -> std::unique_ptr<ByteSource> {
                             auto bytes = r.disk.read(path);
                             if (!bytes) return nullptr;
                             return std::make_unique<MemorySource>(*bytes);
                         },
                         r.codePage};
    Services services{r.messages, r.disk, r.disk, r.codePage, r.instance, r.program, reader, r.shell, r.windows, corvaneInfo()};
    Form1 form{services};

    void add(const std::wstring& name, std::string bytes, bool hidden = false, bool system = false) {
        r.disk.addFile(kSystem + name, std::move(bytes), hidden, system);
    }
    std::wstring row(const char* label) { return form.window[label].caption(); }
    std::vector<std::wstring> rows() {
        return {row("l1"), row("l2"), row("l3"), row("l7"), row("l8"), row("l4")};
    }
};

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
    form.Form_Load();
    EXPECT_EQ(rows(), (std::vector<std::wstring>{L"4.03.00.2102", L"2.43.00.0455", L"3.01.00.0455", L"16.1", L"32.1",
                                                 L"1.0.0.0761"}));
}

TEST_F(Scan, NamesInCapitalsAreFoundAndPlacedTheSame) {
    add(L"GLIDE2X.DLL", driver(u"2.0"));
    add(L"3DFXOGL.DLL", driver(u"gl"));
    form.Form_Load();
    EXPECT_EQ(row("l2"), L"2.0");
    EXPECT_EQ(row("l4"), L"gl");
}

TEST_F(Scan, RowTestsGoInTableOrder) {
    add(L"3dfx16GL.dll", driver(u"opengl"));   // two patterns match; only OpenGL
    add(L"v3dfx32.drv", driver(u"voodoo"));    // a .drv with 32 is the Voodoo driver
    add(L"x3dfx16and32.dll", driver(u"both")); // 16 and 32: the 16-bit row
    form.Form_Load();
    EXPECT_EQ(row("l4"), L"opengl");
    EXPECT_EQ(row("l1"), L"voodoo");
    EXPECT_EQ(row("l7"), L"both");
    EXPECT_EQ(row("l8"), L"Not Available");
}

TEST_F(Scan, LaterNameOverwritesAndAnEmptyVersionClearsTheRow) {
    add(L"b3dfx.drv", driver(u"later"));
    add(L"A3DFX.DRV", driver(u"earlier"));
    add(L"glide3x.dll", "no version in here", true, true);  // hidden and system, still listed
    form.Form_Load();
    EXPECT_EQ(row("l1"), L"later");
    EXPECT_EQ(row("l3"), L"");
}

TEST_F(Scan, OneVersionQueryPerListedFile) {
    Rig q;
    q.disk.addFile(L"C:\\Windows\\System\\glide2x.dll");
    q.disk.addFile(L"C:\\Windows\\System\\3dfx.drv");
    q.disk.addFile(L"C:\\Windows\\System\\notes.dll");
    q.start();
    EXPECT_EQ(q.versions.asked, (std::vector<std::wstring>{L"C:\\Windows\\System\\3dfx.drv",
                                                           L"C:\\Windows\\System\\glide2x.dll"}));
}

TEST_F(Scan, EmptyMissingOrUnreadableFolderLeavesEveryRowNotAvailable) {
    const std::vector<std::wstring> none(6, L"Not Available");
    form.Form_Load();  // no C:\Windows\System at all
    EXPECT_EQ(rows(), none);
    EXPECT_EQ(r.program.ends, 0);
    EXPECT_TRUE(form.TabStrip1.tabSelected(1));

    Rig q;
    q.disk.addFolder(L"C:\\Windows\\System");
    q.start();
    for (const char* l : {"l1", "l2", "l3", "l4", "l7", "l8"}) EXPECT_EQ(q.form.window[l].caption(), L"Not Available");

    Rig locked;
    locked.disk.addFile(L"C:\\Windows\\System\\glide2x.dll");
    locked.disk.unreadable.insert(L"C:\\Windows\\System");
    locked.start();
    EXPECT_EQ(locked.form.window["l2"].caption(), L"Not Available");
    EXPECT_EQ(locked.program.ends, 0);
}

TEST_F(Scan, FolderIsReadOnce) {
    add(L"glide2x.dll", driver(u"2.0"));
    const int before = r.disk.listings;
    form.drivers.ScanDrivers();
    EXPECT_EQ(r.disk.listings - before, 1);
}

}  // namespace
}  // namespace corvane
