// The worked example: Hover Tank.exe in C:\Games\Hover, its batch name as
// proposed, the settings as start-up leaves them ("Splash Screen" ticked,
// the other boxes clear, clock 90, gamma 0.25, refresh never moved), made
// where the installed Glide tells no cards: as for a Voodoo Graphics, the
// clock is named, not set.
#pragma once

#include <string>
#include <string_view>

#include "corvane_version.h"

namespace corvane::test {

// Before the settings: the line that says Corvane made the file, and under
// COMMAND.COM the check that the window's environment has room for their
// 119 bytes: three probes of 40, 40 and 39 bytes, the second and third each
// made where the first, shrunk, left room. The re-run's line, with the batch
// file's path at its longest, fits where %COMSPEC% is the stock one.
inline constexpr std::string_view kWorkedCheck =
    "@echo off\r\n"
    "REM Made by Corvane " CORVANE_VERSION_TEXT ". Change these settings in Corvane; lines added here are kept.\r\n"
    "REM Under Windows 9x, room for the settings in this window, or a window with more\r\n"
    "IF \"%OS%\"==\"Windows_NT\" GOTO GLIDE\r\n"
    "SET _=0123456789012345678901234567890123456\r\n"
    "IF NOT \"%_%\"==\"0123456789012345678901234567890123456\" GOTO NOROOM\r\n"
    "SET _=0\r\n"
    "SET _2=0\r\n"
    "SET _2=012345678901234567890123456789012345\r\n"
    "SET _=0123456789012345678901234567890123456\r\n"
    "IF NOT \"%_%\"==\"0123456789012345678901234567890123456\" GOTO NOROOM\r\n"
    "IF NOT \"%_2%\"==\"012345678901234567890123456789012345\" GOTO NOROOM\r\n"
    "SET _=0\r\n"
    "SET _3=0\r\n"
    "SET _3=01234567890123456789012345678901234\r\n"
    "SET _=0123456789012345678901234567890123456\r\n"
    "IF NOT \"%_%\"==\"0123456789012345678901234567890123456\" GOTO NOROOM\r\n"
    "IF NOT \"%_3%\"==\"01234567890123456789012345678901234\" GOTO NOROOM\r\n"
    "SET _=\r\n"
    "SET _2=\r\n"
    "SET _3=\r\n"
    "GOTO GLIDE\r\n"
    ":NOROOM\r\n"
    "SET _=\r\n"
    "SET _2=\r\n"
    "SET _3=\r\n"
    "IF \"%1\"==\"ROOMY\" GOTO FULL\r\n"
    "IF NOT \"%COMSPEC%\"==\"C:\\WINDOWS\\COMMAND.COM\" GOTO FULL\r\n"
    "%COMSPEC% /E:2048 /C %0 ROOMY\r\n"
    "GOTO DONE\r\n"
    ":FULL\r\n"
    "ECHO This window has too little environment space for the 3dfx settings.\r\n"
    "ECHO Add SHELL=C:\\WINDOWS\\COMMAND.COM /E:4096 /P to CONFIG.SYS and restart.\r\n"
    "PAUSE\r\n"
    "GOTO DONE\r\n"
    ":GLIDE\r\n";

// The settings, one line each, in the order the file holds them.
inline constexpr std::string_view kWorkedSettings =
    "SET SST_FASTMEM=0\r\n"
    "SET SST_FASTPCIRD=\r\n"
    "SET FX_GLIDE_SWAPINTERVAL=1\r\n"
    "SET SST_SWAP_EN_WAIT_ON_VSYNC=1\r\n"
    "SET SST_VIDEO_24BPP=0\r\n"
    "SET FX_GLIDE_NO_SPLASH=\r\n"
    "SET SST_GAMMA=0.25\r\n"
    "REM SST_GRXCLK=90 not set: a Voodoo Graphics runs at its own clock\r\n"
    "SET SST_SCREENREFRESH=0\r\n";

// The same settings where the card's Glide takes the clock the file sets.
inline std::string workedSettingsWithClock() {
    std::string s(kWorkedSettings);
    const std::size_t at = s.find("REM SST_GRXCLK=90");
    return s.replace(at, s.find('\r', at) - at, "SET SST_GRXCLK=90");
}

// After them, Voodoo2's lines where its Glide is installed, then those of
// Banshee's to Voodoo5's.
inline constexpr std::string_view kWorkedVoodoo2 =
    "SET SSTV2_GRXCLK=90\r\nSET SSTV2_FASTPCIRD=\r\nSET SSTV2_FASTMEM_RAS_READS=\r\nSET SSTV2_SCREENREFRESH=0\r\n"
    "SET SSTV2_VIDEO_24BPP=\r\nSET SSTV2_GAMMA=0.25\r\n";
inline constexpr std::string_view kWorkedLater =
    "SET SSTH3_RGAMMA=0.25\r\nSET SSTH3_GGAMMA=0.25\r\nSET SSTH3_BGAMMA=0.25\r\nSET FX_GLIDE_REFRESH=\r\n";

// What follows the start line where the file holds a check.
inline constexpr std::string_view kWorkedEnd = "\r\n:DONE\r\n";

// The whole file, with the start line given.
inline std::string workedExample(std::string_view start) {
    return std::string(kWorkedCheck) + std::string(kWorkedSettings) + std::string(start) + std::string(kWorkedEnd);
}

// A hand's edit of a file Corvane made that an interpreter runs otherwise
// than the window would show it: the line edited, what it becomes, and
// under which of COMMAND.COM and CMD the game then gets something else, a
// command runs that the window does not show, or no game starts. Where a
// command runs, it writes WITNESS.TXT.
struct HiddenEdit {
    const char* what;
    std::string_view line;
    std::string_view to;
    bool commandCom, cmd;
    bool loops = false;  // under Wine's CMD the file never ends
};
inline constexpr HiddenEdit kHiddenEdits[] = {
    {"a command after \"&\"", "SET SST_GAMMA=0.25", "SET SST_GAMMA=1.3 & ECHO X>WITNESS.TXT", true, true},
    {"a lone CR", "SET SST_GAMMA=0.25", "SET SST_GAMMA=0.25\rXECHO X>WITNESS.TXT", true, true},
    {"a lone LF", ":GLIDE", ":GLIDE\r\nREM A\nECHO X>WITNESS.TXT", true, true},
    {"a Ctrl-Z", ":GLIDE", ":GLIDE\r\n\x1A", true, false},
    {"a NUL", ":GLIDE", std::string_view(":GLIDE\r\nREM \0", 13), false, true, true},
    {"a remark that redirects", ":GLIDE", ":GLIDE\r\nREM x > WITNESS.TXT", true, false},
    {"a jump back", ":GLIDE", ":GLIDE\r\nGOTO GLIDE", true, true, true},
};
inline std::string hiddenEdit(std::string file, const HiddenEdit& e) {
    const std::size_t at = file.find(std::string(e.line) + "\r\n");
    return at == std::string::npos ? "<no such line>" : file.replace(at, e.line.size(), e.to);
}

// The worked example as Corvane's first files held it: eleven lines, a
// value on every SET line, no line end after the start line.
inline constexpr std::string_view kFirstForm =
    "@echo off\r\nSET SST_FASTMEM=0\r\nSET SST_FASTPCIRD=0\r\nSET FX_GLIDE_SWAPINTERVAL=1\r\n"
    "SET SST_SWAP_EN_WAIT_ON_VSYNC=1\r\nSET SST_VIDEO_24BPP=0\r\nSET FX_GLIDE_NO_SPLASH=0\r\nSET SST_GAMMA=0.25\r\n"
    "SET SST_GRXCLK=90\r\nSET SST_SCREENREFRESH=0\r\nHoverT~1";

// What a file holds after its check: the settings, the start line and the end.
inline std::string afterCheck(const std::string& file) {
    constexpr std::string_view kSettingsLabel = ":GLIDE\r\n";
    const std::size_t at = file.find(kSettingsLabel);
    return at == std::string::npos ? "<no check in the file>" : file.substr(at + kSettingsLabel.size());
}

// The start line of a file: the last line, or the one before its end label.
inline std::string startOf(const std::string& file) {
    std::string rest = file;
    if (rest.size() >= kWorkedEnd.size() && rest.compare(rest.size() - kWorkedEnd.size(), kWorkedEnd.size(), kWorkedEnd) == 0) {
        rest.resize(rest.size() - kWorkedEnd.size());
    }
    return rest.substr(rest.rfind('\n') + 1);
}

}  // namespace corvane::test
