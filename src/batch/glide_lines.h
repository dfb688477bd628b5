// The Glide driver's variables that the batch file sets, one row of a table
// each, in the order the file holds them: which cards' Glide reads the row,
// and how the window's boxes and sliders give its value.
#pragma once

#include <array>
#include <optional>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "drivers/glide_family.h"

namespace corvane {

// The window's settings as "&Make" reads them, and the cards the installed
// Glide is for.
struct GlideSettings {
    bool fastMemory = false;
    bool fastPci = false;
    bool fastBuffering = false;
    bool fastRefresh = false;
    bool trueColour = false;
    bool splash = false;
    int gammaPosition = 25;  // gamma times 100
    int clockMhz = 90;
    int refreshHz = 0;       // 0 until the refresh slider is first moved
    GlideCards cards;        // whose variables the file sets
};

// One line of the settings.
struct GlideLine {
    std::wstring_view variable;
    std::wstring value;   // empty: "SET NAME=", which removes the variable
    bool remark = false;  // written as a REM that names the value instead
};

// The line's text, without its line end.
std::wstring lineText(const GlideLine& line);
// A line of the settings as lineText writes one, read back; nullopt for any
// other line.
std::optional<GlideLine> settingLine(std::wstring_view text);

// The settings' lines: the six switches, then the three numbers and the
// lines of the later cards the installed Glide is for (Voodoo2's, then
// Banshee's to Voodoo5's).
struct GlideLines {
    std::vector<GlideLine> switches;
    std::vector<GlideLine> numbers;
};
GlideLines glideLines(const GlideSettings& s);

// The variables of the lines that every file holds, in their order: the
// nine SET lines of Corvane's first files.
std::vector<std::wstring_view> everyFileVariables();

// The bytes of environment the lines' values take: "NAME=value" and the
// byte that ends it, for each line that sets a value.
std::size_t environmentNeed(std::span<const GlideLine> lines);

// The refresh rates each card's Glide keeps; it takes any other for 60 Hz.
inline constexpr std::array<int, 5> kVoodooGraphicsRates = {60, 72, 75, 85, 120};
inline constexpr std::array<int, 4> kVoodoo2Rates = {60, 75, 85, 120};

// The rate a refresh variable carries for a driver that keeps only the rates
// in `kept` (ascending): the highest kept rate at or below the one chosen,
// the lowest where none is. 0 (the slider not yet moved) stays 0.
int keptRefresh(int hz, std::span<const int> kept);

}  // namespace corvane
