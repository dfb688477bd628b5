// Our version-resource reader against the system's version.dll, on every
// program file of the prefix and on files of chosen shape; and the driver
// page of corvane.exe as it shows crafted driver files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "app/app_info.h"
#include "app/main_window.h"
#include "drivers/file_version.h"
#include "drivers/version_reader.h"
#include "launch.h"
#include "main/real_services.h"
#include "platform/win32/system_services.h"
#include "support/images.h"
#include "support/rig.h"
#include "support/worked_example.h"

namespace corvane {
namespace {

using namespace test;

// The main window with our reader, as the program runs it.
struct OurReader {
    ScriptedMessages messages;
    win32::Folders folders;
    win32::Files files;
    win32::AnsiCodePage codePage;
    win32::OemCodePage oemCodePage;
    FakeInstance instance;
    EndRecorder program;
    FakeShell shell;
    ScriptedWindows windows;
    VersionReader versions{fileVersions(codePage)};
    win32::ImageFiles images;
    Services services = servicesOf(*this, corvaneInfo());
    MainWindow window{services};
};

std::wstring scratchDir() {
    wchar_t buf[MAX_PATH];
    GetTempPathW(MAX_PATH, buf);
    std::wstring dir = std::wstring(buf) + L"corvane-versions-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

void write(const std::wstring& path, const std::string& bytes) {
    std::FILE* f = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string slurp(const std::wstring& path) {
    std::string out;
    std::FILE* f = _wfopen(path.c_str(), L"rb");
    if (f == nullptr) return out;
    char buf[65536];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) out.append(buf, n);
    std::fclose(f);
    return out;
}

std::string embeddedNe(const std::string& file) {
    for (std::size_t at = 1; (at = file.find("MZ", at)) != std::string::npos; ++at) {
        if (at + 0x40 > file.size()) break;
        const std::uint32_t lfanew = static_cast<std::uint8_t>(file[at + 0x3C]) |
                                     static_cast<std::uint8_t>(file[at + 0x3D]) << 8;
        if (at + lfanew + 2 <= file.size() && file.compare(at + lfanew, 2, "NE") == 0) return file.substr(at);
    }
    return {};
}

std::string wideVersion(const std::u16string& v, std::uint32_t translation = 0x04B00409, const char* table = "040904B0") {
    return serialize32(versionInfo({{table, {{"FileVersion", v}}}}, {translation}));
}

// Files of chosen shape, written to `dir`.
std::vector<std::wstring> craftedFiles(const std::wstring& dir) {
    const std::vector<std::pair<std::wstring, std::string>> files = {
        {L"usual.dll", peImage({{0x0409, wideVersion(u"1.00.0035")}})},
        {L"plus.dll", peImage({{0x0409, wideVersion(u"2.0")}}, {.pe32plus = true})},
        {L"low.dll", peImage({{0, wideVersion(u"9.4", 0x00040009, "00090004")}})},
        {L"missing.dll", peImage({{0, wideVersion(u"x", 0x04E40409)}})},
        {L"none.dll", peImage({})},
        {L"languages.dll", peImage({{0x0407, wideVersion(u"german")}, {0x0409, wideVersion(u"english")}})},
        {L"neutral.dll", peImage({{0, wideVersion(u"neutral")}, {0x0409, wideVersion(u"english")}})},
        {L"empty.dll", peImage({{0, wideVersion(u"")}})},
        {L"latin.dll", peImage({{0, wideVersion(u"1.0 caf\u00e9")}})},
        {L"ne4.drv", neImage(serialize16(versionInfo({{"040904E4", {{"FileVersion", u"4.03.00.2102"}}}}, {0x04E40409}, false)), 4)},
        {L"ne9.drv", neImage(serialize16(versionInfo({{"040904E4", {{"fileversion", u"3.1"}}}}, {0x04E40409}, false)), 9)},
        {L"text.drv", "not a program at all"},
    };
    std::vector<std::wstring> out;
    for (const auto& [name, bytes] : files) {
        write(dir + L"\\" + name, bytes);
        out.push_back(dir + L"\\" + name);
    }
    // The 16-bit images inside Wine's own 16-bit modules.
    const std::wstring wine16 = L"Z:\\usr\\lib\\i386-linux-gnu\\wine\\i386-windows\\";
    for (const wchar_t* name : {L"mouse.drv16", L"gdi.exe16", L"krnl386.exe16", L"user.exe16", L"shell.dll16",
                                L"ole2nls.dll16", L"display.drv16", L"system.drv16"}) {
        const std::string ne = embeddedNe(slurp(wine16 + name));
        if (ne.empty()) continue;
        std::wstring cut = dir + L"\\cut-" + name;
        cut.resize(cut.size() - 2);  // .drv16 -> .drv
        write(cut, ne);
        out.push_back(cut);
    }
    return out;
}

// Every PE and NE file (one that begins with "MZ") of a folder.
std::vector<std::wstring> modules(const std::wstring& dir) {
    std::vector<std::wstring> out;
    for (const std::wstring& name : test::namesIn(dir, test::Held::Files)) {
        if (test::fileBytes(dir + L"\\" + name).starts_with("MZ")) out.push_back(dir + L"\\" + name);
    }
    return out;
}

// What the driver page takes from a file: its FileVersion and its
// ProductName, each in the string table of its first translation.
struct Shown {
    std::wstring fileVersion, productName;
    bool operator==(const Shown&) const = default;
};

// As version.dll answers, decoded here: the first translation's language
// and code page as the table's name, and each value, a zero-ended ANSI
// string, converted as the system converts it.
Shown shownByVersionDll(const std::wstring& path) {
    Shown out;
    const std::string file = win32::AnsiCodePage().encode(path).value_or("");
    DWORD unused = 0;
    const DWORD size = file.empty() ? 0 : GetFileVersionInfoSizeA(file.c_str(), &unused);
    std::vector<char> block(size + 1);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return out;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4) return out;
    const auto* words = static_cast<const WORD*>(value);
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", words[0], words[1]);
    for (auto [name, text] : {std::pair{"FileVersion", &out.fileVersion}, std::pair{"ProductName", &out.productName}}) {
        const std::string sub = std::string("\\StringFileInfo\\") + table + "\\" + name;
        if (!VerQueryValueA(block.data(), sub.c_str(), &value, &length) || length == 0) continue;
        const int n = MultiByteToWideChar(CP_ACP, 0, static_cast<const char*>(value), -1, nullptr, 0);
        if (n <= 1) continue;
        text->resize(static_cast<std::size_t>(n));
        MultiByteToWideChar(CP_ACP, 0, static_cast<const char*>(value), -1, text->data(), n);
        text->pop_back();
    }
    return out;
}

// As the program takes them through our reader.
Shown shownByOurs(VersionService& reader, const CodePageService& cp, const std::wstring& path) {
    Shown out;
    const std::uint32_t size = reader.size(path);
    if (size == 0) return out;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(size) + 1, 0);
    if (!reader.read(path, block)) return out;
    std::size_t at = 0;
    std::uint32_t length = 0;
    if (!reader.query(block, "\\VarFileInfo\\Translation", at, length) || length < 4) return out;
    const std::string key = translationKey(bytesAt(block, at, length));
    for (auto [name, value] : {std::pair{"FileVersion", &out.fileVersion}, std::pair{"ProductName", &out.productName}}) {
        if (reader.query(block, "\\StringFileInfo\\" + key + "\\" + name, at, length) && length != 0) {
            *value = stringAt(block, at, cp);
        }
    }
    return out;
}

// Our reader against Wine's version.dll on every PE and NE module of the
// prefix's Windows folder, its system folders, and on files of chosen shape:
// the FileVersion and ProductName the driver page would show, and the
// version the page's rows take.
TEST(VersionsUnderWine, OurReaderAnswersAsVersionDllDoes) {
    OurReader t;
    std::vector<std::wstring> files;
    wchar_t dir[MAX_PATH];
    GetWindowsDirectoryW(dir, MAX_PATH);
    const std::wstring windows = dir;
    GetSystemDirectoryW(dir, MAX_PATH);
    // The Windows folder, the 16-bit system folder, the system's own (and
    // its 32-bit half in a 64-bit prefix).
    for (const std::wstring& folder : {windows, windows + L"\\system", std::wstring(dir), windows + L"\\syswow64"}) {
        for (const auto& f : modules(folder)) {
            if (std::find(files.begin(), files.end(), f) == files.end()) files.push_back(f);
        }
    }
    const std::size_t real = files.size();
    const std::wstring scratch = scratchDir();
    const auto crafted = craftedFiles(scratch);
    files.insert(files.end(), crafted.begin(), crafted.end());

    int withVersion = 0, withProduct = 0, differences = 0;
    for (const auto& path : files) {
        const Shown expected = shownByVersionDll(path);
        const Shown actual = shownByOurs(t.versions, t.codePage, path);
        withVersion += expected.fileVersion.empty() ? 0 : 1;
        withProduct += expected.productName.empty() ? 0 : 1;
        if (expected == actual && t.window.fileVersion(path) == expected.fileVersion) continue;
        ++differences;
        ADD_FAILURE() << "version.dll and our reader differ on " << std::string(path.begin(), path.end()) << ": \""
                      << std::string(expected.fileVersion.begin(), expected.fileVersion.end()) << "\" / \""
                      << std::string(actual.fileVersion.begin(), actual.fileVersion.end()) << "\", \""
                      << std::string(expected.productName.begin(), expected.productName.end()) << "\" / \""
                      << std::string(actual.productName.begin(), actual.productName.end()) << "\"";
    }
    std::printf("version.dll differential: %zu files, %d differences (%zu modules of the prefix, %zu crafted or cut "
                "out; %d with a FileVersion, %d with a ProductName)\n",
                files.size(), differences, real, crafted.size(), withVersion, withProduct);
    EXPECT_GT(real, 200u);
    EXPECT_GT(withVersion, 200);
    EXPECT_GT(withProduct, 200);
    for (const auto& f : crafted) DeleteFileW(f.c_str());
    RemoveDirectoryW(scratch.c_str());
}

TEST(VersionsUnderWine, DriverPageShowsWhatTheSystemFolderHolds) {
    const std::wstring system = L"C:\\Windows\\System";
    const bool made = CreateDirectoryW(system.c_str(), nullptr) != FALSE;
    const std::vector<std::pair<std::wstring, std::string>> drivers = {
        {L"glide2x.dll", peImage({{0x0409, wideVersion(u"2.43.00.0455")}})},
        {L"GLIDE3X.DLL", peImage({{0x0409, wideVersion(u"3.01.00.0455")}})},
        {L"3dfxvs.drv", neImage(serialize16(versionInfo({{"040904E4", {{"FileVersion", u"4.03.00.2102"}}}}, {0x04E40409}, false)), 4)},
        {L"3dfxogl.dll", peImage({{0x0409, wideVersion(u"1.0.0.0761")}})},
        {L"dd3dfx16.dll", "no version resource here"},
    };
    for (const auto& [name, bytes] : drivers) write(system + L"\\" + name, bytes);

    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(startCorvane(pi));
    HWND main = shownMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(textOf(main, "l1"), L"4.03.00.2102");
    EXPECT_EQ(textOf(main, "l2"), L"2.43.00.0455");
    EXPECT_EQ(textOf(main, "l3"), L"3.01.00.0455");
    EXPECT_EQ(textOf(main, "l4"), L"1.0.0.0761");
    EXPECT_EQ(textOf(main, "l7"), L"");
    EXPECT_EQ(textOf(main, "l8"), L"Not Available");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, test::waitMs(20000)), WAIT_OBJECT_0);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    for (const auto& [name, bytes] : drivers) DeleteFileW((system + L"\\" + name).c_str());
    if (made) RemoveDirectoryW(system.c_str());
}

// The batch file for the cards of the Glide DLL in the fixed folder or in
// the system's own (System32 on NT), made in corvane.exe by a click, Alt+M
// and Enter: each later family's lines before the start line; for Voodoo
// Graphics' Glide, a Glide that can't be told, or none, the worked example,
// which names the clock without setting it.
TEST(VersionsUnderWine, MakeWritesTheLinesOfTheInstalledGlidesCards) {
    const std::wstring fixed = L"C:\\Windows\\System";
    const bool made = CreateDirectoryW(fixed.c_str(), nullptr) != FALSE;
    wchar_t dir[MAX_PATH];
    GetSystemDirectoryW(dir, MAX_PATH);
    const std::wstring own = dir;
    ProgramElsewhere game;
    const std::wstring batch = game.folder + L"\\Hover Tank.bat";
    const auto glide = [](const std::u16string& product) {
        return peImage({{0x0409, serialize32(versionInfo({{"040904B0", {{"FileVersion", u"2.43.00.0455"},
                                                                        {"ProductName", product}}}},
                                                         {0x04B00409}))}});
    };
    const std::string noClock(kWorkedSettings);
    const std::string settings = test::workedSettingsWithClock();
    const std::string voodoo2(test::kWorkedVoodoo2), later(test::kWorkedLater);
    const std::u16string sst1 = u"Glide(tm) for Voodoo Graphics\u00A9 and Windows\u00AE 95/98";
    const std::u16string v5 =
        u"Glide\u00AE for Voodoo Banshee\u00AE, Velocity(tm)100/200, Voodoo3\u00AE , Voodoo4\u00AE, & Voodoo5\u00AE";
    const struct {
        const char* what;
        std::wstring dll;  // empty: no Glide DLL
        std::string bytes;
        std::string settings;  // what follows the check
    } cases[] = {
        {"no Glide", L"", "", noClock},
        {"Voodoo Graphics", fixed + L"\\glide2x.dll", glide(sst1), noClock},
        {"a driver without a version", fixed + L"\\glide2x.dll", "MZ", noClock},
        {"Voodoo2", fixed + L"\\glide2x.dll", glide(u"Glide(tm) for Voodoo^2\u00A9 and Windows\u00AE 95/98"),
         settings + voodoo2},
        {"Banshee and Voodoo3", fixed + L"\\glide2x.dll",
         glide(u"Glide for Voodoo Banshee\u00AE and Voodoo3\u00AE; Windows 95 \u00AE"), settings + later},
        {"Voodoo4 and Voodoo5", fixed + L"\\glide2x.dll", glide(v5), settings + later},
        {"Voodoo5's Glide3 in the system's own folder", own + L"\\glide3x.dll", glide(v5), settings + later},
        {"Voodoo Graphics' Glide in the system's own folder", own + L"\\glide2x.dll", glide(sst1), noClock},
    };
    for (const auto& c : cases) {
        if (!c.dll.empty()) write(c.dll, c.bytes);
        DeleteFileW(batch.c_str());
        {
            RunningCorvane program(L"\"" + game.folder + L"\"");
            ASSERT_NE(program.main(), nullptr) << c.what;
            program.clickListEntry("File1", 0);
            ASSERT_EQ(textBecomes(program.main(), "Text1", L"Hover Tank"), L"Hover Tank") << c.what;
            EXPECT_EQ(program.makeByKeys(), L"Make " + batch + L"?") << c.what;
        }
        if (!c.dll.empty()) DeleteFileW(c.dll.c_str());
        const std::string bytes = slurp(batch);
        EXPECT_EQ(afterCheck(bytes), c.settings + shortName(game.program) + std::string(kWorkedEnd)) << c.what;
        if (c.settings == noClock) { EXPECT_EQ(bytes, workedExample(shortName(game.program))) << c.what; }
    }
    DeleteFileW(batch.c_str());
    if (made) RemoveDirectoryW(fixed.c_str());
}

}  // namespace
}  // namespace corvane
