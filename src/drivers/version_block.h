// Sub-block queries on a version block, answered as the system's
// VerQueryValueA answers them, within the block's bounds whatever it holds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace corvane {

// The size of the block that a resource of `resourceSize` bytes needs: a
// 32-bit resource keeps room after itself for text converted to ANSI.
std::size_t versionBlockSize(const std::vector<std::uint8_t>& resource, bool fromNe);

// True when the block is laid out in the 16-bit way (ANSI keys, no type field).
bool is16BitBlock(const std::vector<std::uint8_t>& block);

// Looks up `subBlock` ("\VarFileInfo\Translation", "\StringFileInfo\040904B0\FileVersion"):
// split at "\", empty parts skipped, each part matched without regard to case
// against the whole key of a direct child. A text value of a 32-bit block is
// converted to the ANSI code page into the block's spare room; `length` is
// then the bytes produced. `resourceSize` bounds what is read as resource.
bool queryVersionValue(std::vector<std::uint8_t>& block, std::size_t resourceSize, std::string_view subBlock,
                       const CodePageService& codePage, std::size_t& offset, std::uint32_t& length);

// The keys of the string tables under "\StringFileInfo" ("040904B0", ...),
// in the block's order, read within its bounds: every language the block
// holds text in.
std::vector<std::string> stringTables(const std::vector<std::uint8_t>& block, const CodePageService& codePage);

}  // namespace corvane
