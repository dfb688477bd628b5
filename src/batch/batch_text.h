// The text of a batch file that sets the Glide driver's variables and then
// starts a program by its short name.
#pragma once

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
    GlideCards cards;  // whose variables follow the Voodoo Graphics ones
    std::wstring shortName;
};

// The file is written in two pieces: "@echo off" and the six switches, then
// the three numbers, the lines of the later cards the installed Glide is
// for (Voodoo2's first, then Banshee's to Voodoo5's), and the start line
// (which has no line end).
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

// ShortName of a program name without its extension: a name of at most eight
// characters stays as it is; a longer one loses its blanks and keeps its
// first six characters, followed by "~1".
inline constexpr std::size_t kShortNameKeeps = 6;
inline constexpr std::size_t kShortNameMax = 8;

}  // namespace corvane
