// A batch file found at the batch path, read back: whether Corvane made it,
// the values it holds, the program it starts and the lines the user added.
// Corvane's files have three forms: the one that says so in a line near the
// top, the one before it (with the check for room, without that line), and
// the first one (eleven lines: "@echo off", nine SET lines and the start
// line, no line end after it). A file of the later forms is Corvane's only
// where making it again from the values it holds gives the same bytes, the
// user's lines and switches set aside: then what the window shows of it is
// what the game gets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_text.h"
#include "platform/services.h"

namespace corvane {

// Corvane's files are smaller; a longer file is not one of them.
inline constexpr std::size_t kLongestOwnFile = 4096;

// A line the user added to a file of Corvane's, kept byte for byte.
struct UserLine {
    std::string bytes;   // without its line end
    bool lineEnd = true;
    // Where it goes: after the line of Corvane's it follows (a setting's by
    // its variable, any other by its text); where that line is gone, at the
    // start of its part of the file. Empty: before all of Corvane's lines.
    std::wstring after;
    std::size_t afterNth = 0;  // of the lines with that key in its part, the one it follows
    enum class Part : std::uint8_t { BeforeSettings, BeforeStart, AfterStart } part = Part::BeforeSettings;
};

struct FoundBatch {
    enum class Maker : std::uint8_t {
        Stranger,  // none of Corvane's forms
        Corvane,   // as Corvane makes it, with the user's lines and switches
        Altered,   // says Corvane made it, but a line is not as Corvane makes it
    };
    Maker maker = Maker::Stranger;
    // The lines a question about the file shows: a stranger's first two, or
    // the line that is not as Corvane makes it.
    std::vector<std::wstring> shown;
    bool lineMissing = false;  // Altered: the line shown is one Corvane's file lacks
    // Corvane's: its values, the cards its lines are for, the program it
    // starts and the switches after it.
    BatchSettings settings;
    std::vector<UserLine> userLines;
};

// `bytes` is the file's start, `whole` false where the file holds more; its
// lines are split on their CR LF before the code page decodes each.
// `batchPath` is where it lies, which its check for room depends on.
// `loaded` is what the Glide the game loads now reads: a file lacking a
// line of a variable it holds is not as Corvane makes it, and a file made
// for a wrapper is Corvane's while the game loads one.
FoundBatch readBack(std::string_view bytes, bool whole, const CodePageService& codePage, std::wstring_view batchPath,
                    const GlideCards& loaded = {});

// The file's two pieces in the code page, with the user's lines in their
// places; nullopt where the code page lacks a character of Corvane's text.
std::optional<std::pair<std::string, std::string>> withUserLines(const BatchFile& file, std::span<const UserLine> lines,
                                                                  const CodePageService& codePage);

}  // namespace corvane
