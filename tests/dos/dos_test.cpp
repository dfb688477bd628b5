// The batch file under a real DOS command interpreter: DOSBox's shell, run
// without a screen, starting a game of our own that writes down the
// environment it was given (dos/game.asm). Each family's worked example, in
// a window with room and in one whose environment is nearly full.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "batch/batch_text.h"
#include "support/command_com.h"
#include "support/worked_example.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct GameRun {
    int depth;                     // 1: started by the file; 2: by the second interpreter
    std::vector<std::string> env;  // its environment
};

struct DosBoxRun {
    std::vector<GameRun> games;  // each start of the game
    std::string shown;           // what the file and its interpreters wrote to the screen
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}


// Writes `batch` as C:\GAMES\HOVER\HOVER.BAT beside the game, named as its
// start line names it, and runs it in DOSBox from that folder, by its path
// as Windows 98 starts a double-clicked file, after `fill` (commands of the
// DOSBox start-up). With `ownInterpreter` the file runs in an interpreter of
// its own (which DOSBox gives a copy of the used strings and a little more),
// whose input is a few line ends, for a PAUSE, and whose output is kept;
// without, in DOSBox's first one (about 1 KiB).
DosBoxRun runInDosBox(const std::string& batch, const std::vector<std::string>& fill, bool ownInterpreter) {
    char pattern[] = "/tmp/corvane-dos-XXXXXX";
    const fs::path root = mkdtemp(pattern);
    const fs::path folder = root / "GAMES" / "HOVER";
    fs::create_directories(folder);
    std::ofstream(folder / "HOVER.BAT", std::ios::binary) << batch;
    fs::copy_file(CORVANE_DOS_GAME, folder / test::startOf(batch));
    {
        std::ofstream conf(root / "dosbox.conf");
        conf << "[sdl]\noutput=surface\n[mixer]\nnosound=true\n[autoexec]\nmount c " << root.string()
             << "\nc:\ncd \\GAMES\\HOVER\n";
        for (const std::string& f : fill) conf << f << "\n";
        conf << (ownInterpreter ? "command /C C:\\GAMES\\HOVER\\HOVER.BAT < C:\\KEYS.TXT > C:\\SHOWN.TXT\n"
                                : "call C:\\GAMES\\HOVER\\HOVER.BAT\n")
             << "exit\n";
    }
    std::ofstream(root / "KEYS.TXT", std::ios::binary) << "\r\n\r\n\r\n\r\n";
    // A shell that waits for keys (a second interpreter left at its prompt)
    // never ends by itself: 60 seconds at the most.
    const std::string command = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 60 " + std::string(CORVANE_DOSBOX) +
                                " -conf " + (root / "dosbox.conf").string() + " -noconsole >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << "DOSBox did not end by itself";
    DosBoxRun run;
    for (const std::string& l : test::crlfLines(slurp(folder / "RUNS.TXT"))) {
        if (l.rfind("RUN ", 0) == 0) {
            run.games.push_back({l[4] - '0' - (ownInterpreter ? 1 : 0), {}});
        } else if (!l.empty() && !run.games.empty()) {
            run.games.back().env.push_back(l);
        }
    }
    run.shown = slurp(root / "SHOWN.TXT");
    fs::remove_all(root);
    return run;
}

// The worked example for each family of cards.
std::string workedFile(const GlideCards& cards) {
    BatchSettings s;
    s.splash = true;
    s.cards = cards;
    s.startName = L"HOVERT~1.COM";  // the game a DOS program of its own
    s.batchPath = L"C:\\GAMES\\HOVER\\HOVER.BAT";
    const BatchFile f = batchFile(s);
    const std::wstring all = f.checkAndSwitches + f.numbersAndStart;
    return std::string(all.begin(), all.end());
}

const struct {
    const char* name;
    GlideCards cards;
} kFamilies[] = {
    {"no card told", {}},
    {"Voodoo Graphics", {true, false, false}},
    {"Voodoo2", {false, true, false}},
    {"Banshee to Voodoo5", {false, false, true}},
};

bool probe(const std::string& entry) { return !entry.empty() && entry[0] == '_'; }

// With room, the file goes on in the same window: the game starts once, from
// the file itself, with every value whole, none of those the file removes,
// and no probe.
TEST(DosBox, WithRoomEveryValueArrivesWhole) {
    for (const auto& family : kFamilies) {
        const std::string file = workedFile(family.cards);
        const std::vector<GameRun> runs = runInDosBox(file, {}, false).games;
        ASSERT_EQ(runs.size(), 1u) << family.name;
        EXPECT_EQ(runs[0].depth, 1) << family.name << ": a second interpreter ran";
        const std::vector<std::string>& env = runs[0].env;
        int values = 0;
        for (const std::string& l : test::crlfLines(test::afterCheck(file))) {
            if (l.rfind("SET ", 0) != 0) continue;
            const std::string name = l.substr(4, l.find('=') - 3);
            const auto found = std::find_if(env.begin(), env.end(), [&](const std::string& e) { return e.rfind(name, 0) == 0; });
            if (l.back() == '=') {
                EXPECT_EQ(found, env.end()) << family.name << ": " << name << " is set";
            } else {
                ++values;
                EXPECT_TRUE(found != env.end() && *found == l.substr(4)) << family.name << ": " << l;
            }
        }
        EXPECT_GE(values, 6) << family.name;
        EXPECT_EQ(std::count_if(env.begin(), env.end(), probe), 0) << family.name;
    }
}

// With the environment nearly full (less room than the values need, in an
// interpreter of the file's own), the file runs itself once more through
// %COMSPEC%. DOSBox's shell ignores /E: the second interpreter gets a copy
// of the used strings and a little more, so it checks again, finds no room
// either, says so and starts nothing, without a third.
TEST(DosBox, NearlyFullTheFileSaysWhyInsteadOfCuttingValues) {
    // Small fillers until no more fit; then three of them freed: less room
    // than the smallest family's values need, whatever DOSBox's size.
    std::vector<std::string> fill;
    for (int i = 100; i < 170; ++i) fill.push_back("SET F" + std::to_string(i) + "=" + std::string(14, 'x'));
    for (int i = 100; i < 103; ++i) fill.push_back("SET F" + std::to_string(i) + "=");
    const std::string message = "This window has too little environment space for the 3dfx settings.";
    for (const auto& family : kFamilies) {
        const DosBoxRun run = runInDosBox(workedFile(family.cards), fill, true);
        EXPECT_TRUE(run.games.empty()) << family.name << ": the game started with values cut short";
        std::size_t said = 0;
        for (std::size_t at = run.shown.find(message); at != std::string::npos; at = run.shown.find(message, at + 1)) ++said;
        EXPECT_EQ(said, 1u) << family.name << ": the window showed\n" << run.shown;
    }
}

}  // namespace
}  // namespace corvane
