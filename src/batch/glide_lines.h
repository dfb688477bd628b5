// The Glide driver's variables that the batch file sets, one row of a table
// each, in the order the file holds them: which cards' Glide reads the row,
// and how the window's boxes and sliders give its value.
#pragma once

#include <array>
#include <optional>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "drivers/glide_family.h"

namespace corvane {

// The settings of the window that the lines carry.
enum class Setting : std::uint8_t {
    FastMemory, FastPci, FastBuffering, FastRefresh, TrueColour, Splash, Gamma, Clock, Refresh
};

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

    // A setting's value: a box's 1 ticked, 0 clear.
    int value(Setting s) const;
    void set(Setting s, int value);
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

// What the settings lines of a file say of one setting, read by this
// table: of `candidates` (ascending), those for which the first of the
// setting's lines (in the table's order, the lines every file holds first;
// of one variable, its first line in the file) is the line the table
// writes, or the one Corvane's first files wrote; narrowed by its other
// lines where any candidate agrees with them (85 Hz on a Voodoo2's line and
// 100 on a later card's: 100); the lowest left. nullopt where the file has
// no line of the setting, or its first stands for no candidate. A variable
// the driver reads for presence reads as the driver tests it: set to
// anything, it is on.
std::optional<int> valueIn(std::span<const GlideLine> lines, Setting setting, std::span<const int> candidates);

// Whether a line of Corvane's first files holds a value those files wrote.
bool firstFormWrites(const GlideLine& line);
// The cards whose lines `lines` hold: a clock written as a REM stands for a
// Voodoo Graphics.
GlideCards cardsOf(std::span<const GlideLine> lines);
// Whether the file sets a variable of `setting` for a Glide of `cards`:
// a line that is no remark.
bool settingSet(Setting setting, const GlideCards& cards);
// The variables of the settings, in the table's order: the bits of
// GlideCards::variablesHeld.
std::vector<std::string> settingVariables();
// The bits of the variables `lines` set.
std::uint64_t variablesOf(std::span<const GlideLine> lines);
// Whether `text` names a variable of the settings, in any case.
bool mentionsSettingVariable(std::wstring_view text);

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
