#include "batch/glide_lines.h"

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
    Gamma,
    Clock,
    KeptRefresh,      // the chosen rate as the card keeps it
    ChosenRefresh,    // the chosen rate, nothing until the slider is moved
};

struct Row {
    std::wstring_view variable;
    ReadBy readBy;
    Block block;
    Form form;
    bool GlideSettings::*box = nullptr;  // the box of a switch
    std::span<const int> rates = {};     // the rates a card keeps
    // Voodoo Graphics' Glide takes this clock unchecked, and its own is
    // about 50 MHz: every position of the slider would overclock it.
    bool overclocksVoodooGraphics = false;
};

using S = GlideSettings;
constexpr Row kRows[] = {
    {L"SST_FASTMEM", ReadBy::EveryFile, Block::Switches, Form::OneIfTicked, &S::fastMemory},
    {L"SST_FASTPCIRD", ReadBy::EveryFile, Block::Switches, Form::PresentIfTicked, &S::fastPci},
    {L"FX_GLIDE_SWAPINTERVAL", ReadBy::EveryFile, Block::Switches, Form::ZeroIfTicked, &S::fastBuffering},
    {L"SST_SWAP_EN_WAIT_ON_VSYNC", ReadBy::EveryFile, Block::Switches, Form::ZeroIfTicked, &S::fastRefresh},
    {L"SST_VIDEO_24BPP", ReadBy::EveryFile, Block::Switches, Form::OneIfTicked, &S::trueColour},
    {L"FX_GLIDE_NO_SPLASH", ReadBy::EveryFile, Block::Switches, Form::PresentIfClear, &S::splash},
    {L"SST_GAMMA", ReadBy::EveryFile, Block::Numbers, Form::Gamma},
    {L"SST_GRXCLK", ReadBy::EveryFile, Block::Numbers, Form::Clock, nullptr, {}, true},
    {L"SST_SCREENREFRESH", ReadBy::EveryFile, Block::Numbers, Form::KeptRefresh, nullptr, kVoodooGraphicsRates},
    // Voodoo2's Glide reads the same settings under SSTV2_ names; for its
    // 24-bit line "0" would force 16-bit output, so clear is no line.
    {L"SSTV2_GRXCLK", ReadBy::Voodoo2, Block::Numbers, Form::Clock},
    {L"SSTV2_FASTPCIRD", ReadBy::Voodoo2, Block::Numbers, Form::PresentIfTicked, &S::fastPci},
    {L"SSTV2_FASTMEM_RAS_READS", ReadBy::Voodoo2, Block::Numbers, Form::PresentIfTicked, &S::fastMemory},
    {L"SSTV2_SCREENREFRESH", ReadBy::Voodoo2, Block::Numbers, Form::KeptRefresh, nullptr, kVoodoo2Rates},
    {L"SSTV2_VIDEO_24BPP", ReadBy::Voodoo2, Block::Numbers, Form::PresentIfTicked, &S::trueColour},
    {L"SSTV2_GAMMA", ReadBy::Voodoo2, Block::Numbers, Form::Gamma},
    // Banshee to Voodoo5: the gamma of each colour, and the refresh rate as
    // chosen once the slider has been moved. Their clock variables write the
    // PLLs unchecked and are never set.
    {L"SSTH3_RGAMMA", ReadBy::Later, Block::Numbers, Form::Gamma},
    {L"SSTH3_GGAMMA", ReadBy::Later, Block::Numbers, Form::Gamma},
    {L"SSTH3_BGAMMA", ReadBy::Later, Block::Numbers, Form::Gamma},
    {L"FX_GLIDE_REFRESH", ReadBy::Later, Block::Numbers, Form::ChosenRefresh},
};

std::wstring valueOf(const Row& row, const GlideSettings& s) {
    const bool ticked = row.box != nullptr && s.*row.box;
    switch (row.form) {
        case Form::OneIfTicked:
            return ticked ? L"1" : L"0";
        case Form::ZeroIfTicked:
            return ticked ? L"0" : L"1";
        case Form::PresentIfTicked:
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
    for (const Row& row : kRows) {
        if (!written(row.readBy, s.cards)) continue;
        // Where the card is not known it may be a Voodoo Graphics, the only
        // card whose Glide reads the clock line, as every Glide it runs does.
        const bool remark = row.overclocksVoodooGraphics && (s.cards.voodooGraphics || s.cards.none());
        GlideLine line{row.variable, valueOf(row, s), remark};
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
