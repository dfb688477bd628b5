// File names as the platform treats them: compared and matched without
// regard to letter case.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Upper-case form of one character for comparisons (ASCII and Latin-1 letters).
wchar_t foldCase(wchar_t c);

// <0, 0, >0 as a is before, equal to or after b, letter case ignored.
int compareNoCase(std::wstring_view a, std::wstring_view b);
bool equalNoCase(std::wstring_view a, std::wstring_view b);
bool containsNoCase(std::wstring_view text, std::wstring_view word);

// True when `name` matches one of the ";"-separated wildcard patterns
// ("*" any run of characters, "?" any one character), letter case ignored.
bool matchesPatterns(std::wstring_view name, std::wstring_view patterns);

// True for a name that DOS can use as it stands: at most eight characters,
// optionally a dot and at most three more, none of them a blank or one of
// "*+,./:;<=>?[\]|.
bool isDosName(std::wstring_view name);

// What keeps `name` from naming a file in a folder on Windows, in words for
// a message: a character no file name may hold, blanks and dots only, or a
// device's name. Empty where nothing does.
std::wstring fileNameFault(std::wstring_view name);

// folder + "\" + name, without doubling the backslash of a drive root.
std::wstring joinPath(std::wstring_view folder, std::wstring_view name);
// The folder part of a path: everything up to and including its last
// separator; empty where it has none.
std::wstring folderOf(std::wstring_view path);

}  // namespace corvane
