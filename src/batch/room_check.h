// Room for the settings under COMMAND.COM. Windows 95, 98 and Me run a
// double-clicked batch file in an MS-DOS window whose environment may be too
// small for the values the file sets: a SET that finds no room keeps a value
// cut short, or nothing, and the game would start all the same. So the file
// first sets probes that take as many bytes as the values will, compares
// them back, and where they did not arrive whole runs itself once more in a
// second COMMAND.COM with a larger environment, which checks again; where
// that has no room either, or the line to run it could be too long, the
// window says what to do, and the game does not start. CMD (%OS% is
// Windows_NT) has room for any value and goes straight to the settings.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// A probe variable of the check. The first is set into whatever room the
// window has; each later one is made in room that the first, shrunk, has
// just left, and then grown in place: COMMAND.COM removes a variable's old
// string before it stores the new one, so a grown probe cut short still
// holds its "=", and only the first SET can leave a piece of a name.
struct Probe {
    std::wstring name;
    std::wstring value;  // digits, so that a value cut short never compares equal
    std::size_t bytes() const { return name.size() + 1 + value.size() + 1; }
};

// Probes that take `need` bytes between them (a few more where `need` is
// smaller than the smallest probe); none where nothing needs room.
std::vector<Probe> probesFor(std::size_t need);

// The lines that make sure of room for `need` bytes of values before the
// settings, for the file at `batchPath`: "@echo off" is before them, and
// they end with the settings' label. Empty where nothing needs room.
std::wstring roomCheck(std::size_t need, std::wstring_view batchPath);

// The check's first line, which says what it is for.
inline constexpr std::wstring_view kCheckRemark =
    L"REM Under Windows 9x, room for the settings in this window, or a window with more";

// The lines a check for room holds, in any file, whatever room it asks for.
class RoomCheckLines {
public:
    RoomCheckLines();
    bool holds(std::wstring_view line) const;

private:
    std::wstring fixed_;  // the lines that are the same in every check
};

// COMMAND.COM cuts an expanded line at 126 characters, and abandons the file
// where expanding a variable takes a line to 126: every line stays shorter.
inline constexpr std::size_t kLongestLine = 125;
// The longest %COMSPEC%: a drive, a backslash, the 63 characters of folders
// that DOS allows in a path and an 8.3 name after a backslash.
inline constexpr std::size_t kLongestComspec = 2 + 1 + 63 + 1 + 12;
// What %COMSPEC% is on a stock Windows 95, 98 or Me.
inline constexpr std::wstring_view kStockComspec = L"C:\\WINDOWS\\COMMAND.COM";
// A probe's value at most: "IF NOT "%_9%"=="value" GOTO NOROOM" compares it
// whole within the line.
inline constexpr std::size_t kLongestProbe = 48;
// The second interpreter's environment, in bytes: room for any file's values
// above a stock window's strings, and little of the game's memory. Where the
// window already holds more, COMMAND.COM gives the copy 16 bytes more than
// it uses, which the check finds too small.
inline constexpr int kRerunEnvironment = 2048;
// %1 of the second run: it checks again, and runs nothing further.
inline constexpr std::wstring_view kRerunMarker = L"ROOMY";
// Labels differ in their first eight characters, the part COMMAND.COM reads.
inline constexpr std::wstring_view kSettingsLabel = L"GLIDE";
inline constexpr std::wstring_view kEndLabel = L"DONE";

}  // namespace corvane
