// What corvane.exe itself calls on the path it takes on Windows 95, 98 and
// Me. Wine, told to be Windows 95 or 98, still implements every wide function, so
// a stub can't fail here; its relay trace shows instead each call the
// program makes. The program is started with the trace on, makes the
// worked example's batch file, opens and closes the help window and ends;
// no call from its own image may go to a wide function that 9x only stubs,
// nor to a function that 98 lacks, and on 95 each goes to a function that
// imports.txt lists.
//
// Wine writes the trace to the standard error it inherits, which is this
// test program's: CORVANE_RELAY_TRACE names the file it goes to, and
// CORVANE_TRACED_EXE the program to trace (scripts/test.sh sets both). The
// test is skipped without them and outside a prefix that says it is 9x.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "support/worked_example.h"
#include "win32/launch.h"

namespace corvane {
namespace {

// The functions of a list in the test data, or of one [section] of it: the
// first word of each line that names one DLL, the second of the others.
std::set<std::string> names(const std::string& file, const std::string& section = "") {
    std::set<std::string> out;
    std::ifstream list(std::string("Z:") + CORVANE_TEST_DATA + "/" + file);
    std::string in;
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            in = line.substr(1, line.find(']') - 1);
            continue;
        }
        if (in != section) continue;
        std::istringstream words(line);
        std::string first, second;
        words >> first >> second;
        out.insert(first.find('.') != std::string::npos ? second : first);
    }
    return out;
}

// Windows 95 (4.00), not 98 or Me: what Wine says with "win95".
bool windows95() {
    const DWORD v = GetVersion();
    return (v & 0x80000000u) != 0 && (v & 0xFF) == 4 && (v >> 8 & 0xFF) == 0;
}

std::string slurp(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::wstring variable(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2] = {};
    const DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 ? value : L"";
}

// The size of the image a PE file loads as.
std::uint64_t imageSize(const std::string& pe) {
    const auto u32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(pe.at(at + i));
        return v;
    };
    return u32(u32(0x3C) + 24 + 56);  // SizeOfImage, at the same place in PE32 and PE32+
}

// A top-level window of the given class and caption, once it is visible.
HWND visibleWindow(const wchar_t* cls, const wchar_t* caption) {
    for (int i = 0; i < 200; ++i) {
        HWND h = FindWindowW(cls, caption);
        if (h != nullptr && IsWindowVisible(h)) return h;
        Sleep(50);
    }
    return nullptr;
}

bool gone(const wchar_t* cls, const wchar_t* caption) {
    for (int i = 0; i < 200; ++i) {
        if (FindWindowW(cls, caption) == nullptr) return true;
        Sleep(50);
    }
    return false;
}

TEST(NineXPath, CallsOnlyWhatWindows9xHas) {
    if ((GetVersion() & 0x80000000u) == 0) GTEST_SKIP() << "the system says it is of the NT family";
    const std::wstring trace = variable(L"CORVANE_RELAY_TRACE");
    const std::wstring exe = variable(L"CORVANE_TRACED_EXE");
    if (trace.empty() || exe.empty()) GTEST_SKIP() << "no relay trace asked for";
    const std::set<std::string> wideOn9x = names("wide_on_9x.txt");
    const std::set<std::string> missingOn98 = names("imports.txt", "not on 98");
    std::set<std::string> listed = names("imports.txt", "may import");
    for (const std::string& f : names("imports.txt", "looked up")) listed.insert(f);
    ASSERT_GT(wideOn9x.size(), 10u);
    ASSERT_GT(missingOn98.size(), 100u);
    ASSERT_GT(listed.size(), 100u);
    // kernel32's functions that Wine forwards to ntdll show by the name they
    // land at, which the import's name does not give; in a 64-bit build the
    // window-long calls are the Ptr forms that the 32-bit headers make macros.
    const std::map<std::string, std::string> forwarded = {
        {"RtlAllocateHeap", "HeapAlloc"},
        {"RtlFreeHeap", "HeapFree"},
        {"GetWindowLongPtrA", "GetWindowLongA"},
        {"SetWindowLongPtrA", "SetWindowLongA"}};

    // The worked example: Hover Tank.exe picked, the name it proposes, the
    // settings as they are at start.
    test::ProgramElsewhere game;
    const std::wstring batch = game.folder + L"\\Hover Tank.bat";
    SetEnvironmentVariableW(L"WINEDEBUG", L"+relay,+loaddll");
    PROCESS_INFORMATION p{};
    const bool started = test::startCorvane(p, L"\"" + game.program + L"\"", L"", exe);
    SetEnvironmentVariableW(L"WINEDEBUG", L"-all");
    ASSERT_TRUE(started);
    HWND main = test::shownMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(test::textBecomes(main, "Text1", L"Hover Tank"), L"Hover Tank");
    PostMessageW(test::controlOf(main, "Command1"), BM_CLICK, 0, 0);
    HWND question = visibleWindow(L"#32770", L"3dfx Corvane");
    ASSERT_NE(question, nullptr);
    PostMessageW(GetDlgItem(question, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(gone(L"#32770", L"3dfx Corvane"));
    PostMessageW(test::controlOf(main, "Command3"), BM_CLICK, 0, 0);
    HWND help = visibleWindow(L"CorvaneWindow", L"About 3dfx Corvane");
    EXPECT_NE(help, nullptr);
    PostMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_TRUE(gone(L"CorvaneWindow", L"About 3dfx Corvane"));
    EXPECT_TRUE(test::endCorvane(p));

    EXPECT_EQ(slurp(batch), test::workedExample(test::shortName(game.program)));
    DeleteFileW(batch.c_str());

    // The calls whose return address lies in the program's image.
    const std::string log = slurp(trace);
    const std::string exeName = [&] {
        const std::wstring n = exe.substr(exe.find_last_of(L"\\/") + 1);
        return std::string(n.begin(), n.end());
    }();
    const std::regex loaded("Loaded L\"[^\"]*\\\\" + exeName + "\" at ([0-9A-Fa-f]+)");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(log, m, loaded)) << "no load of " << exeName << " in the trace";
    const std::uint64_t base = std::stoull(m[1].str(), nullptr, 16);
    const std::uint64_t end = base + imageSize(slurp(exe));
    std::set<std::string> called;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t call = line.find(":Call ");
        const std::size_t ret = line.rfind(" ret=");
        if (call == std::string::npos || ret == std::string::npos || ret < call) continue;
        const std::uint64_t from = std::strtoull(line.c_str() + ret + 5, nullptr, 16);
        if (from < base || from >= end) continue;
        const std::size_t dot = line.find('.', call);
        const std::size_t paren = line.find('(', call);
        if (dot == std::string::npos || paren == std::string::npos || dot > paren) continue;
        called.insert(line.substr(dot + 1, paren - dot - 1));
    }
    ASSERT_GT(called.size(), 50u) << "the trace holds too few of the program's calls";
    EXPECT_TRUE(called.count("CreateWindowExA")) << "the program did not take its 9x path";
    for (const std::string& f : called) {
        EXPECT_FALSE(f.back() == 'W' && !wideOn9x.count(f)) << f << " is a wide function that 9x only stubs";
        // Wine names a call by where it lands: kernel32's functions that
        // forward to ntdll show as ntdll's Rtl... function.
        const std::string imported = f.rfind("Rtl", 0) == 0 ? f.substr(3) : f;
        EXPECT_FALSE(missingOn98.count(f) || missingOn98.count(imported)) << f << " is missing on Windows 98";
        // On 95 every call is to a function that its list says 95 has, or
        // that the program looks up and has a fallback for.
        if (windows95()) {
            const auto landed = forwarded.find(f);
            EXPECT_TRUE(listed.count(f) || listed.count(imported) ||
                        (landed != forwarded.end() && listed.count(landed->second)))
                << f << " is in no list of imports.txt";
        }
    }
}

}  // namespace
}  // namespace corvane
