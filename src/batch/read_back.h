// A batch file found at the batch path, read back: whether Corvane made it,
// and the settings lines it holds. Corvane's files have three forms: the
// one that says so in a line near the top, the one before it (with the
// check for room, without that line), and the first one (eleven lines:
// "@echo off", nine SET lines and the start line, no line end after it).
// A file of none of these forms, or one with lines of its own added, is
// not Corvane's to replace unasked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch/glide_lines.h"

namespace corvane {

// Corvane's files are smaller; a longer file is not one of them.
inline constexpr std::size_t kLongestOwnFile = 4096;

struct FoundBatch {
    enum class Maker : std::uint8_t {
        Stranger,         // none of Corvane's forms
        Corvane,          // one of them, as Corvane wrote it or with its values edited
        CorvaneAndOwnLines,  // one of them, with lines Corvane does not write
    };
    Maker maker = Maker::Stranger;
    // The lines a question about the file shows: a stranger's first two, or
    // the first two lines added to one of Corvane's.
    std::vector<std::wstring> shown;
    // The settings lines, in the order the file holds them.
    std::vector<GlideLine> settings;
};

// `text` is the file's start, as the batch file's code page reads it;
// `whole` is false where the file holds more.
FoundBatch readBack(std::wstring_view text, bool whole);

}  // namespace corvane
