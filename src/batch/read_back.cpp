#include "batch/read_back.h"

#include "batch/batch_text.h"
#include "batch/dos_lines.h"
#include "batch/room_check.h"

namespace corvane {

namespace {

constexpr std::wstring_view kEchoOff = L"@echo off";
constexpr std::size_t kLinesShown = 2;

std::vector<std::wstring_view> linesOf(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(dos::kEol, at);
        lines.push_back(text.substr(at, end - at));
        if (end == std::wstring_view::npos) return lines;
        at = end + dos::kEol.size();
    }
}

// The first form: "@echo off", the nine lines every file holds in their
// order, and the start line (without a line end, as Corvane wrote it).
bool isFirstForm(const std::vector<std::wstring_view>& lines, FoundBatch& out) {
    const std::vector<std::wstring_view> variables = everyFileVariables();
    if (lines.size() != variables.size() + 2 || lines.front() != kEchoOff || lines.back().empty()) return false;
    for (std::size_t i = 0; i < variables.size(); ++i) {
        const std::optional<GlideLine> line = settingLine(lines[i + 1]);
        if (!line || line->remark || line->variable != variables[i]) return false;
        out.settings.push_back(*line);
    }
    return true;
}

// The first lines that are not blank.
void show(FoundBatch& out, const std::vector<std::wstring_view>& lines) {
    for (std::size_t i = 0; i < lines.size() && out.shown.size() < kLinesShown; ++i) {
        if (lines[i].find_first_not_of(L" \t") != std::wstring_view::npos) out.shown.emplace_back(lines[i]);
    }
}

}  // namespace

FoundBatch readBack(std::wstring_view text, bool whole) {
    FoundBatch out;
    std::vector<std::wstring_view> lines = linesOf(text);
    const bool lineEnd = text.ends_with(dos::kEol);
    if (lineEnd) lines.pop_back();  // the nothing after the last line end
    if (whole && isFirstForm(lines, out)) {
        out.maker = FoundBatch::Maker::Corvane;
        return out;
    }
    out.settings.clear();
    // The later forms: the start line comes just before the end label.
    const std::wstring endLabel = L":" + std::wstring(kEndLabel);
    std::size_t start = lines.size();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i] == endLabel) start = i - 1;
    }
    const RoomCheckLines check;
    bool marked = false;
    std::vector<std::wstring_view> added;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::wstring_view line = lines[i];
        if (const std::optional<GlideLine> setting = settingLine(line)) {
            out.settings.push_back(*setting);
            continue;
        }
        const bool mark = line.starts_with(kMadeBy) || line == kCheckRemark;
        marked = marked || mark;
        // A blank line loses nothing where the file is replaced.
        const bool blank = line.find_first_not_of(L" \t") == std::wstring_view::npos;
        const bool ours = blank || mark || (i == 0 && line == kEchoOff) || (i == start && !line.empty()) ||
                          line == endLabel || check.holds(line);
        if (!ours) added.push_back(line);
    }
    if (!marked || !whole) {
        show(out, lines);
    } else if (added.empty()) {
        out.maker = FoundBatch::Maker::Corvane;
    } else {
        out.maker = FoundBatch::Maker::CorvaneAndOwnLines;
        show(out, added);
    }
    return out;
}

}  // namespace corvane
