// The worked example: Hover Tank.exe in C:\Games\Hover, its batch name as
// proposed, the settings as start-up leaves them ("Splash Screen" ticked,
// the other boxes clear, clock 90, gamma 0.25, refresh never moved), made
// where the installed Glide tells no cards.
#pragma once

#include <string>
#include <string_view>

namespace corvane::test {

// Before the settings: under COMMAND.COM, the check that the window's
// environment has room for their 133 bytes.
inline constexpr std::string_view kWorkedCheck =
    "@echo off\r\n"
    "REM Under Windows 9x, room for the settings in this window, or a window with more\r\n"
    "IF \"%OS%\"==\"Windows_NT\" GOTO GLIDE\r\n"
    "IF \"%1\"==\"ROOMY\" GOTO GLIDE\r\n"
    "SET CV1=0123456789012345678901234567890123456789\r\n"
    "SET CV2=012345678901234567890123456789012345678\r\n"
    "SET CV3=012345678901234567890123456789012345678\r\n"
    "IF NOT \"%CV1%\"==\"0123456789012345678901234567890123456789\" GOTO NOROOM\r\n"
    "IF NOT \"%CV2%\"==\"012345678901234567890123456789012345678\" GOTO NOROOM\r\n"
    "IF NOT \"%CV3%\"==\"012345678901234567890123456789012345678\" GOTO NOROOM\r\n"
    "SET CV1=\r\nSET CV2=\r\nSET CV3=\r\n"
    "GOTO GLIDE\r\n"
    ":NOROOM\r\n"
    "SET CV1=\r\nSET CV2=\r\nSET CV3=\r\n"
    "%COMSPEC% /E:2048 /C %0 ROOMY\r\n"
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
    "SET SST_GRXCLK=90\r\n"
    "SET SST_SCREENREFRESH=0\r\n";

// What follows the start line where the file holds a check.
inline constexpr std::string_view kWorkedEnd = "\r\n:DONE\r\n";

// The whole file, with the start line given.
inline std::string workedExample(std::string_view start) {
    return std::string(kWorkedCheck) + std::string(kWorkedSettings) + std::string(start) + std::string(kWorkedEnd);
}

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
