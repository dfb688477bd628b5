#include "batch/batch_text.h"

#include "batch/dos_lines.h"

namespace corvane {

namespace {

void add(std::wstring& text, const std::vector<GlideLine>& lines) {
    for (const GlideLine& l : lines) {
        if (l.remark) {
            dos::line(text, {L"REM ", l.variable, L"=", l.value, L" not set: a Voodoo Graphics runs at its own clock"});
        } else {
            dos::set(text, l.variable, l.value);
        }
    }
}

}  // namespace

namespace dos {

void line(std::wstring& text, std::initializer_list<std::wstring_view> parts) {
    for (const std::wstring_view part : parts) text += part;
    text += kEol;
}

}  // namespace dos

BatchFile batchFile(const BatchSettings& s) {
    const GlideLines lines = glideLines(s);
    const std::wstring check =
        roomCheck(environmentNeed(lines.switches) + environmentNeed(lines.numbers), s.batchPath);
    BatchFile file;
    dos::line(file.checkAndSwitches, {L"@echo off"});
    file.checkAndSwitches += check;
    add(file.checkAndSwitches, lines.switches);
    add(file.numbersAndStart, lines.numbers);
    file.numbersAndStart += startLine(s.shortName);
    // COMMAND.COM runs the command before a last line that is a label, and
    // has no line end, a second time: this label ends in CR LF.
    if (!check.empty()) {
        file.numbersAndStart += dos::kEol;
        dos::label(file.numbersAndStart, kEndLabel);
    }
    return file;
}

std::wstring startLine(std::wstring_view shortName) {
    // Characters that end or split a command name for the batch interpreter.
    constexpr std::wstring_view kSpecial = L" &^(),;=";
    std::wstring line;
    bool quote = false;
    for (const wchar_t c : shortName) {
        if (kSpecial.find(c) != std::wstring_view::npos) quote = true;
        line += c;
        if (c == L'%') line += L'%';
    }
    if (quote) line = L'"' + line + L'"';
    return line;
}

}  // namespace corvane
