#include "batch/read_back.h"

#include <algorithm>

#include "batch/dos_lines.h"
#include "batch/room_check.h"
#include "settings/panel.h"

namespace corvane {

namespace {

constexpr std::wstring_view kEchoOff = L"@echo off";
constexpr std::size_t kLinesShown = 2;

// A line as the file holds it, and as its code page reads it. Clean: no
// byte that an interpreter reads otherwise (a lone CR or LF, Ctrl-Z, NUL),
// and none that the code page reads together with its line end.
struct FileLine {
    std::string_view bytes;
    bool lineEnd = true;
    std::wstring text;
    bool clean(const CodePageService& cp) const {
        return bytes.find_first_of(std::string_view("\r\n\x1A\0", 4)) == std::string_view::npos && cp.encode(text) == bytes;
    }
};

std::vector<FileLine> linesOf(std::string_view bytes, const CodePageService& cp) {
    std::vector<FileLine> lines;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find("\r\n", at), bytes.size());
        FileLine line{bytes.substr(at, end - at), end < bytes.size(), {}};
        line.text = cp.decode(line.bytes);
        lines.push_back(std::move(line));
        at = end + 2;
    }
    return lines;
}

// The values a setting's lines may stand for: those the window has, and
// for the numbers what a hand may have written in Corvane's forms (each
// line's value read as whole numbers and as hundredths, below 1000).
std::vector<int> candidates(Setting s, std::span<const GlideLine> lines) {
    if (s == Setting::Refresh) {
        std::vector<int> rates = {0};
        for (const int hz : SettingsPanel::refreshRates()) rates.push_back(hz);
        return rates;
    }
    if (s != Setting::Gamma && s != Setting::Clock) return {0, 1};
    std::vector<int> out;
    for (const GlideLine& line : lines) {
        if (line.value.empty() || line.value.size() > 6) continue;  // no value below 1000
        int whole = 0, hundredths = 0, decimals = -1;
        bool number = true;
        for (const wchar_t c : line.value) {
            if (c == L'.' && decimals < 0) {
                decimals = 0;
            } else if (c >= L'0' && c <= L'9' && decimals < 2) {
                (decimals < 0 ? whole : hundredths) = (decimals < 0 ? whole : hundredths) * 10 + (c - L'0');
                if (decimals >= 0) ++decimals;
            } else {
                number = false;
            }
        }
        if (!number) continue;
        if (decimals < 0) out.push_back(whole);
        const int scaled = whole * 100 + hundredths * (decimals == 1 ? 10 : 1);
        if (s == Setting::Gamma && scaled < 1000) out.push_back(scaled);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

BatchSettings valuesOf(std::span<const GlideLine> lines) {
    BatchSettings s;
    for (const Setting setting : {Setting::FastMemory, Setting::FastPci, Setting::FastBuffering, Setting::FastRefresh,
                                  Setting::TrueColour, Setting::Splash, Setting::Gamma, Setting::Clock, Setting::Refresh}) {
        const std::vector<int> domain = candidates(setting, lines);
        if (const std::optional<int> v = valueIn(lines, setting, domain)) s.set(setting, *v);
    }
    s.cards = cardsOf(lines);
    return s;
}

// The first form: "@echo off", the nine lines every file holds in their
// order, and the start line (without a line end as Corvane wrote it, or
// with one as an editor may save it).
bool isFirstForm(const std::vector<FileLine>& lines, const CodePageService& cp, FoundBatch& out) {
    const std::vector<std::wstring_view> variables = everyFileVariables();
    if (lines.size() != variables.size() + 2) return false;
    if (!std::all_of(lines.begin(), lines.end(), [&](const FileLine& l) { return l.clean(cp); })) return false;
    if (lines.front().text != kEchoOff) return false;
    std::vector<GlideLine> settings;
    for (std::size_t i = 0; i < variables.size(); ++i) {
        const std::optional<GlideLine> line = settingLine(lines[i + 1].text);
        if (!line || line->remark || line->variable != variables[i] || !firstFormWrites(*line)) return false;
        settings.push_back(*line);
    }
    const std::optional<StartLine> start = readStartLine(lines.back().text);
    if (!start) return false;
    out.settings = valuesOf(settings);
    out.settings.startName = start->startName;
    out.settings.switches = start->switches;
    return true;
}

// Whether a line may be the user's: not a remark, a label or a jump, and
// not a line of the settings or of the check for room.
std::wstring upper(std::wstring_view text) {
    std::wstring out;
    for (const wchar_t c : text) out += c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    return out;
}

bool maybeUsers(std::wstring_view text) {
    const std::wstring upper = corvane::upper(text);
    const std::size_t first = upper.find_first_not_of(L" \t@");
    if (first == std::wstring::npos) return true;
    const std::wstring_view line = std::wstring_view(upper).substr(first);
    const auto word = [&](std::wstring_view w, std::size_t at) {
        const auto letter = [](wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'_'; };
        return line.substr(at, w.size()) == w && (at == 0 || !letter(line[at - 1])) &&
               (at + w.size() >= line.size() || !letter(line[at + w.size()]));
    };
    if (line.front() == L':' || word(L"REM", 0)) return false;
    for (std::size_t at = line.find(L"GOTO"); at != std::wstring_view::npos; at = line.find(L"GOTO", at + 1)) {
        if (word(L"GOTO", at)) return false;
    }
    if (line.find(L"CALL :") != std::wstring_view::npos || line.find(L"%0") != std::wstring_view::npos) return false;
    if (word(L"SET", 0) && line.find_first_not_of(L" \t", 3) != std::wstring_view::npos &&
        line[line.find_first_not_of(L" \t", 3)] == L'_') {
        return false;  // a probe's name
    }
    return !mentionsSettingVariable(line);
}

// The key a user's line is placed after: a setting's variable, or the text.
std::wstring keyOf(std::wstring_view line) {
    if (const std::optional<GlideLine> setting = settingLine(line)) return std::wstring(setting->variable);
    return std::wstring(line);
}

// Corvane's lines of a file made again, and where its parts begin.
struct Remade {
    std::vector<std::wstring> lines;
    std::size_t settingsAt = 0;  // the first line of the settings
    std::size_t startAt = 0;     // the start line
    UserLine::Part partOf(std::size_t i) const {
        return i < settingsAt ? UserLine::Part::BeforeSettings
               : i < startAt  ? UserLine::Part::BeforeStart
                              : UserLine::Part::AfterStart;
    }
};

Remade remade(const BatchFile& file) {
    Remade out;
    const std::wstring text = file.checkAndSwitches + file.numbersAndStart;
    const std::wstring endLabel = L":" + std::wstring(kEndLabel);
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(dos::kEol, at), text.size());
        out.lines.push_back(text.substr(at, end - at));
        at = end + dos::kEol.size();
    }
    out.startAt = out.lines.empty() ? 0 : out.lines.size() - 1;
    for (std::size_t i = 0; i < out.lines.size(); ++i) {
        if (out.lines[i] == endLabel && i > 0) out.startAt = i - 1;
    }
    out.settingsAt = out.startAt;
    for (std::size_t i = out.startAt; i-- > 0;) {
        if (settingLine(out.lines[i])) out.settingsAt = i;
    }
    return out;
}

void show(FoundBatch& out, const std::vector<FileLine>& lines) {
    for (std::size_t i = 0; i < lines.size() && out.shown.size() < kLinesShown; ++i) {
        if (lines[i].text.find_first_not_of(L" \t") != std::wstring::npos) out.shown.push_back(lines[i].text);
    }
}

FoundBatch altered(const std::wstring& line, bool missing) {
    FoundBatch out;
    out.maker = FoundBatch::Maker::Altered;
    out.shown = {line};
    out.lineMissing = missing;
    return out;
}

}  // namespace

FoundBatch readBack(std::string_view bytes, bool whole, const CodePageService& codePage, std::wstring_view batchPath,
                    const GlideCards& loaded) {
    FoundBatch out;
    const std::vector<FileLine> lines = linesOf(bytes, codePage);
    if (whole && isFirstForm(lines, codePage, out)) {
        out.maker = FoundBatch::Maker::Corvane;
        return out;
    }
    out.settings = {};
    const auto marker = std::find_if(lines.begin(), lines.end(), [](const FileLine& l) { return l.text.starts_with(kMadeBy); });
    const bool marked = marker != lines.end() ||
                        std::any_of(lines.begin(), lines.end(), [](const FileLine& l) { return l.text == kCheckRemark; });
    if (!whole || !marked) {
        show(out, lines);
        return out;
    }

    // The values, the program and the version the file holds.
    std::vector<GlideLine> settings;
    std::size_t doneAt = lines.size();
    const std::wstring endLabel = L":" + std::wstring(kEndLabel);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].text == endLabel) doneAt = i;
        const std::optional<GlideLine> setting = settingLine(lines[i].text);
        if (!setting) continue;
        // The game gets the last of two lines of one variable, the window would show the first.
        const auto same = [&](const GlideLine& l) { return l.variable == setting->variable; };
        if (std::any_of(settings.begin(), settings.end(), same)) return altered(lines[i].text, false);
        settings.push_back(*setting);
    }
    if (doneAt == lines.size() || doneAt == 0) return altered(endLabel, true);
    const std::optional<StartLine> start = readStartLine(lines[doneAt - 1].text);
    if (!start) return altered(lines[doneAt - 1].text, false);
    BatchSettings s = valuesOf(settings);
    if (loaded.variablesHeld) {
        // Which of them the Glide holds, and (for the clock's form) its cards.
        s.cards.variablesHeld = variablesOf(settings) | *loaded.variablesHeld;
        s.cards.voodooGraphics = s.cards.voodooGraphics || loaded.voodooGraphics;
        s.cards.voodoo2 = s.cards.voodoo2 || loaded.voodoo2;
        s.cards.later = s.cards.later || loaded.later;
    }
    if (!loaded.wrapper.empty() && settings.empty()) {
        for (const FileLine& line : lines) {
            const std::wstring_view t = line.text;
            if (!t.starts_with(kWrapperStart) || !t.ends_with(kWrapperEnd)) continue;
            const std::wstring_view words = t.substr(kWrapperStart.size(), t.size() - kWrapperStart.size() - kWrapperEnd.size());
            if (!words.empty() && wrapperWords(words) == words) s.cards.wrapper = words;
        }
    }
    s.startName = start->startName;
    s.switches = start->switches;
    s.batchPath = std::wstring(batchPath);
    std::wstring_view madeBy;
    if (marker != lines.end()) {
        madeBy = std::wstring_view(marker->text).substr(kMadeBy.size());
        const std::size_t digits = std::min(madeBy.find(L". "), madeBy.size());
        const std::wstring_view version = madeBy.substr(0, digits);
        const bool ends = std::find(std::begin(kMadeByEnds), std::end(kMadeByEnds), madeBy.substr(digits)) != std::end(kMadeByEnds);
        if (ends && !version.empty() && version.find_first_not_of(L"0123456789.") == std::wstring_view::npos) s.version = version;
    }

    // Made again: line by line the same, but for the user's lines.
    Remade again = remade(batchFile(s));
    const auto madeByLine = std::find_if(again.lines.begin(), again.lines.end(),
                                         [](const std::wstring& l) { return l.starts_with(kMadeBy); });
    if (marker == lines.end()) {
        const std::size_t at = static_cast<std::size_t>(madeByLine - again.lines.begin());
        again.lines.erase(madeByLine);
        again.settingsAt -= again.settingsAt > at ? 1 : 0;
        again.startAt -= again.startAt > at ? 1 : 0;
    } else if (!s.version.empty()) {
        *madeByLine = marker->text;  // its own version, and either of the words after it
    }
    std::size_t next = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const FileLine& line = lines[i];
        const bool clean = line.clean(codePage);
        if (next < again.lines.size() && clean && line.lineEnd && line.text == again.lines[next]) {
            ++next;
            continue;
        }
        if (!clean || !maybeUsers(line.text)) {
            // Named as what it lacks where Corvane's next line is nowhere
            // after it, and this one is not that line changed.
            const bool lacks = next < again.lines.size() && clean &&
                               upper(line.text).find(upper(keyOf(again.lines[next]))) == std::wstring::npos &&
                               std::none_of(lines.begin() + static_cast<std::ptrdiff_t>(i), lines.end(),
                                            [&](const FileLine& l) { return l.text == again.lines[next]; });
            return lacks ? altered(again.lines[next], true) : altered(line.text, false);
        }
        UserLine kept{std::string(line.bytes), line.lineEnd, {}, 0, UserLine::Part::BeforeSettings};
        if (next > 0) {
            kept.after = keyOf(again.lines[next - 1]);
            kept.part = again.partOf(next - 1);
            for (std::size_t k = 0; k + 1 < next; ++k) {
                if (again.partOf(k) == kept.part && keyOf(again.lines[k]) == kept.after) ++kept.afterNth;
            }
        }
        out.userLines.push_back(std::move(kept));
    }
    if (next < again.lines.size()) return altered(again.lines[next], true);
    out.maker = FoundBatch::Maker::Corvane;
    out.settings = std::move(s);
    return out;
}

std::optional<std::pair<std::string, std::string>> withUserLines(const BatchFile& file, std::span<const UserLine> lines,
                                                                  const CodePageService& codePage) {
    const Remade made = remade(file);
    const std::size_t count = made.lines.size();
    const std::size_t firstPiece = remade(BatchFile{file.checkAndSwitches, {}}).lines.size();
    // slots[0]: before every line of Corvane's; slots[k + 1]: after line k.
    std::vector<std::vector<const UserLine*>> slots(count + 1);
    for (const UserLine& line : lines) {
        std::size_t slot = line.part == UserLine::Part::BeforeSettings ? made.settingsAt
                           : line.part == UserLine::Part::BeforeStart  ? made.startAt
                                                                       : count;
        if (line.after.empty()) slot = 0;
        std::size_t seen = 0;
        for (std::size_t k = 0; k < count && !line.after.empty(); ++k) {
            if (made.partOf(k) == line.part && keyOf(made.lines[k]) == line.after && seen++ == line.afterNth) {
                slot = k + 1;
                break;
            }
        }
        slots[slot].push_back(&line);
    }
    const bool endsInEol = file.numbersAndStart.ends_with(dos::kEol);
    std::pair<std::string, std::string> out;
    std::string* piece = &out.first;
    bool open = false;  // the last line written wants its line end
    const auto add = [&](std::string_view bytes, bool lineEnd) {
        if (open) *piece += "\r\n";
        *piece += bytes;
        open = !lineEnd;
        if (lineEnd) *piece += "\r\n";
    };
    for (std::size_t k = 0; k <= count; ++k) {
        if (k > 0) {
            const std::optional<std::string> text = codePage.encode(made.lines[k - 1]);
            if (!text) return std::nullopt;
            if (k - 1 == firstPiece) piece = &out.second;
            add(*text, k < count || endsInEol);
        }
        for (const UserLine* user : slots[k]) add(user->bytes, user->lineEnd);
    }
    return out;
}

}  // namespace corvane
