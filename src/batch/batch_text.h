// The text of a batch file that sets the Glide driver's variables and then
// starts a program by its short name.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "drivers/glide_family.h"

namespace corvane {

struct BatchSettings {
    bool fastMemory = false;
    bool fastPci = false;
    bool fastBuffering = false;
    bool fastRefresh = false;
    bool trueColour = false;
    bool splash = false;
    int gammaPosition = 25;  // gamma times 100
    int clockMhz = 90;
    int refreshHz = 0;
    GlideCards cards;  // whose variables the file sets
    std::wstring shortName;
    std::wstring batchPath;  // where the file goes: how long its own name may be when run
};

// The file is written in two pieces: "@echo off", the check for room and the
// six switches; then the three numbers, the lines of the later cards the
// installed Glide is for (Voodoo2's first, then Banshee's to Voodoo5's), and
// the start line (without a line end where it is the last line).
//
// Under COMMAND.COM (Windows 9x) the file first makes sure that the window's
// environment has room for every value it sets: it sets probe variables of
// the same total size and compares them back, and where they did not arrive
// whole it runs itself once more through %COMSPEC% with a larger
// environment. Under CMD (%OS% is Windows_NT) it goes straight to the
// settings.
struct BatchText {
    std::wstring switches;
    std::wstring numbers;
};

BatchText batchText(const BatchSettings& s);

// The last line: the program's short name as the batch interpreter must read
// it to start that program and nothing else. Every "%" is doubled, and a name
// holding a blank or another character the interpreter treats specially is
// put in double quotes.
std::wstring startLine(std::wstring_view shortName);

// The rate a refresh variable carries for a driver that keeps only the rates
// in `kept` (ascending) and takes any other for the lowest: the highest kept
// rate at or below the one chosen. 0 (the slider not yet moved) stays 0.
int keptRefresh(int hz, std::initializer_list<int> kept);

// The lines that, under COMMAND.COM, make sure the window's environment has
// room for `need` bytes of values before the settings, or run the file at
// `batchPath` again with more; empty where nothing needs room. They end with
// the label the settings start at.
std::wstring roomCheck(std::size_t need, std::wstring_view batchPath);

// What COMMAND.COM needs of the file's lines.
inline constexpr std::size_t kLongestLine = 127;     // longer, once expanded, abandons the file
inline constexpr std::size_t kLongestComspec = 32;   // what %COMSPEC% is allowed to take of a line
inline constexpr std::size_t kLongestProbe = 48;     // a probe's value, compared whole in one line
inline constexpr std::wstring_view kRerunMarker = L"ROOMY";  // %1 of the run with room

// ShortName of a program name without its extension: a name of at most eight
// characters stays as it is; a longer one loses its blanks and keeps its
// first six characters, followed by "~1".
inline constexpr std::size_t kShortNameKeeps = 6;
inline constexpr std::size_t kShortNameMax = 8;

}  // namespace corvane
