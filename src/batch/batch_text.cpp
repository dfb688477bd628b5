#include "batch/batch_text.h"

#include <algorithm>

#include "batch/dos_lines.h"
#include "platform/names.h"

namespace corvane {

namespace {

void add(std::wstring& text, const std::vector<GlideLine>& lines) {
    for (const GlideLine& l : lines) dos::line(text, {lineText(l)});
}

// Whether `name` is a command of COMMAND.COM's or CMD's own, which either
// runs instead of a program of that name; "." ends a command's word.
bool ownCommand(std::wstring_view name) {
    constexpr std::string_view kOwn =
        "ASSOC BREAK CALL CD CHCP CHDIR CLS COLOR COPY CTTY DATE DEL DIR DPATH ECHO ENDLOCAL ERASE EXIT FOR FTYPE "
        "GOTO IF KEYS LFNFOR LH LOADHIGH LOCK MD MKDIR MKLINK MOVE PATH PAUSE POPD PROMPT PUSHD RD REM REN RENAME "
        "RMDIR SET SETLOCAL SHIFT START TIME TITLE TRUENAME TYPE UNLOCK VER VERIFY VOL";
    const std::wstring_view word = name.substr(0, name.find(L'.'));
    for (std::size_t at = 0; at < kOwn.size();) {
        const std::size_t end = std::min(kOwn.find(' ', at), kOwn.size());
        const std::string_view own = kOwn.substr(at, end - at);
        if (std::equal(own.begin(), own.end(), word.begin(), word.end(),
                       [](char a, wchar_t b) { return foldCase(b) == static_cast<wchar_t>(a); })) {
            return true;
        }
        at = end + 1;
    }
    return false;
}

}  // namespace


BatchFile batchFile(const BatchSettings& s) {
    const GlideLines lines = glideLines(s);
    const std::wstring check =
        roomCheck(environmentNeed(lines.switches) + environmentNeed(lines.numbers), s.batchPath);
    BatchFile file;
    dos::line(file.checkAndSwitches, {L"@echo off"});
    dos::line(file.checkAndSwitches,
              {kMadeBy, s.version, kMadeByEnds[1]});
    file.checkAndSwitches += check;
    const bool wrapper = !s.cards.wrapper.empty();
    if (wrapper) dos::line(file.checkAndSwitches, {kWrapperStart, wrapperWords(s.cards.wrapper), kWrapperEnd});
    add(file.checkAndSwitches, lines.switches);
    add(file.numbersAndStart, lines.numbers);
    file.numbersAndStart += startLine(s.startName, s.switches);
    // COMMAND.COM runs the command before a last line that is a label, and
    // has no line end, a second time: this label ends in CR LF. After it go
    // the user's lines.
    if (!check.empty() || wrapper) {
        file.numbersAndStart += dos::kEol;
        dos::label(file.numbersAndStart, kEndLabel);
    }
    return file;
}

std::wstring wrapperWords(std::wstring_view words) {
    constexpr std::size_t kLongest = 40;
    constexpr std::wstring_view kOwnSigns = L"%|<>&^\"";
    std::wstring out;
    for (const wchar_t c : words) {
        if (out.size() == kLongest) break;
        const bool blank = c == L' ' && (out.empty() || out.back() == L' ');  // one blank between words
        if (c > 0x20 && c < 0x7F ? kOwnSigns.find(c) == std::wstring_view::npos : c == L' ' && !blank) out += c;
    }
    while (!out.empty() && out.back() == L' ') out.pop_back();
    return out;
}

std::wstring startLine(std::wstring_view startName) {
    // Characters that end or split a command name for the batch interpreter.
    constexpr std::wstring_view kSpecial = L" &^(),;=";
    std::wstring line;
    bool quote = false;
    for (const wchar_t c : startName) {
        if (kSpecial.find(c) != std::wstring_view::npos) quote = true;
        line += c;
        if (c == L'%') line += L'%';
    }
    if (quote) return L'"' + line + L'"';
    // A name the interpreter would take for one of its own commands, or an
    // "@" that would only hide the line: named as the program in this folder.
    if (!line.empty() && (line.front() == L'@' || ownCommand(line))) line.insert(0, L".\\");
    return line;
}

std::wstring startLine(std::wstring_view startName, std::wstring_view switches) {
    std::wstring line = startLine(startName);
    if (switches.empty()) return line;
    line += L' ';
    for (const wchar_t c : switches) {
        line += c;
        if (c == L'%') line += L'%';
    }
    return line;
}

std::wstring switchesFault(std::wstring_view switches) {
    bool quoted = false;
    for (const wchar_t c : switches) {
        if (c == L'"') quoted = !quoted;
        const bool everywhere = c == L'|' || c == L'<' || c == L'>';
        if (everywhere || (!quoted && (c == L'&' || c == L'^'))) {
            return std::wstring(L"The switches hold \"") + c +
                   (everywhere ? L"\", which the batch interpreter takes for its own."
                               : L"\" outside double quotes, which the batch interpreter takes for its own there.");
        }
        if (c < 0x20) return L"The switches hold a control character.";
    }
    return {};
}

std::optional<StartLine> readStartLine(std::wstring_view line) {
    StartLine out;
    std::size_t end = 0;
    if (line.starts_with(L'"')) {
        end = line.find(L'"', 1);
        if (end == std::wstring_view::npos) return std::nullopt;
        out.startName = line.substr(1, end - 1);
        ++end;
    } else {
        end = std::min(line.find(L' '), line.size());
        out.startName = line.substr(line.starts_with(L".\\") ? 2 : 0, end - (line.starts_with(L".\\") ? 2 : 0));
    }
    if (end < line.size()) out.switches = line.substr(end + 1);
    for (std::wstring* part : {&out.startName, &out.switches}) {
        for (std::size_t at = part->find(L"%%"); at != std::wstring::npos; at = part->find(L"%%", at + 1)) part->erase(at, 1);
    }
    // Only a line that startLine writes, so that nothing runs that the window does not show.
    if (out.startName.empty() || !switchesFault(out.switches).empty() || startLine(out.startName, out.switches) != line) {
        return std::nullopt;
    }
    return out;
}

}  // namespace corvane
