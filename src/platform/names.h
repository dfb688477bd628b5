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

// The files that writing a batch file makes beside it. The new text goes
// into a temporary file that the system names: this prefix, one to four
// hexadecimal digits and ".tmp"; isWriteTempName is true for such names.
inline constexpr const wchar_t* kWriteTempPrefix = L"cvn";
bool isWriteTempName(std::wstring_view name);
// Where the old file waits while the new one takes its place, on systems
// that can't replace a file in one step: its own path with ".cvo" added, so
// that the next write of that file finds it, whatever cut the last one short.
std::wstring asideName(std::wstring_view target);

// folder + "\" + name, without doubling the backslash of a drive root.
std::wstring joinPath(std::wstring_view folder, std::wstring_view name);

}  // namespace corvane
