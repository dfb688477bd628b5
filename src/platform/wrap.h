// Text for a message box that fits on the screen: the box breaks its lines
// only at blanks, so a long path or name would make it wider than any screen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// The characters a message line holds without a blank at most.
inline constexpr std::size_t kLongestRun = 60;

// `text` with every run of more than kLongestRun characters without a blank
// broken into lines: after a backslash where there is one in reach, else
// after the run's kLongestRun-th character.
std::wstring breakLongRuns(std::wstring_view text);

}  // namespace corvane
