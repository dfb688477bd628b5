// Strings out of a version block, read within its bounds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/services.h"

namespace corvane {

// The zero-terminated ANSI string at `offset` of `block`, decoded; it ends at
// the block's end at the latest. Empty for an offset outside the block.
std::wstring stringAt(const std::vector<std::uint8_t>& block, std::size_t offset, const CodePageService& cp);

// The `length` bytes at `offset` of `block`, one character per byte, zero
// bytes included; cut short where the block ends.
std::string bytesAt(const std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t length);

// The values of `name` ("ProductName") in the block's string tables, in
// their order, each table that gives it one.
std::vector<std::wstring> versionStrings(VersionService& versions, std::vector<std::uint8_t>& block,
                                         std::string_view name, const CodePageService& cp);
// The name of the string table of a translation entry: bytes 2, 1, 4, 3 of
// the entry as upper-case hexadecimal digit pairs ("040904B0").
std::string translationKey(const std::string& translation);

}  // namespace corvane
