// The text of a batch file that sets the Glide driver's variables and then
// starts a program by its short name.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "batch/glide_lines.h"
#include "batch/room_check.h"

namespace corvane {

struct BatchSettings : GlideSettings {
    // The program as the start line names it: its short name, or its long
    // name where the disk keeps none.
    std::wstring startName;
    std::wstring switches;   // what follows the name on the start line, as the game gets it
    std::wstring batchPath;  // where the file goes: how long its own name may be when run
    std::wstring version;    // Corvane's, for the line that says it made the file
};

// The line that says Corvane made a file begins so; the version follows,
// then one of these (the first in files made before lines added were kept).
inline constexpr std::wstring_view kMadeBy = L"REM Made by Corvane ";
inline constexpr std::wstring_view kMadeByEnds[] = {
    L". Change these settings in Corvane: lines added here are not kept.",
    L". Change these settings in Corvane; lines added here are kept.",
};

// For a Glide wrapper, the line that says why the file sets nothing: the
// start, the words that name it (the DLL, and its name), then the end.
inline constexpr std::wstring_view kWrapperStart = L"REM The game loads ";
inline constexpr std::wstring_view kWrapperEnd = L", a wrapper: it takes its settings from its own configuration.";
// The words as the line holds them: printable ASCII without the
// interpreters' own signs, one blank between words, at most 40 characters.
std::wstring wrapperWords(std::wstring_view words);

// The file, in the two pieces it is written in.
struct BatchFile {
    // "@echo off", the line that says Corvane made the file, under
    // COMMAND.COM the check for room, and the six switches.
    std::wstring checkAndSwitches;
    // The three numbers, the later cards' lines, the start line, and after
    // a check its end label.
    std::wstring numbersAndStart;
};

BatchFile batchFile(const BatchSettings& s);

// The start line: the program's start name as the batch interpreter must
// read it to start that program and nothing else. Every "%" is doubled, a
// name holding a blank or another character the interpreter treats
// specially is put in double quotes, and one that begins with "@" or is the
// name of one of the interpreter's own commands (START, PAUSE...) gets ".\"
// before it.
std::wstring startLine(std::wstring_view startName);
// The start line with the game's switches after the name and one blank,
// each "%" doubled.
std::wstring startLine(std::wstring_view startName, std::wstring_view switches);

// Why the switches would not reach the game as typed, in words; empty where
// they would. COMMAND.COM takes "|", "<" and ">" for its own anywhere on a
// line, CMD "&" and "^" outside double quotes.
std::wstring switchesFault(std::wstring_view switches);

// A start line read back: the name it starts and the switches after it,
// as the game gets them; nullopt for a line that startLine does not write.
struct StartLine {
    std::wstring startName;
    std::wstring switches;
};
std::optional<StartLine> readStartLine(std::wstring_view line);

// The short name of a program name without its extension: a name of at most eight
// characters stays as it is; a longer one loses its blanks and keeps its
// first six characters, followed by "~1".
inline constexpr std::size_t kShortNameKeeps = 6;
inline constexpr std::size_t kShortNameMax = 8;

inline std::wstring withoutBlanks(std::wstring name) {
    std::erase(name, L' ');
    return name;
}

}  // namespace corvane
