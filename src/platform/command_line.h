// A Windows command line split into its arguments as the C runtime splits
// it: the program's name up to its closing quote or first blank, then
// arguments parted by blanks, where quotes group and backslashes escape only
// the quotes they stand before.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Every argument after the program's own name.
std::vector<std::wstring> splitCommandLine(std::wstring_view line);

}  // namespace corvane
