// "&Make": the batch file's bytes, its name and path, the messages, and what
// happens when the file can't be written.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>

#include "batch/batch_text.h"
#include "batch/read_back.h"
#include "platform/names.h"
#include "platform/wrap.h"
#include "support/command_com.h"
#include "support/rig.h"
#include "support/worked_example.h"

namespace corvane {
namespace {

using test::afterCheck;
using test::Rig;
using test::startOf;
using test::workedExample;

// Counts the appends so the two writes can be told apart.
class CountingDisk final : public FileStore {
public:
    explicit CountingDisk(FileStore& inner) : inner_(inner) {}
    std::vector<std::size_t> writes;
    FileStart readStart(const std::wstring& path, std::size_t most) override { return inner_.readStart(path, most); }
    FileStatus createTemp(const std::wstring& folder, std::wstring& path) override { return inner_.createTemp(folder, path); }
    FileStatus append(const std::wstring& path, std::string_view bytes) override {
        writes.push_back(bytes.size());
        return inner_.append(path, bytes);
    }
    FileStatus replace(const std::wstring& from, const std::wstring& to) override { return inner_.replace(from, to); }
    void remove(const std::wstring& path) override { inner_.remove(path); }
    FileStatus recover(const std::wstring& t, std::string_view w) override { return inner_.recover(t, w); }

private:
    FileStore& inner_;
};

struct Make : ::testing::Test {
    Rig r;
    MainWindow& f = r.form;

    void choose(const std::wstring& folder, const std::wstring& exe) {
        r.disk.addFile(joinPath(folder, exe));
        r.start();
        f.controls.folders.setPath(folder);  // as opening it in the list does
        for (int i = 0; i < f.controls.programs.listCount(); ++i) {
            if (f.controls.programs.list(i) == exe) input::pickFile(f.controls.programs, i);
        }
        ASSERT_EQ(f.controls.programs.list(f.controls.programs.listIndex()), exe);
    }
    std::string file(const std::wstring& path) { return r.disk.read(path).value_or("<missing>"); }
    std::vector<std::wstring> temps() {
        std::vector<std::wstring> out;
        for (const auto& p : r.disk.paths()) {
            if (p.size() > 4 && p.substr(p.size() - 4) == L".tmp") out.push_back(p);
        }
        return out;
    }
};

TEST_F(Make, WorkedExampleWritesTwoBlocks) {
    CountingDisk counting(r.disk);
    Services services = r.servicesWith({.files = &counting});
    MainWindow g(services);
    r.disk.addFile(L"C:\\Games\\Hover\\Hover Tank.exe");
    g.load();
    g.controls.folders.setPath(L"C:\\Games\\Hover");
    ASSERT_TRUE(input::pickFile(g.controls.programs, 0));
    EXPECT_EQ(g.programName, L"Hover Tank");
    ASSERT_TRUE(input::press(g.controls.makeButton));

    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].prompt, L"Make C:\\Games\\Hover\\Hover Tank.bat?");
    EXPECT_EQ(r.messages.shown[0].title, L"3dfx Corvane");
    EXPECT_EQ(r.messages.shown[0].buttons, 1);
    const std::string bytes = file(L"C:\\Games\\Hover\\Hover Tank.bat");
    EXPECT_EQ(bytes, workedExample("HoverT~1.exe"));
    // "@echo off", the check and the six switches; then the rest.
    const std::size_t first = bytes.find("SET SST_GAMMA=");
    EXPECT_EQ(counting.writes, (std::vector<std::size_t>{first, bytes.size() - first}));
    EXPECT_EQ(g.controls.lastBatchPath.caption(), L"C:\\Games\\Hover\\Hover Tank.bat");
    EXPECT_EQ(g.controls.scratch.text(), L"Hover Tank");
    // After the write the name is emptied and Make waits for a new one.
    EXPECT_EQ(g.controls.batchName.text(), L"");
    EXPECT_FALSE(g.controls.makeButton.enabled());
    EXPECT_FALSE(input::press(g.controls.makeButton));
    EXPECT_EQ(r.messages.shown.size(), 1u);
}

TEST_F(Make, EveryBoxAndSliderReachesItsLine) {
    choose(L"C:\\Games", L"Racer.exe");
    input::clickTab(f.controls.tabs, 2);
    for (CheckBox* box : {&f.controls.fastMemory, &f.controls.fastPci, &f.controls.fastBuffering, &f.controls.fastRefresh, &f.controls.splash}) input::toggle(*box);
    input::moveSlider(f.controls.refresh, 4);
    input::toggle(f.controls.trueColour);
    input::moveSlider(f.controls.gamma, 130);
    input::moveSlider(f.controls.clock, 107);
    ASSERT_TRUE(input::press(f.controls.makeButton));
    // 100 Hz is more than a Voodoo Graphics keeps: it gets the 85 below.
    EXPECT_EQ(afterCheck(file(L"C:\\Games\\Racer.bat")),
              "SET SST_FASTMEM=1\r\n"
              "SET SST_FASTPCIRD=1\r\n"
              "SET FX_GLIDE_SWAPINTERVAL=0\r\n"
              "SET SST_SWAP_EN_WAIT_ON_VSYNC=0\r\n"
              "SET SST_VIDEO_24BPP=1\r\n"
              "SET FX_GLIDE_NO_SPLASH=1\r\n"
              "SET SST_GAMMA=1.3\r\n"
              "REM SST_GRXCLK=107 not set: a Voodoo Graphics runs at its own clock\r\n"
              "SET SST_SCREENREFRESH=85\r\n"
              "Racer.exe\r\n:DONE\r\n");
}

// Each box ticked, clear and greyed, and each slider moved, the others as
// start-up leaves them, for each family of cards the installed Glide may be
// for: their own lines change and no other. After the Voodoo Graphics lines
// come Voodoo2's, then Banshee's to Voodoo5's, then the start line. A
// variable that the driver reads by its presence alone is left out
// ("SET NAME=") to say "off".

bool isGlide(const std::string& entry) { return entry.rfind("SST", 0) == 0 || entry.rfind("FX_", 0) == 0; }

// A window of `size` bytes holding a stock 98's strings with %COMSPEC% of
// `comspec` characters, where `setBefore` strings of the probes' names and
// values of the driver's, and a filler that leaves `free` bytes; nullopt
// where the strings leave less.
std::optional<test::DosMachine> windowWith(std::size_t size, std::size_t free, std::size_t comspec, bool setBefore) {
    test::DosMachine m;
    m.environmentSize = size;
    for (std::string& e : m.environment) {
        if (e.rfind("COMSPEC=", 0) == 0) {
            const std::string tail = "\\COMMAND.COM";
            e = "COMSPEC=" + (comspec == 22 ? std::string("C:\\WINDOWS") : "C:\\" + std::string(comspec - 3 - tail.size(), 'W')) + tail;
        }
    }
    if (setBefore) {
        // The user's own strings of the probes' names, and values that
        // AUTOEXEC.BAT set for the driver.
        m.environment.insert(m.environment.end(), {"_=mine", "_2=mine too", "_3=3", "_4=4", "SST_GAMMA=1.3",
                                                   "FX_GLIDE_NO_SPLASH=1", "SST_SCREENREFRESH=72"});
    }
    if (m.free() < free) return std::nullopt;
    const std::size_t over = m.free() - free;
    if (over >= 4) {
        m.environment.push_back("F=" + std::string(over - 3, 'x'));
    } else if (over > 0) {
        m.environment[2] += std::string(over, ' ');  // a longer PROMPT
    }
    return m.free() == free ? std::optional(m) : std::nullopt;
}

// Runs a file as a double-click does, in every window it may meet: CMD on
// NT, and under COMMAND.COM windows of 256 (a stock 98), 1,024, 2,048 and
// 4,096 bytes with every amount of room from none to a little more than the
// values need, with and without the probes' names already set, with the
// stock %COMSPEC% and the longest, and with strings of the probes' names
// and values of the driver's already set. In each: no line is cut or abandons the
// file, nothing is run that is not the file's own, no third interpreter
// starts; the program starts once with every value the file sets whole,
// none it removes and the user's own strings as they were, or it does not
// start and the window says why. The only string without "=" the program
// may get is the first probe's name, where the window had exactly two bytes
// left: no SET can avoid storing one character there. The check asks for
// exactly what the values need, its labels differ where COMMAND.COM reads
// them, and the file ends in CR LF.
void expectEveryRoomEndsRight(const std::string& bytes, const std::string& what) {
    const std::vector<std::string> lines = test::crlfLines(bytes);
    const std::vector<std::string> settings = test::crlfLines(afterCheck(bytes));
    std::vector<std::string> check(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(settings.size()));
    std::map<std::string, std::size_t> probes;  // each probe at its largest
    for (const std::string& l : check) {
        if (l.rfind("SET _", 0) == 0 && l.back() != '=') {
            const std::size_t size = l.size() - 4 + 1;
            probes[l.substr(4, l.find('=') - 4)] = std::max(probes[l.substr(4, l.find('=') - 4)], size);
        }
    }
    std::size_t probed = 0;
    for (const auto& [name, size] : probes) probed += size;
    // What the values need, as CMD's model shows it: each string the game
    // got that it gets from a file that only starts it, and the byte that ends it.
    const std::string self = "C:\\GAMES\\HOVER\\HOVERT~1.BAT";
    const test::DosRun onNt = test::DosMachine{.nt = true}.run(bytes, self);
    const test::DosRun bare = test::DosMachine{.nt = true}.run(test::startOf(bytes) + "\r\n", self);
    ASSERT_EQ(onNt.started.size() + bare.started.size(), 2u) << what << " on NT";
    const std::vector<std::string>& before = bare.started[0];
    std::size_t need = 0;
    for (const std::string& e : onNt.started[0]) need += std::find(before.begin(), before.end(), e) == before.end() ? e.size() + 1 : 0;
    EXPECT_EQ(probed, need) << what;
    std::vector<std::string> labels;
    for (const std::string& l : lines) {
        if (!l.empty() && l[0] == ':') labels.push_back(l.substr(1, 8));
    }
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(std::adjacent_find(labels.begin(), labels.end()), labels.end()) << what;
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << what << ": a label ends the file";

    const auto arrivedWhole = [&](const std::vector<std::string>& env, const std::string& on) {
        for (const std::string& l : settings) {
            if (l.rfind("SET ", 0) != 0) continue;
            const std::string name = l.substr(4, l.find('=') - 3);
            const auto found = std::find_if(env.begin(), env.end(), [&](const std::string& e) { return e.rfind(name, 0) == 0; });
            if (l.back() == '=') {
                EXPECT_EQ(found, env.end()) << on << ": " << name << " is set";
            } else {
                EXPECT_TRUE(found != env.end() && *found == l.substr(4)) << on << ": " << l << " did not arrive whole";
            }
        }
    };
    EXPECT_EQ(onNt.interpreters, 1) << what << " on NT";
    EXPECT_FALSE(onNt.probed) << what << " on NT";
    arrivedWhole(onNt.started[0], what + " on NT");

    int runs = 0, reran = 0, told = 0;
    for (const std::size_t size : {256u, 1024u, 2048u, 4096u}) {
        for (const std::size_t comspec : {std::size_t(22), kLongestComspec}) {
            for (const bool setBefore : {false, true}) {
                for (std::size_t free = 0; free <= need + 8; ++free) {
                    const std::optional<test::DosMachine> m = windowWith(size, free, comspec, setBefore);
                    if (!m) continue;
                    ++runs;
                    const std::string on = what + " in " + std::to_string(size) + " bytes with " + std::to_string(free) +
                                           " free, COMSPEC of " + std::to_string(comspec) + (setBefore ? ", names set before" : "");
                    const test::DosRun run = m->run(bytes, self);
                    ASSERT_FALSE(run.abandoned) << on;
                    ASSERT_FALSE(run.cut) << on;
                    ASSERT_TRUE(run.unknown.empty()) << on << ": ran " << run.unknown[0];
                    EXPECT_LE(run.longestLine, kLongestLine) << on;
                    ASSERT_LE(run.interpreters, 2) << on;
                    ASSERT_LE(run.started.size(), 1u) << on;
                    if (run.started.empty()) {
                        ++told;
                        EXPECT_TRUE(run.echoed) << on << ": the game did not start, and the window does not say why";
                        // A stock window's second interpreter has room.
                        EXPECT_FALSE(size == 256 && comspec == 22) << on;
                        continue;
                    }
                    reran += run.interpreters - 1;
                    // Where room suffices only once old values go, the file may run itself again.
                    if (free >= need || !setBefore) {
                        EXPECT_EQ(run.interpreters, free >= need ? 1 : 2) << on;
                    }
                    const std::vector<std::string>& env = run.started[0];
                    arrivedWhole(env, on);
                    const auto ours = [&](const std::string& e) { return probes.count(e.substr(0, e.find('='))) != 0; };
                    for (const std::string& e : m->environment) {
                        const bool kept = ours(e) || isGlide(e) || std::find(env.begin(), env.end(), e) != env.end();
                        EXPECT_TRUE(kept) << on << ": " << e << " was touched";
                    }
                    for (const std::string& e : env) {
                        if (e.find('=') == std::string::npos) {
                            EXPECT_TRUE(e == "_" && free == 2 && !setBefore) << on << ": \"" << e << "\" without =";
                        } else {
                            EXPECT_FALSE(ours(e)) << on << ": " << e << " reached the program";
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(runs, 1000) << what;
    EXPECT_GT(reran, 0) << what;
    EXPECT_GT(told, 0) << what;
}

// Each box ticked, clear and greyed, and each slider moved, the others as
// start-up leaves them, for each family of cards the installed Glide may be
// for: their own lines change and no other. After the Voodoo Graphics lines
// come Voodoo2's, then Banshee's to Voodoo5's, then the start line. A
// variable that the driver reads by its presence alone is left out
// ("SET NAME=") to say "off". A Voodoo Graphics gets no clock. Each file,
// run as a double-click runs it, gives the program every value.
TEST(MakeForTheCards, EachBoxAndSliderEveryWayGivesItsOwnLines) {
    const auto linesOf = [](std::string_view block) { return test::crlfLines(std::string(block.substr(0, block.size() - 2))); };
    const std::vector<std::string> voodoo2 = linesOf(test::kWorkedVoodoo2), later = linesOf(test::kWorkedLater);
    struct Case {
        const char* control;
        int value;
        std::vector<std::string> lines;  // that differ from the worked example's, by variable
        int refresh = 1;                 // the refresh slider's position, set first
    };
    const Case cases[] = {
        {"cMem", 1, {"SET SST_FASTMEM=1", "SET SSTV2_FASTMEM_RAS_READS=1"}},
        {"cMem", 0, {}},
        {"cMem", 2, {}},
        {"cPci", 1, {"SET SST_FASTPCIRD=1", "SET SSTV2_FASTPCIRD=1"}},
        {"cPci", 0, {}},
        {"cPci", 2, {}},
        {"cBuff", 1, {"SET FX_GLIDE_SWAPINTERVAL=0"}},
        {"cBuff", 0, {}},
        {"cBuff", 2, {}},
        {"cRefresh", 1, {"SET SST_SWAP_EN_WAIT_ON_VSYNC=0"}},
        {"cRefresh", 0, {}},
        {"cRefresh", 2, {}},
        {"cColor", 1, {"SET SST_VIDEO_24BPP=1", "SET SSTV2_VIDEO_24BPP=1", "SET SST_SCREENREFRESH=85",
                       "SET SSTV2_SCREENREFRESH=85", "SET FX_GLIDE_REFRESH=85"}, 3},
        {"cColor", 0, {}},
        {"cColor", 2, {}},
        {"Check1", 1, {}},
        {"Check1", 0, {"SET FX_GLIDE_NO_SPLASH=1"}},
        {"Check1", 2, {"SET FX_GLIDE_NO_SPLASH=1"}},
        {"sGamma", 130, {"SET SST_GAMMA=1.3", "SET SSTV2_GAMMA=1.3", "SET SSTH3_RGAMMA=1.3", "SET SSTH3_GGAMMA=1.3",
                         "SET SSTH3_BGAMMA=1.3"}},
        {"sGamma", 195, {"SET SST_GAMMA=1.95", "SET SSTV2_GAMMA=1.95", "SET SSTH3_RGAMMA=1.95",
                         "SET SSTH3_GGAMMA=1.95", "SET SSTH3_BGAMMA=1.95"}},
        {"sClock", 104, {"SET SST_GRXCLK=104", "SET SSTV2_GRXCLK=104"}},
        {"sClock", 110, {"SET SST_GRXCLK=110", "SET SSTV2_GRXCLK=110"}},
        {"sRefresh", 1, {}},  // where it starts: not moved, so 0 and no FX_GLIDE_REFRESH
        {"sRefresh", 2, {"SET SST_SCREENREFRESH=75", "SET SSTV2_SCREENREFRESH=75", "SET FX_GLIDE_REFRESH=75"}},
        {"sRefresh", 3, {"SET SST_SCREENREFRESH=85", "SET SSTV2_SCREENREFRESH=85", "SET FX_GLIDE_REFRESH=85"}},
        // Neither of the first two cards keeps 100 Hz: each gets the 85 below.
        {"sRefresh", 4, {"SET SST_SCREENREFRESH=85", "SET SSTV2_SCREENREFRESH=85", "SET FX_GLIDE_REFRESH=100"}},
        {"sRefresh", 5, {"SET SST_SCREENREFRESH=120", "SET SSTV2_SCREENREFRESH=120", "SET FX_GLIDE_REFRESH=120"}},
    };
    // The settings, the start line, the end label and the empty rest.
    const std::vector<std::string> example =
        test::crlfLines(test::workedSettingsWithClock() + "HoverT~1.exe" + std::string(test::kWorkedEnd));
    const GlideCards families[] = {{}, {true, false, false}, {false, true, false}, {false, false, true}, {false, true, true}};
    for (const GlideCards& cards : families) {
        // The room sweep, per family: every amount of room for the start-up
        // settings' file and for the one whose values need the most.
        std::string startUp, longest, startUpWhat, longestWhat;
        for (const Case& c : cases) {
            Rig r;
            MainWindow& f = r.form;
            r.disk.addFile(L"C:\\Games\\Hover\\Hover Tank.exe");
            r.start();
            f.installedGlide = cards;
            f.controls.folders.setPath(L"C:\\Games\\Hover");
            ASSERT_TRUE(input::pickFile(f.controls.programs, 0));
            if (c.refresh != 1) f.controls.refresh.setValue(c.refresh);
            Control& set = f.window[c.control];
            if (set.kind() == Kind::Slider) {
                as<Slider>(set).setValue(c.value);
            } else {
                as<CheckBox>(set).setValue(c.value);
            }
            ASSERT_TRUE(input::press(f.controls.makeButton)) << c.control;

            std::vector<std::string> want(example.begin(), example.end() - 3);
            if (cards.voodoo2) want.insert(want.end(), voodoo2.begin(), voodoo2.end());
            if (cards.later) want.insert(want.end(), later.begin(), later.end());
            want.insert(want.end(), example.end() - 3, example.end());
            for (const std::string& changed : c.lines) {
                const std::string name = changed.substr(0, changed.find('=') + 1);
                for (std::string& line : want) {
                    if (line.rfind(name, 0) == 0) line = changed;
                }
            }
            if (cards.voodooGraphics || cards.none()) {
                for (std::string& line : want) {
                    if (line.rfind("SET SST_GRXCLK=", 0) == 0) {
                        line = "REM SST_GRXCLK=" + line.substr(15) + " not set: a Voodoo Graphics runs at its own clock";
                    }
                }
            }
            const std::string bytes = r.disk.read(L"C:\\Games\\Hover\\Hover Tank.bat").value_or("<missing>");
            const std::string what = std::string(c.control) + " = " + std::to_string(c.value) + ", Voodoo Graphics " +
                                     std::to_string(cards.voodooGraphics) + ", Voodoo2 " + std::to_string(cards.voodoo2) +
                                     ", later " + std::to_string(cards.later);
            EXPECT_EQ(test::crlfLines(afterCheck(bytes)), want) << what;
            // Picked again in a window that starts afresh, the file's values
            // come back, and made again it is the same file; so too with the
            // game's switches and a line of the user's in each place: before
            // the settings, before the start line, after it.
            std::string own = bytes;
            own.insert(own.find(":GLIDE\r\n") + 8, "SET BLASTER=A220 I5\r\n");
            own.replace(own.find("HoverT~1.exe"), 12, "CD \\GAMES\\HOVER\r\nHoverT~1.exe -3dfx 50%%");
            own += "ECHO Bye";
            for (const std::string& there : {bytes, own}) {
                r.disk.addFile(L"C:\\Games\\Hover\\Hover Tank.bat", there);
                MainWindow again(r.services);
                again.load();
                again.installedGlide = cards;
                again.controls.folders.setPath(L"C:\\Games\\Hover");
                ASSERT_TRUE(input::pickFile(again.controls.programs, 0));
                EXPECT_EQ(again.controls.settingsPage.caption(), L"Read from Hover Tank.bat") << what;
                EXPECT_EQ(again.controls.switches.text(), there == own ? L"-3dfx 50%" : L"") << what;
                ASSERT_TRUE(input::press(again.controls.makeButton));
                EXPECT_EQ(r.disk.read(L"C:\\Games\\Hover\\Hover Tank.bat"), there) << what;
            }
            if (startUp.empty()) std::tie(startUp, startUpWhat) = std::pair(bytes, what);
            if (afterCheck(bytes).size() > afterCheck(longest).size()) std::tie(longest, longestWhat) = std::pair(bytes, what);
        }
        expectEveryRoomEndsRight(startUp, startUpWhat);
        expectEveryRoomEndsRight(longest, longestWhat);
    }
}

// However deep the folder and long %COMSPEC%, no line of the file grows past
// what COMMAND.COM reads once %0 is the file's short path: where the line
// that runs the file again could, the file says what to do instead of
// running it, and starts nothing with values cut short.
TEST(MakeForTheCards, DeepFoldersNeverMakeALineTooLong) {
    int reran = 0, told = 0;
    for (int depth = 1; depth <= 10; ++depth) {
        std::wstring folder = L"C:";
        std::string self = "C:";
        for (int i = 0; i < depth; ++i) {
            folder += L"\\Long Folder " + std::to_wstring(i);
            self += "\\LONGFO~" + std::to_string(i + 1);
        }
        BatchSettings s;
        s.splash = true;
        s.startName = L"HoverT~1";
        s.cards = {false, true, true};
        s.batchPath = folder + L"\\Hover Tank.bat";
        const BatchFile file = batchFile(s);
        const std::string bytes(file.checkAndSwitches.begin(), file.checkAndSwitches.end());
        const std::string all = bytes + std::string(file.numbersAndStart.begin(), file.numbersAndStart.end());
        for (const std::size_t comspec : {std::size_t(22), std::size_t(40), kLongestComspec}) {
            test::DosMachine m;
            for (std::string& e : m.environment) {
                if (e.rfind("COMSPEC=", 0) == 0) e = "COMSPEC=C:\\" + std::string(comspec - 15, 'W') + "\\COMMAND.COM";
            }
            if (comspec == 22) m.environment = test::stockWindow98();
            const test::DosRun run = m.run(all, self + "\\HOVERT~1.BAT");
            const std::string what = "depth " + std::to_string(depth) + ", COMSPEC of " + std::to_string(comspec);
            EXPECT_FALSE(run.abandoned) << what;
            EXPECT_FALSE(run.cut) << what;
            EXPECT_TRUE(run.unknown.empty()) << what;
            EXPECT_LE(run.longestLine, kLongestLine) << what;
            if (run.interpreters == 2) {
                ++reran;
                EXPECT_EQ(run.started.size(), 1u) << what;
            } else {
                ++told;
                EXPECT_TRUE(run.echoed) << what;
                EXPECT_TRUE(run.started.empty()) << what;
            }
            // With room, the file goes on to the settings either way.
            m.environmentSize = 4096;
            EXPECT_EQ(m.run(all, self + "\\HOVERT~1.BAT").started.size(), 1u) << what;
        }
    }
    EXPECT_GT(reran, 0);
    EXPECT_GT(told, 0);
}

// A rate the card does not keep becomes the kept one below it, the lowest
// where none is below; 0 (the slider never moved) stays 0.
TEST(MakeForTheCards, RefreshRatesTheCardsKeep) {
    EXPECT_EQ(keptRefresh(0, kVoodoo2Rates), 0);
    EXPECT_EQ(keptRefresh(100, kVoodooGraphicsRates), 85);
    EXPECT_EQ(keptRefresh(72, kVoodoo2Rates), 60);
    EXPECT_EQ(keptRefresh(72, kVoodooGraphicsRates), 72);
    EXPECT_EQ(keptRefresh(50, kVoodoo2Rates), 60);
}

// Where nothing needs room there is nothing to check; a need smaller than
// the smallest probe asks for a little more, never less. Every probe after
// the first is made in room the first leaves when shrunk to one digit.
TEST(MakeForTheCards, RoomCheckAsksForWhatIsNeeded) {
    EXPECT_EQ(roomCheck(0, L"C:\\X.BAT"), L"");
    for (const std::size_t need : {1u, 6u, 51u, 52u, 103u, 104u, 133u, 400u}) {
        const std::vector<Probe> probes = probesFor(need);
        std::size_t bytes = 0;
        for (const Probe& p : probes) {
            bytes += p.bytes();
            EXPECT_LE(p.value.size(), kLongestProbe) << need;
            if (&p != &probes.front()) {
                EXPECT_GE(probes.front().value.size() - 1, p.name.size() + 3) << need;
            }
        }
        EXPECT_EQ(bytes, std::max<std::size_t>(need, 4)) << need;
        EXPECT_EQ(probes.front().name, L"_") << need;
    }
}

// The README's table of what each driver makes of a line has a row for every
// variable the file can set, and no other; in it, each line says what it
// does for the cards whose Glide reads it: the lines of every file for a
// Voodoo Graphics, the later lines for the cards they are written for.
TEST(MakeForTheCards, TheReadmeTellsWhatEachLineDoesOnTheCardsThatReadIt) {
    std::ifstream in(CORVANE_README);
    ASSERT_TRUE(in) << CORVANE_README;
    std::map<std::string, std::vector<std::string>> rows;  // each variable's cells
    const std::regex variable("`(?:SET )?([A-Z0-9_]+)=`");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("| `SET ", 0) != 0) continue;
        std::vector<std::string> cells;
        for (std::size_t at = 1; at < line.size();) {
            const std::size_t end = line.find(" |", at);
            if (end == std::string::npos) break;
            cells.push_back(line.substr(at + 1, end - at - 1));
            at = end + 2;
        }
        ASSERT_EQ(cells.size(), 6u) << line;
        for (std::sregex_iterator m(cells[0].begin(), cells[0].end(), variable), none; m != none; ++m) {
            rows[(*m)[1]] = cells;
        }
    }
    const auto variables = [](const GlideCards& cards) {
        GlideSettings s;
        s.cards = cards;
        std::set<std::string> out;
        const GlideLines lines = glideLines(s);
        for (const auto* part : {&lines.switches, &lines.numbers}) {
            for (const GlideLine& l : *part) out.insert(std::string(l.variable.begin(), l.variable.end()));
        }
        return out;
    };
    const std::set<std::string> everyFile = variables({});
    const std::set<std::string> all = variables({false, true, true});
    EXPECT_EQ(variables({true, false, false}), everyFile);
    ASSERT_GT(everyFile.size(), 8u);
    std::set<std::string> inReadme;
    for (const auto& [name, cells] : rows) inReadme.insert(name);
    EXPECT_EQ(inReadme, all);
    for (const std::string& name : all) {
        if (!rows.count(name)) continue;
        const std::vector<std::string>& cells = rows[name];
        const bool v2 = variables({false, true, false}).count(name) && !everyFile.count(name);
        const bool later = variables({false, false, true}).count(name) && !everyFile.count(name);
        const std::size_t column = v2 ? 4 : later ? 5 : 3;  // Voodoo Graphics, Voodoo2, Banshee to Voodoo5
        EXPECT_NE(cells[column], "-") << name << " is said to do nothing on the cards that read it";
        EXPECT_FALSE(cells[2].empty()) << name << ": what the file says";
    }
}

// The worked example where the installed Glide is Voodoo2's: its six lines
// before the start line.
TEST_F(Make, WorkedExampleForAVoodoo2) {
    f.installedGlide.voodoo2 = true;
    choose(L"C:\\Games\\Hover", L"Hover Tank.exe");
    ASSERT_TRUE(input::press(f.controls.makeButton));
    EXPECT_EQ(afterCheck(file(L"C:\\Games\\Hover\\Hover Tank.bat")),
              test::workedSettingsWithClock() + std::string(test::kWorkedVoodoo2) + "HoverT~1.exe\r\n:DONE\r\n");
}

TEST_F(Make, GreyedBoxCountsAsClearAndTrueColourIsClearedWhenDisabled) {
    choose(L"C:\\", L"Racer.exe");
    f.controls.fastMemory.setValue(2);
    input::clickTab(f.controls.tabs, 2);
    input::moveSlider(f.controls.refresh, 3);
    input::toggle(f.controls.trueColour);
    input::moveSlider(f.controls.refresh, 2);
    ASSERT_FALSE(f.controls.trueColour.enabled());
    input::clickTab(f.controls.tabs, 1);
    input::type(f.controls.batchName, L"Racer");
    input::press(f.controls.makeButton);
    const std::string bytes = file(L"C:\\Racer.bat");
    EXPECT_NE(bytes.find("SET SST_FASTMEM=0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("SET SST_VIDEO_24BPP=0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("SET SST_SCREENREFRESH=75\r\n"), std::string::npos);
}

// The start line names the program the system knows by that short name:
// the rule's spelling where the system agrees, the system's short name where
// it differs, the long name (quoted, "%" doubled) where the volume keeps no
// short names or the system can't say.
TEST_F(Make, StartLineNamesThePickedProgram) {
    struct Case {
        const wchar_t* program;
        std::optional<std::optional<std::wstring>> system;  // unset: the name the disk makes
        const char* line;
    };
    const Case cases[] = {
        {L"Hover Tank", {}, "HoverT~1.exe"},
        {L"Racer", {}, "Racer.exe"},
        {L"Overdrive", {}, "Overdr~1.exe"},
        {L"Big Red Car Race", {}, "BigRed~1.exe"},
        {L"a b c d e", {}, "abcde~1.exe"},
        {L"12345678", {}, "12345678.exe"},
        {L"A  B  C  D", {}, "ABCD~1.exe"},
        {L"100%", {}, "100%%.exe"},
        {L"  lead", {}, "LEAD~1.EXE"},
        {L"Q.U.A.K.E", {}, "QUAKE~1.EXE"},
        {L"My Game", {}, "MYGAME~1.EXE"},
        {L"Hover Tank", std::optional<std::wstring>(L"HOVE~4WI.EXE"), "HOVE~4WI.EXE"},
        {L"Hover Tank", std::optional<std::wstring>(L"Hover Tank.exe"), "\"Hover Tank.exe\""},
        {L"Hover Tank", std::optional<std::wstring>(), "\"Hover Tank.exe\""},
        {L"100% Speed", std::optional<std::wstring>(L"100% Speed.exe"), "\"100%% Speed.exe\""},
        {L"R&D Racer", std::optional<std::wstring>(), "\"R&D Racer.exe\""},
        {L"Odd(1)", std::optional<std::wstring>(L"ODD(1)~1.EXE"), "\"ODD(1)~1.EXE\""},
    };
    for (const Case& c : cases) {
        Rig q;
        const std::wstring path = joinPath(L"C:\\", std::wstring(c.program) + L".exe");
        q.disk.addFile(path);
        if (c.system) q.disk.setShortName(path, *c.system);
        q.start();
        input::pickFile(q.form.controls.programs, 0);
        input::type(q.form.controls.batchName, L"out");
        ASSERT_TRUE(input::press(q.form.controls.makeButton));
        const std::string bytes = q.disk.read(L"C:\\out.bat").value_or("");
        EXPECT_EQ(startOf(bytes), c.line) << std::string(path.begin(), path.end());
    }
}

TEST_F(Make, ProgramsSharingTheirFirstSixCharactersEachStartThemselves) {
    r.disk.addFile(L"C:\\Tomb Raider.exe");
    r.disk.addFile(L"C:\\Tomb Raider Setup.exe");
    r.start();
    for (int i = 0; i < 2; ++i) {
        input::pickFile(f.controls.programs, i);
        input::type(f.controls.batchName, L"b" + std::to_wstring(i));
        input::press(f.controls.makeButton);
    }
    // Listed by name: "Tomb Raider Setup.exe" first, made second.
    EXPECT_EQ(startOf(file(L"C:\\b0.bat")), "TOMBRA~2.EXE");
    EXPECT_EQ(startOf(file(L"C:\\b1.bat")), "TombRa~1.exe");
}

// The batch name is a file's name in the program's folder: taken as typed
// where it is one, refused before the question where it is not, with what
// is wrong with it; the message breaks a long path into lines.
TEST_F(Make, BatchNameIsAFileNameInTheProgramsFolder) {
    choose(L"C:\\", L"Racer.exe");
    const std::wstring longName(320, L'x');
    // Folders of 245 and 246 characters: Windows makes a temporary file only
    // in a folder of at most MAX_PATH - 14 with its last backslash.
    const std::wstring deepest = L"C:\\" + std::wstring(242, L'd'), tooDeep = deepest + L"e";
    const struct {
        std::wstring typed;
        const wchar_t* says;  // the message, or the question where it is made
        std::wstring folder = L"C:\\";
        std::wstring switches = L"";  // and, where made with them, the start line
        const char* start = "Racer.exe";
    } cases[] = {
        {L"race.bat", L"Make C:\\race.bat.bat?"},
        // The switches arrive as typed, under COMMAND.COM and CMD alike.
        {L"s1", L"Make C:\\s1.bat?", L"C:\\", L"-a \"x & y^\" 50%", "Racer.exe -a \"x & y^\" 50%%"},
        {L"s2", L"The switches hold \"|\", which the batch interpreter takes for its own.", L"C:\\", L"-a \"x|y\""},
        {L"s3", L"The switches hold \">\", which", L"C:\\", L"-a >x"},
        {L"s4", L"The switches hold \"&\" outside double quotes, which the batch interpreter takes for its own there.",
         L"C:\\", L"-a & del x"},
        {L"s5", L"The switches hold \"^\" outside double quotes", L"C:\\", L"-a^b"},
        {L"s6", L"The line that starts the game would be 126 characters long; COMMAND.COM reads lines of at most 125.",
         L"C:\\", std::wstring(116, L'%')},
        {L"s7", L"Make C:\\s7.bat?", L"C:\\", std::wstring(115, L'x'), "Racer.exe "},
        {L"s8", L"The switches \"\u65e5\" holds characters that batch files on this system (code page 437)", L"C:\\", L"\u65e5"},
        {L"com10", L"Make C:\\com10.bat?"},
        {L"my game ", L"Make C:\\my game .bat?"},
        {L"   ", L"cannot be only blanks and dots."},
        {L". .", L"cannot be only blanks and dots."},
        {L"a:b", L"cannot hold \":\"."},
        {L"..\\up", L"cannot hold \"\\\"."},
        {L"nowhere/x", L"cannot hold \"/\"."},
        {L"tab\there", L"cannot hold control characters."},
        {L"con", L"\"con\" is the name of a device, not of a file."},
        {L"Lpt1 .txt", L"\"Lpt1\" is the name of a device, not of a file."},
        {longName, L"The path is 327 characters long; Corvane makes batch files at paths of at most 255."},
        {L"CONIN$", L"\"CONIN$\" is the name of a device, not of a file."},
        {L"conout$.txt", L"\"conout$\" is the name of a device, not of a file."},
        {L"Clock$", L"\"Clock$\" is the name of a device, not of a file."},
        {L"COM\u00B9", L"\"COM\u00B9\" is the name of a device, not of a file."},
        {L"lpt\u00B3.doc", L"\"lpt\u00B3\" is the name of a device, not of a file."},
        {L"b", L"Make C:\\ddd", deepest},
        {L"b", L"The folder's path is 246 characters long; Corvane makes batch files in folders of at most 245.", tooDeep},
    };
    for (const auto& c : cases) {
        if (c.folder != f.controls.folders.path()) {
            r.disk.addFile(joinPath(c.folder, L"Racer.exe"));
            f.controls.folders.setPath(c.folder);
            input::pickFile(f.controls.programs, 0);
        }
        r.messages.shown.clear();
        input::type(f.controls.batchName, c.typed);
        input::type(f.controls.switches, c.switches);
        ASSERT_TRUE(input::press(f.controls.makeButton));
        const std::wstring& prompt = r.messages.shown.at(0).prompt;
        const std::wstring path = joinPath(c.folder, c.typed + L".bat");
        const bool made = std::wstring_view(c.says).starts_with(L"Make ");
        EXPECT_NE(prompt.find(c.says), std::wstring::npos) << prompt;
        if (!made) { EXPECT_EQ(prompt.rfind(L"Cannot make " + path + L".\n\n", 0), 0u) << prompt; }
        EXPECT_EQ(r.disk.exists(path), made) << prompt;
        if (made) { EXPECT_EQ(startOf(file(path)).rfind(c.start, 0), 0u) << startOf(file(path)); }
    }
    EXPECT_EQ(r.disk.paths().size(), 12u);  // C:\, two deep folders, three programs and the six files made
    const std::wstring fitted = breakLongRuns(L"Cannot make C:\\" + longName + L".bat.");
    for (std::size_t at = 0, end; at < fitted.size(); at = end + 1) {
        end = std::min(fitted.find(L'\n', at), fitted.size());
        EXPECT_LE(end - at, kLongestRun);
    }
    const std::wstring a58(58, L'a');
    EXPECT_EQ(breakLongRuns(L"Make C:\\" + a58 + L"\\b.bat?"), L"Make C:\\\n" + a58 + L"\\\nb.bat?");
}

TEST_F(Make, CancelWritesNothingAndKeepsTheName) {
    choose(L"C:\\Games", L"Racer.exe");
    r.messages.answers = {2};
    ASSERT_TRUE(input::press(f.controls.makeButton));
    EXPECT_FALSE(r.disk.exists(L"C:\\Games\\Racer.bat"));
    EXPECT_TRUE(temps().empty());
    EXPECT_EQ(f.controls.batchName.text(), L"Racer");
    EXPECT_TRUE(f.controls.makeButton.enabled());
    EXPECT_EQ(f.controls.lastBatchPath.caption(), L"C:\\Games\\Racer.bat");
}

// A file of one of Corvane's forms, made again the same from its values, is
// replaced after the one question, the user's lines kept; any other file
// there is asked about with its first lines, or the line that Corvane would
// not make, shown and Cancel the default, and Cancel leaves it byte for byte.
TEST_F(Make, FileThereIsReplacedOnlyWhenItIsCorvanesOrTheUserSaysSo) {
    const std::string made = workedExample("HoverT~1.exe");
    const std::string beforeItsMark = made.substr(0, 11) + made.substr(made.find("REM Under"));
    const std::string launcher = "@echo off\r\nCALL SOUND.BAT\r\nHOVER.EXE /F\r\n";
    const auto edited = [&](const std::string& line, const std::string& to) {
        std::string out = made;
        return out.replace(out.find(line), line.size(), to);
    };
    const std::wstring notAsMade = L"but this line is not as Corvane makes it:\n\n    ";
    const struct {
        std::string there;
        std::wstring asked;  // a part of the question; empty for the plain one
        std::string kept = {};  // the file after OK, where it is not `made`
    } cases[] = {
        {made, L""},
        {beforeItsMark, L""},
        {std::string(test::kFirstForm), L""},
        {std::string(test::kFirstForm) + "\r\n", L""},
        {edited("HoverT~1.exe", "HoverT~1"), L""},  // before start lines named the extension
        {edited("SET SST_GAMMA=0.25\r\n", "SET SST_GAMMA=1.55\r\n\r\n"), L"", edited("0.25\r\n", "0.25\r\n\r\n")},
        {made + "SET BLASTER=A220 I5\r\n", L"", made + "SET BLASTER=A220 I5\r\n"},
        {edited("HoverT~1.exe", "CD \\GAMES\r\nHoverT~1.exe -3dfx"), L"", edited("HoverT~1.exe", "CD \\GAMES\r\nHoverT~1.exe")},
        {launcher, L"Corvane did not make it. It begins:\n\n    @echo off\n    CALL SOUND.BAT\n\nReplace it? What it holds"},
        {"@echo off\r\n" + std::string(test::kWorkedSettings) + "HoverT~1\r\n", L"did not make it"},
        {std::string("MZ\x90\0\x03\r\n", 7) + std::string(5000, '\x1A'), L"It begins:\n\n    MZ\x00C9??\n    " + std::wstring(60, L'?') + L"...\n"},
        {"", L"It is empty."},
        {made + "REM " + std::string(5000, 'x') + "\r\n", L"too long to be Corvane's (over 4096 bytes). It begins:\n\n    @echo off"},
        // What the window would show is not what the game gets.
        {"REM Made by Corvane \r\nDEL *.EXE\r\n:DONE\r\n", notAsMade + L"DEL *.EXE\n"},
        {edited("SET SST_GAMMA=0.25", "SET SST_GAMMA=1.3 & ECHO X>C:\\x.txt"), notAsMade + L"SET SST_GAMMA=1.3 & ECHO X>C:\\x.txt\n"},
        {edited("SET SST_GAMMA=0.25", "SET SST_GAMMA=0.25\rDEL X"), notAsMade + L"SET SST_GAMMA=0.25?DEL X\n"},
        {edited(":GLIDE\r\n", ":GLIDE\r\nECHO A\nDEL X\r\n"), notAsMade + L"ECHO A?DEL X\n"},
        {edited(":GLIDE\r\n", ":GLIDE\r\n\x1A\r\n"), notAsMade + L"?\n"},
        {edited(":GLIDE\r\n", std::string(":GLIDE\r\nECHO \0\r\n", 16)), notAsMade + L"ECHO ?\n"},
        {edited(":GLIDE\r\n", ":GLIDE\r\nREM x > C:\\AUTOEXEC.BAT\r\n"), notAsMade + L"REM x > C:\\AUTOEXEC.BAT\n"},
        {edited(":GLIDE\r\n", ":GLIDE\r\nGOTO GLIDE\r\n"), notAsMade + L"GOTO GLIDE\n"},
        {edited("SET SST_FASTMEM=0", "SET SST_FASTMEM=1\r\nSET SST_FASTMEM=0"), notAsMade + L"SET SST_FASTMEM=0\n"},
        {edited("SET SST_FASTMEM=0", "set sst_fastmem=0"), notAsMade + L"set sst_fastmem=0\n"},
        {edited("SET SST_FASTMEM=0\r\n", ""), L"lacks this line of Corvane's:\n\n    SET SST_FASTMEM=0\n"},
        {edited("HoverT~1.exe", "HoverT~1.exe&DEL X"), notAsMade + L"HoverT~1.exe&DEL X\n"},
        {edited(":DONE\r\n", ":DONE"), notAsMade + L":DONE\n"},
        {workedExample("GLQUAKE.EXE"), L"was made by Corvane to start GLQUAKE.EXE.\n\nMake it start HoverT~1.exe instead?"},
    };
    choose(L"C:\\Games\\Hover", L"Hover Tank.exe");
    const std::wstring batch = L"C:\\Games\\Hover\\Hover Tank.bat";
    for (const auto& c : cases) {
        for (const int answer : {2, 1}) {
            r.disk.addFile(batch, c.there);
            r.messages.shown.clear();
            r.messages.answers = {answer};
            input::type(f.controls.batchName, L"Hover Tank");
            ASSERT_TRUE(input::press(f.controls.makeButton));
            ASSERT_EQ(r.messages.shown.size(), 1u);
            const test::Message& m = r.messages.shown[0];
            const bool plain = c.asked.empty();
            EXPECT_EQ(m.buttons, plain ? 1 : 1 + 48 + 256) << c.there;
            if (plain) { EXPECT_EQ(m.prompt, L"Make " + batch + L"?"); }
            if (!plain) { EXPECT_EQ(m.prompt.find(batch + L" "), 0u) << c.there; }
            EXPECT_NE(m.prompt.find(c.asked), std::wstring::npos) << m.prompt;
            EXPECT_EQ(file(batch), answer == 2 ? c.there : c.kept.empty() ? made : c.kept) << c.there;
            EXPECT_TRUE(temps().empty());
        }
    }
    r.disk.remove(batch);
    r.disk.addFolder(batch);
    input::type(f.controls.batchName, L"Hover Tank");
    input::press(f.controls.makeButton);
    EXPECT_EQ(r.messages.shown.back().prompt, L"Could not make " + batch + L".\n\nA folder has this name.");
}

// A hand's edit that an interpreter runs otherwise than the window would
// show makes the file not Corvane's; each one bites, as the models of
// COMMAND.COM and CMD run it, where the row says.
TEST(HiddenEdits, RunOtherwiseThanTheFileAsMadeAndAreNotCorvanes) {
    const std::string made = workedExample("HoverT~1.exe");
    const std::string self = "C:\\GAMES\\HOVER\\HOVERT~1.BAT";
    const auto ran = [&](const std::string& file, bool nt) {
        test::DosMachine m;
        m.nt = nt;
        m.environmentSize = 4096;
        const test::DosRun r = m.run(file, self);
        std::string out = r.abandoned ? "abandoned; " : "";
        for (std::size_t i = 0; i < r.started.size(); ++i) {
            out += "started with \"" + r.tails[i] + "\":";
            for (const std::string& e : r.started[i]) out += e.starts_with("SST") || e.starts_with("FX_") ? " " + e : "";
        }
        for (const std::string& u : r.unknown) out += "; ran " + u;
        return out;
    };
    ASSERT_EQ(ran(made, false).rfind("started with \"\": ", 0), 0u);
    for (const test::HiddenEdit& e : test::kHiddenEdits) {
        const std::string edited = test::hiddenEdit(made, e);
        EXPECT_EQ(readBack(edited, true, Cp437(), L"C:\\GAMES\\HOVER\\HOVERT~1.BAT").maker, FoundBatch::Maker::Altered) << e.what;
        for (const bool nt : {false, true}) {
            if (nt ? e.cmd : e.commandCom) {
                EXPECT_NE(ran(edited, nt), ran(made, nt)) << e.what << (nt ? ", CMD" : ", COMMAND.COM");
            }
        }
    }
}

// A pick reads the file at the batch path proposed: where Corvane made it,
// the settings page shows its values and says so, until a setting changes
// or another program is picked. A value the window can't show, or a line
// missing, leaves its control as it was, and the page names it; a file
// Corvane did not make is not read; one that can't be read, the page says why.
TEST_F(Make, PickingAGameShowsTheSettingsItsFileHolds) {
    const std::string made = workedExample("HoverT~1.exe");
    const auto edited = [&](const std::string& line, const std::string& to) {
        std::string out = made;
        const std::size_t at = out.find(line);
        return out.replace(at, out.find('\r', at) - at, to);
    };
    std::string first(test::kFirstForm);  // Fast PCI and the splash screen by value, 100 Hz as chosen
    first.replace(first.find("FASTPCIRD=0"), 11, "FASTPCIRD=1").replace(first.find("SPLASH=0"), 8, "SPLASH=1");
    first.replace(first.find("REFRESH=0"), 9, "REFRESH=100");
    const std::string shown = "cMem 0 cPci 0 cBuff 0 cRefresh 0 cColor 0 Check1 1 sGamma 25 sClock 90 RefreshHz 0";
    const struct {
        std::string there;  // "<folder>": a folder of that name
        const wchar_t* words;
        std::string settings;  // as the window shows them after the pick
    } cases[] = {
        {made, L"Read from Hover Tank.bat", shown},
        // Fast PCI and no splash screen: the driver tests these for being set at all.
        {std::string(test::kFirstForm), L"Read from Hover Tank.bat", "cMem 0 cPci 1 cBuff 0 cRefresh 0 cColor 0 Check1 0 sGamma 25 sClock 90 RefreshHz 0"},
        {first, L"Read from Hover Tank.bat", "cMem 0 cPci 1 cBuff 0 cRefresh 0 cColor 0 Check1 0 sGamma 25 sClock 90 RefreshHz 100"},
        {edited("SET SST_GAMMA=0.25", "SET SST_GAMMA=2.55"), L"Hover Tank.bat: Gamma not read", shown},
        {edited("SET SST_GAMMA=0.25", "SET SST_GAMMA=2.5"), L"Hover Tank.bat: not as Corvane makes it", shown},  // its check asks for more room
        {edited("SET SST_VIDEO_24BPP=", "SET SST_VIDEO_24BPP=1"), L"Hover Tank.bat: 24-Bit Color not read", shown},
        {edited("HoverT~1.exe", "HoverT~1.exe -3dfx +set 100%%"), L"Read from Hover Tank.bat", shown + " -3dfx +set 100%"},
        {made + "SET BLASTER=A220\r\n", L"Read from Hover Tank.bat", shown},
        // What the game would get is not what the window would show.
        {edited("SET SST_GAMMA=", "SET SST_GAMMA=0.255"), L"Hover Tank.bat: not as Corvane makes it", shown},
        {edited("REM SST_GRXCLK=", "REM SST_GRXCLK=x9 not set: a Voodoo Graphics runs at its own clock"),
         L"Hover Tank.bat: not as Corvane makes it", shown},
        {edited("SET SST_SCREENREFRESH=", "SET SST_SCREENREFRESH=72"), L"Hover Tank.bat: not as Corvane makes it", shown},
        {edited("SET SST_FASTMEM=0", "SET SST_FASTMEM=1\r\nSET SST_FASTMEM=0"), L"Hover Tank.bat: not as Corvane makes it", shown},
        {edited("SET SST_GAMMA=", "SET SST_GAMMA=1.3\r\nSET SSTV2_GAMMA=0.5"), L"Hover Tank.bat: not as Corvane makes it", shown},
        {edited("SET SST_GAMMA=", ""), L"Hover Tank.bat: not as Corvane makes it", shown},
        {"@echo off\r\nSET SST_GAMMA=1.3\r\nHOVER\r\n", L"Set Parameters", shown},
        {"<folder>", L"Hover Tank.bat: A folder has this name.", shown},
    };
    r.disk.addFile(L"C:\\Games\\Hover\\Hover Tank.exe");
    r.disk.addFile(L"C:\\Games\\Hover\\other.exe");
    r.start();
    f.controls.folders.setPath(L"C:\\Games\\Hover");
    const auto settings = [&] {
        std::string out;
        for (const char* box : {"cMem", "cPci", "cBuff", "cRefresh", "cColor", "Check1"}) {
            out += std::string(box) + " " + std::to_string(f.window.get<CheckBox>(box).value()) + " ";
        }
        const std::wstring& switches = f.controls.switches.text();
        return out + "sGamma " + std::to_string(f.controls.gamma.value()) + " sClock " + std::to_string(f.controls.clock.value()) +
               " RefreshHz " + std::to_string(f.refreshHz) + (switches.empty() ? "" : " ") + std::string(switches.begin(), switches.end());
    };
    const std::wstring batch = L"C:\\Games\\Hover\\Hover Tank.bat";
    for (const auto& c : cases) {
        r.disk.remove(batch);
        if (c.there == "<folder>") r.disk.addFolder(batch);
        if (c.there != "<folder>") r.disk.addFile(batch, c.there);
        input::pickFile(f.controls.programs, 1);  // other.exe, which has no file: the start-up settings
        ASSERT_EQ(f.controls.settingsPage.caption(), L"Set Parameters");
        ASSERT_TRUE(input::pickFile(f.controls.programs, 0));
        EXPECT_EQ(f.controls.settingsPage.caption(), c.words) << c.there;
        EXPECT_EQ(settings(), c.settings) << c.there;
        EXPECT_EQ(f.controls.refreshCaption.caption(), f.refreshHz == 100 ? L"Refresh: 100Hz" : L"Refresh: 60Hz");
        EXPECT_EQ(f.controls.trueColour.enabled(), f.refreshHz == 100);
        // Back to the start-up values for the next, by the user's hand:
        // the words stay only until a setting changes.
        input::clickTab(f.controls.tabs, 2);
        input::moveSlider(f.controls.refresh, 2);
        EXPECT_EQ(f.controls.settingsPage.caption(), L"Set Parameters");
        input::moveSlider(f.controls.refresh, 1);
        for (const char* box : {"cMem", "cPci", "cBuff", "cRefresh", "cColor"}) f.window.get<CheckBox>(box).setValue(0);
        f.controls.splash.setValue(1);
        f.controls.gamma.setValue(25);
        f.refreshHz = 0;
        input::clickTab(f.controls.tabs, 1);
    }
    // A file that can't be read: the page says why, the settings stay.
    r.disk.remove(batch);
    r.disk.addFile(batch, made);
    r.disk.locked.insert(batch);
    input::pickFile(f.controls.programs, 0);
    EXPECT_EQ(f.controls.settingsPage.caption(), L"Hover Tank.bat: The process cannot access...");
    EXPECT_EQ(SettingsFile::readWords(L"A Very Long Name Of A Game.bat", {L"Gamma", L"Refresh"}),
              L"A Very L...Game.bat: Gamma, Refresh not read");
}

TEST_F(Make, WriteFailuresAreReportedAndCostNothing) {
    struct Failure {
        const char* what;
        std::function<void(test::MemoryDisk&)> arrange;
        const wchar_t* reason;
    };
    const Failure failures[] = {
        {"read-only folder", [](test::MemoryDisk& d) { d.readOnly.insert(L"C:\\Games"); }, L"Access is denied."},
        {"disk full in the first write", [](test::MemoryDisk& d) { d.spaceLeft = 100; },
         L"There is not enough space on the disk."},
        {"disk full in the second write", [](test::MemoryDisk& d) { d.spaceLeft = 200; },
         L"There is not enough space on the disk."},
        {"target locked", [](test::MemoryDisk& d) { d.locked.insert(L"C:\\Games\\Racer.bat"); },
         L"The process cannot access the file because it is being used by another process."},
    };
    for (const Failure& fail : failures) {
        Rig q;
        q.disk.addFile(L"C:\\Games\\Racer.exe");
        q.disk.addFile(L"C:\\Games\\Racer.bat", "precious");
        q.start();
        q.form.controls.folders.setPath(L"C:\\Games");
        input::pickFile(q.form.controls.programs, 0);
        fail.arrange(q.disk);
        ASSERT_TRUE(input::press(q.form.controls.makeButton)) << fail.what;
        // The old file is not Corvane's: asked about, or, locked, not even read.
        ASSERT_EQ(q.messages.shown.size(), std::string_view(fail.what) == "target locked" ? 1u : 2u) << fail.what;
        const test::Message& m = q.messages.shown.back();
        EXPECT_EQ(m.title, L"3dfx Corvane");
        EXPECT_EQ(m.buttons, 48);
        EXPECT_NE(m.prompt.find(L"C:\\Games\\Racer.bat"), std::wstring::npos) << fail.what;
        EXPECT_NE(m.prompt.find(fail.reason), std::wstring::npos) << fail.what;
        EXPECT_EQ(q.disk.read(L"C:\\Games\\Racer.bat"), "precious") << fail.what;
        EXPECT_EQ(q.disk.paths().size(), 4u) << fail.what;  // C:\, the folder, the program, the old file
        EXPECT_EQ(q.form.controls.batchName.text(), L"Racer") << fail.what;
        EXPECT_TRUE(q.form.controls.makeButton.enabled()) << fail.what;
        EXPECT_EQ(q.program.ends, 0) << fail.what;
        // Once the cause is gone, the same press succeeds.
        q.disk.readOnly.clear();
        q.disk.locked.clear();
        q.disk.spaceLeft.reset();
        ASSERT_TRUE(input::press(q.form.controls.makeButton));
        EXPECT_EQ(q.disk.read(L"C:\\Games\\Racer.bat").value_or("").substr(0, 9), "@echo off") << fail.what;
    }
}

// Only what the file holds must be in its code page: the name the start
// line runs, not the long name beside a short one, nor the batch name.
TEST_F(Make, NamesTheFileHoldsOutsideItsCodePageAreRefused) {
    choose(L"C:\\Games", L"\u65e5\u672c Racer.exe");
    input::type(f.controls.batchName, L"fine");
    ASSERT_TRUE(input::press(f.controls.makeButton));
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].title, L"3dfx Corvane");
    EXPECT_EQ(r.messages.shown[0].buttons, 48);
    EXPECT_NE(r.messages.shown[0].prompt.find(L"program name"), std::wstring::npos);
    EXPECT_NE(r.messages.shown[0].prompt.find(L"437"), std::wstring::npos);
    EXPECT_FALSE(r.disk.exists(L"C:\\Games\\fine.bat"));
    EXPECT_EQ(f.controls.batchName.text(), L"fine");

    Rig q;
    q.disk.addFile(L"C:\\Racer.exe");
    q.disk.addFile(L"C:\\\u00DE\u00F3r.exe");  // Þ is in neither; the disk's short name is plain ASCII
    q.disk.setShortName(L"C:\\\u00DE\u00F3r.exe", L"__R~~ADX.EXE");
    q.start();
    input::pickFile(q.form.controls.programs, 0);
    input::type(q.form.controls.batchName, L"\u0152uvre");  // Œ is in the ANSI code page, not in the OEM one
    input::press(q.form.controls.makeButton);
    ASSERT_EQ(q.messages.shown.size(), 1u);
    EXPECT_EQ(q.messages.shown[0].prompt, L"Make C:\\\u0152uvre.bat?");
    EXPECT_EQ(startOf(q.disk.read(L"C:\\\u0152uvre.bat").value_or("")), "Racer.exe");
    input::pickFile(q.form.controls.programs, 1);
    input::press(q.form.controls.makeButton);
    EXPECT_EQ(startOf(q.disk.read(L"C:\\\u00DE\u00F3r.bat").value_or("")), "__R~~ADX.EXE");
}

// COMMAND.COM and CMD read the file in the OEM code page: 437 here, where é is 0x82 (0xE9 in 1252).
TEST_F(Make, LatinNamesAreWrittenInTheCodePage) {
    choose(L"C:\\Jeux", L"Caf\u00e9.exe");
    input::press(f.controls.makeButton);
    EXPECT_EQ(startOf(file(L"C:\\Jeux\\Caf\u00e9.bat")), "Caf\x82.exe");
}

// Every value of each setting, for every set of cards, with switches and
// without: the file reads back as Corvane's, to those values (a refresh a
// card can't keep, to the one it keeps), and made again it is the same file.
TEST(ReadBack, EveryFileTheWriterMakesReadsBackToItsValues) {
    const Cp437 cp;
    std::vector<std::pair<Setting, int>> values;
    for (const Setting box : {Setting::FastMemory, Setting::FastPci, Setting::FastBuffering, Setting::FastRefresh,
                              Setting::TrueColour, Setting::Splash}) {
        values.insert(values.end(), {{box, 0}, {box, 1}});
    }
    for (int gamma = 25; gamma <= 195; ++gamma) values.emplace_back(Setting::Gamma, gamma);
    for (int clock = 90; clock <= 110; ++clock) values.emplace_back(Setting::Clock, clock);
    for (const int hz : {0, 60, 75, 85, 100, 120}) values.emplace_back(Setting::Refresh, hz);
    for (int cards = 0; cards < 8; ++cards) {
        for (const auto& [setting, value] : values) {
            BatchSettings s;
            s.cards = {(cards & 1) != 0, (cards & 2) != 0, (cards & 4) != 0};
            s.set(setting, value);
            s.startName = L"HOVERT~1.EXE";
            s.switches = value % 2 == 0 ? L"" : L"-3dfx \"a & b\" 9%";
            s.batchPath = L"C:\\GAMES\\HOVER\\HOVER.BAT";
            s.version = L"1.2.3";
            const BatchFile file = batchFile(s);
            const std::string bytes = *cp.encode(file.checkAndSwitches + file.numbersAndStart);
            const FoundBatch found = readBack(bytes, true, cp, s.batchPath);
            const std::string what = std::to_string(static_cast<int>(setting)) + " = " + std::to_string(value) + ", cards " + std::to_string(cards);
            ASSERT_EQ(found.maker, FoundBatch::Maker::Corvane) << what;
            if (setting != Setting::Refresh || cards == 4 || value == 0) {
                EXPECT_EQ(found.settings.value(setting), value) << what;
            }
            EXPECT_EQ(found.settings.switches, s.switches) << what;
            const BatchFile again = batchFile(found.settings);
            EXPECT_EQ(again.checkAndSwitches + again.numbersAndStart, file.checkAndSwitches + file.numbersAndStart) << what;
        }
    }
}

TEST(StartLine, OnlyNamesTheInterpreterWouldMisreadChange) {
    EXPECT_EQ(startLine(L"Racer"), L"Racer");
    EXPECT_EQ(startLine(L"HoverT~1"), L"HoverT~1");
    EXPECT_EQ(startLine(L"Q.U.A.~1"), L"Q.U.A.~1");
    EXPECT_EQ(startLine(L"My Game"), L"\"My Game\"");
    EXPECT_EQ(startLine(L"R&D"), L"\"R&D\"");
    EXPECT_EQ(startLine(L"up^"), L"\"up^\"");
    EXPECT_EQ(startLine(L"100%"), L"100%%");
    EXPECT_EQ(startLine(L"%a b%"), L"\"%%a b%%\"");
    EXPECT_EQ(startLine(L"(x)"), L"\"(x)\"");
    EXPECT_EQ(startLine(L"a,b;c=d"), L"\"a,b;c=d\"");
    // The interpreter's own commands would run instead of the program, and
    // a leading "@" would only hide the line.
    EXPECT_EQ(startLine(L"START"), L".\\START");
    EXPECT_EQ(startLine(L"pause"), L".\\pause");
    EXPECT_EQ(startLine(L"Set.up"), L".\\Set.up");
    EXPECT_EQ(startLine(L"@GAME"), L".\\@GAME");
    EXPECT_EQ(startLine(L"STARTUP"), L"STARTUP");
    EXPECT_EQ(startLine(L"@ GAME"), L"\"@ GAME\"");
    EXPECT_EQ(startLine(L"KEYS"), L".\\KEYS");
    EXPECT_EQ(startLine(L"dpath"), L".\\dpath");
    // Each as the tests' COMMAND.COM and CMD run it: the program, once.
    for (const char* name : {"START", "pause", "@GAME", "STARTUP", "100%", "R&D", "KEYS", "dpath", "LFNFOR"}) {
        const std::wstring wide(name, name + std::char_traits<char>::length(name));
        const std::wstring line = startLine(wide);
        for (const bool nt : {false, true}) {
            test::DosMachine m;
            m.nt = nt;
            m.program = name;
            const test::DosRun run = m.run("@echo off\r\n" + std::string(line.begin(), line.end()) + "\r\n", "X.BAT");
            EXPECT_EQ(run.started.size(), 1u) << name;
            EXPECT_TRUE(run.unknown.empty()) << name;
        }
    }
}

TEST_F(Make, BlankInALongNameIsQuotedSoTheRightProgramStarts) {
    choose(L"C:\\", L"My Game.exe");
    r.disk.setShortName(L"C:\\My Game.exe", L"My Game.exe");  // a volume without short names
    input::press(f.controls.makeButton);
    const std::string bytes = file(L"C:\\My Game.bat");
    EXPECT_EQ(afterCheck(bytes), afterCheck(workedExample("\"My Game.exe\"")));
}

}  // namespace
}  // namespace corvane
