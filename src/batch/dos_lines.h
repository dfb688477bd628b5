// Lines of a batch file, each ending in CR LF, added to the text being made.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace corvane::dos {

inline constexpr std::wstring_view kEol = L"\r\n";

// The parts, one after another, as one line.
inline void line(std::wstring& text, std::initializer_list<std::wstring_view> parts) {
    for (const std::wstring_view part : parts) text += part;
    text += kEol;
}
inline void set(std::wstring& text, std::wstring_view variable, std::wstring_view value) {
    line(text, {L"SET ", variable, L"=", value});
}
inline void label(std::wstring& text, std::wstring_view name) { line(text, {L":", name}); }
inline void jump(std::wstring& text, std::wstring_view name) { line(text, {L"GOTO ", name}); }

}  // namespace corvane::dos
