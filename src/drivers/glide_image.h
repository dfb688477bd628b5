// What an image says of the Glide it is or loads: the DLLs a program's
// import table names, and which of some names a DLL holds as zero-ended
// text (a Glide asks the environment for each of its variables by name, so
// the names it reads are in it so). Both read files that may be truncated
// or hostile, by seeking, and never past what the file gives.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_source.h"

namespace corvane {

// The most DLLs an import table is read for, and the longest name taken.
inline constexpr std::size_t kMostImports = 512;
inline constexpr std::size_t kLongestImportName = 255;

// The names of the DLLs a PE image's import table names, as written, in
// its order; nullopt where the image or its table does not hold together.
std::optional<std::vector<std::string>> importedModules(ByteSource& file);

// The most bytes of a DLL the names are looked for in.
inline constexpr std::size_t kNamesScanned = 2 * 1024 * 1024;

// Bit i set where the first `kNamesScanned` bytes of the file hold
// `names[i]` (at most 64 names) as zero-ended text: the name's bytes, then
// a zero, and before them a byte that could not be part of a name.
std::uint64_t namesHeld(ByteSource& file, std::span<const std::string_view> names);

}  // namespace corvane
