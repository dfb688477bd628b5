#include "batch/glide_lines.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/decimal.h"
#include "settings/number_text.h"

namespace corvane {

namespace {

enum class ReadBy : std::uint8_t { EveryFile, Voodoo2, Later };
enum class Block : std::uint8_t { Switches, Numbers };
// How a row's value comes from the settings.
enum class Form : std::uint8_t {
    OneIfTicked,      // "1" ticked, "0" clear
    ZeroIfTicked,     // "0" ticked, "1" clear
    PresentIfTicked,  // "1" ticked, nothing clear: the driver tests these
    PresentIfClear,   // for presence alone, whatever their value
    OneIfTickedOnly,  // "1" ticked, nothing clear: read by value, where "0" would force the other way
    Gamma,
    Clock,
    KeptRefresh,      // the chosen rate as the card keeps it
    ChosenRefresh,    // the chosen rate, nothing until the slider is moved
    Refresh,          // the chosen rate, 0 until the slider is moved
};

struct Row {
    std::wstring_view variable;
    ReadBy readBy;
    Block block;
    Form form;
    Setting setting;
    std::span<const int> rates = {};  // the rates a card keeps
    // Where Corvane's first files wrote the line otherwise: a value on
    // every line, and the refresh as chosen.
    Form firstForm = form;
    // Voodoo Graphics' Glide takes this clock unchecked, and its own is
    // about 50 MHz: every position of the slider would overclock it.
    bool overclocksVoodooGraphics = false;
};

using enum Setting;
constexpr Row kRows[] = {
    {L"SST_FASTMEM", ReadBy::EveryFile, Block::Switches, Form::OneIfTicked, FastMemory},
    {L"SST_FASTPCIRD", ReadBy::EveryFile, Block::Switches, Form::PresentIfTicked, FastPci, {}, Form::OneIfTicked},
    {L"FX_GLIDE_SWAPINTERVAL", ReadBy::EveryFile, Block::Switches, Form::ZeroIfTicked, FastBuffering},
    {L"SST_SWAP_EN_WAIT_ON_VSYNC", ReadBy::EveryFile, Block::Switches, Form::ZeroIfTicked, FastRefresh},
    {L"SST_VIDEO_24BPP", ReadBy::EveryFile, Block::Switches, Form::OneIfTicked, TrueColour},
    {L"FX_GLIDE_NO_SPLASH", ReadBy::EveryFile, Block::Switches, Form::PresentIfClear, Splash, {}, Form::ZeroIfTicked},
    {L"SST_GAMMA", ReadBy::EveryFile, Block::Numbers, Form::Gamma, Gamma},
    {L"SST_GRXCLK", ReadBy::EveryFile, Block::Numbers, Form::Clock, Clock, {}, Form::Clock, true},
    {L"SST_SCREENREFRESH", ReadBy::EveryFile, Block::Numbers, Form::KeptRefresh, Refresh, kVoodooGraphicsRates,
     Form::Refresh},
    // Voodoo2's Glide reads the same settings under SSTV2_ names; for its
    // 24-bit line "0" would force 16-bit output, so clear is no line.
    {L"SSTV2_GRXCLK", ReadBy::Voodoo2, Block::Numbers, Form::Clock, Clock},
    {L"SSTV2_FASTPCIRD", ReadBy::Voodoo2, Block::Numbers, Form::PresentIfTicked, FastPci},
    {L"SSTV2_FASTMEM_RAS_READS", ReadBy::Voodoo2, Block::Numbers, Form::PresentIfTicked, FastMemory},
    {L"SSTV2_SCREENREFRESH", ReadBy::Voodoo2, Block::Numbers, Form::KeptRefresh, Refresh, kVoodoo2Rates},
    {L"SSTV2_VIDEO_24BPP", ReadBy::Voodoo2, Block::Numbers, Form::OneIfTickedOnly, TrueColour},
    {L"SSTV2_GAMMA", ReadBy::Voodoo2, Block::Numbers, Form::Gamma, Gamma},
    // Banshee to Voodoo5: the gamma of each colour, and the refresh rate as
    // chosen once the slider has been moved. Their clock variables write the
    // PLLs unchecked and are never set.
    {L"SSTH3_RGAMMA", ReadBy::Later, Block::Numbers, Form::Gamma, Gamma},
    {L"SSTH3_GGAMMA", ReadBy::Later, Block::Numbers, Form::Gamma, Gamma},
    {L"SSTH3_BGAMMA", ReadBy::Later, Block::Numbers, Form::Gamma, Gamma},
    {L"FX_GLIDE_REFRESH", ReadBy::Later, Block::Numbers, Form::ChosenRefresh, Refresh},
};

std::wstring valueOf(const Row& row, const GlideSettings& s, Form form) {
    const bool ticked = s.value(row.setting) == 1;
    switch (form) {
        case Form::OneIfTicked:
            return ticked ? L"1" : L"0";
        case Form::ZeroIfTicked:
            return ticked ? L"0" : L"1";
        case Form::PresentIfTicked:
        case Form::OneIfTickedOnly:
            return ticked ? L"1" : L"";
        case Form::PresentIfClear:
            return ticked ? L"" : L"1";
        case Form::Gamma:
            return gammaText(s.gammaPosition);
        case Form::Clock:
            return decimal(s.clockMhz);
        case Form::KeptRefresh:
            return decimal(keptRefresh(s.refreshHz, row.rates));
        case Form::ChosenRefresh:
            return s.refreshHz != 0 ? decimal(s.refreshHz) : std::wstring();
        case Form::Refresh:
            return decimal(s.refreshHz);
    }
    return {};
}

bool written(ReadBy readBy, const GlideCards& cards) {
    switch (readBy) {
        case ReadBy::EveryFile:
            return true;
        case ReadBy::Voodoo2:
            return cards.voodoo2;
        case ReadBy::Later:
            return cards.later;
    }
    return false;
}

}  // namespace

GlideLines glideLines(const GlideSettings& s) {
    GlideLines out;
    // A wrapper reads none of them.
    if (!s.cards.wrapper.empty()) return out;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& row = kRows[i];
        if (s.cards.variablesHeld ? (*s.cards.variablesHeld >> i & 1) == 0 : !written(row.readBy, s.cards)) continue;
        // Where the card is not known it may be a Voodoo Graphics, the only
        // card whose Glide reads the clock line, as every Glide it runs does.
        const bool remark = row.overclocksVoodooGraphics && (s.cards.voodooGraphics || s.cards.none());
        GlideLine line{row.variable, valueOf(row, s, row.form), remark};
        (row.block == Block::Switches ? out.switches : out.numbers).push_back(std::move(line));
    }
    return out;
}

namespace {

constexpr std::wstring_view kSet = L"SET ";
constexpr std::wstring_view kRemark = L"REM ";
constexpr std::wstring_view kRemarkWhy = L" not set: a Voodoo Graphics runs at its own clock";

}  // namespace

std::wstring lineText(const GlideLine& line) {
    std::wstring text(line.remark ? kRemark : kSet);
    text += line.variable;
    text += L'=';
    text += line.value;
    if (line.remark) text += kRemarkWhy;
    return text;
}

std::optional<GlideLine> settingLine(std::wstring_view text) {
    const bool remark = text.starts_with(kRemark);
    if (!remark && !text.starts_with(kSet)) return std::nullopt;
    text.remove_prefix(remark ? kRemark.size() : kSet.size());
    if (remark) {
        if (!text.ends_with(kRemarkWhy)) return std::nullopt;
        text.remove_suffix(kRemarkWhy.size());
    }
    const std::size_t eq = text.find(L'=');
    if (eq == std::wstring_view::npos) return std::nullopt;
    for (const Row& row : kRows) {
        if (text.substr(0, eq) != row.variable || (remark && !row.overclocksVoodooGraphics)) continue;
        return GlideLine{row.variable, std::wstring(text.substr(eq + 1)), remark};
    }
    return std::nullopt;
}

int GlideSettings::value(Setting s) const {
    switch (s) {
        case FastMemory: return fastMemory ? 1 : 0;
        case FastPci: return fastPci ? 1 : 0;
        case FastBuffering: return fastBuffering ? 1 : 0;
        case FastRefresh: return fastRefresh ? 1 : 0;
        case TrueColour: return trueColour ? 1 : 0;
        case Splash: return splash ? 1 : 0;
        case Gamma: return gammaPosition;
        case Clock: return clockMhz;
        case Refresh: return refreshHz;
    }
    return 0;
}

void GlideSettings::set(Setting s, int v) {
    switch (s) {
        case FastMemory: fastMemory = v == 1; break;
        case FastPci: fastPci = v == 1; break;
        case FastBuffering: fastBuffering = v == 1; break;
        case FastRefresh: fastRefresh = v == 1; break;
        case TrueColour: trueColour = v == 1; break;
        case Splash: splash = v == 1; break;
        case Gamma: gammaPosition = v; break;
        case Clock: clockMhz = v; break;
        case Refresh: refreshHz = v; break;
    }
}

std::optional<int> valueIn(std::span<const GlideLine> lines, Setting setting, std::span<const int> candidates) {
    std::vector<int> left(candidates.begin(), candidates.end());
    bool first = true;
    // The rows in the table's order: the lines every file holds come first.
    for (const Row& row : kRows) {
        if (row.setting != setting) continue;
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const GlideLine& l) { return l.variable == row.variable; });
        if (line == lines.end()) continue;
        // The driver tests a presence-read variable for being set at all.
        const bool presence = row.form == Form::PresentIfTicked || row.form == Form::PresentIfClear;
        std::vector<int> held;
        for (const int candidate : left) {
            GlideSettings s;
            s.set(setting, candidate);
            const std::wstring written = valueOf(row, s, row.form);
            if (presence ? written.empty() == line->value.empty()
                         : written == line->value || valueOf(row, s, row.firstForm) == line->value) {
                held.push_back(candidate);
            }
        }
        if (first && held.empty()) return std::nullopt;
        if (!held.empty()) left = std::move(held);
        first = false;
    }
    if (first) return std::nullopt;
    return left.front();
}

bool firstFormWrites(const GlideLine& line) {
    for (const Row& row : kRows) {
        if (row.variable != line.variable) continue;
        GlideSettings s;
        for (const int v : {0, 1}) {
            s.set(row.setting, v);
            if (valueOf(row, s, row.firstForm) == line.value) return true;
        }
        return row.block == Block::Numbers;  // numbers: any value valueIn takes
    }
    return false;
}

GlideCards cardsOf(std::span<const GlideLine> lines) {
    GlideCards cards;
    for (const GlideLine& line : lines) {
        const auto row = std::find_if(std::begin(kRows), std::end(kRows), [&](const Row& r) { return r.variable == line.variable; });
        if (row == std::end(kRows)) continue;
        cards.voodooGraphics = cards.voodooGraphics || line.remark;
        cards.voodoo2 = cards.voodoo2 || row->readBy == ReadBy::Voodoo2;
        cards.later = cards.later || row->readBy == ReadBy::Later;
    }
    return cards;
}

bool settingSet(Setting setting, const GlideCards& cards) {
    GlideSettings s;
    s.cards = cards;
    const GlideLines lines = glideLines(s);
    for (const auto* part : {&lines.switches, &lines.numbers}) {
        for (const GlideLine& l : *part) {
            const auto row = std::find_if(std::begin(kRows), std::end(kRows), [&](const Row& r) { return r.variable == l.variable; });
            if (!l.remark && row->setting == setting) return true;
        }
    }
    return false;
}

std::uint64_t variablesOf(std::span<const GlideLine> lines) {
    std::uint64_t held = 0;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const auto same = [&](const GlideLine& l) { return l.variable == kRows[i].variable; };
        if (std::any_of(lines.begin(), lines.end(), same)) held |= std::uint64_t{1} << i;
    }
    return held;
}

std::vector<std::string> settingVariables() {
    std::vector<std::string> out;
    for (const Row& row : kRows) out.emplace_back(row.variable.begin(), row.variable.end());
    return out;
}

bool mentionsSettingVariable(std::wstring_view text) {
    const auto same = [](wchar_t a, wchar_t b) { return (a >= L'a' && a <= L'z' ? a - L'a' + L'A' : a) == b; };
    return std::any_of(std::begin(kRows), std::end(kRows), [&](const Row& r) {
        return std::search(text.begin(), text.end(), r.variable.begin(), r.variable.end(), same) != text.end();
    });
}

std::vector<std::wstring_view> everyFileVariables() {
    std::vector<std::wstring_view> out;
    for (const Row& row : kRows) {
        if (row.readBy == ReadBy::EveryFile) out.push_back(row.variable);
    }
    return out;
}

std::size_t environmentNeed(std::span<const GlideLine> lines) {
    std::size_t need = 0;
    for (const GlideLine& line : lines) {
        if (!line.remark && !line.value.empty()) need += line.variable.size() + 1 + line.value.size() + 1;
    }
    return need;
}

int keptRefresh(int hz, std::span<const int> kept) {
    if (hz == 0 || kept.empty()) return hz;
    int out = kept.front();
    for (const int rate : kept) {
        if (rate <= hz) out = rate;
    }
    return out;
}

}  // namespace corvane
