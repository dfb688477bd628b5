#include "batch/batch_text.h"

#include "platform/decimal.h"
#include "settings/number_text.h"

namespace corvane {

namespace {

constexpr std::wstring_view kEol = L"\r\n";

std::wstring setLine(std::wstring_view variable, std::wstring_view value) {
    std::wstring line = L"SET ";
    line += variable;
    line += L'=';
    line += value;
    line += kEol;
    return line;
}

std::wstring flag(std::wstring_view variable, bool ticked, bool tickedMeansOne) {
    return setLine(variable, ticked == tickedMeansOne ? L"1" : L"0");
}

// The driver tests these for presence alone, whatever their value: "off" is
// no variable at all, which "SET NAME=" gives the program, also where the
// machine's own start-up set one.
std::wstring present(std::wstring_view variable, bool on) { return setLine(variable, on ? L"1" : L""); }

}  // namespace

BatchText batchText(const BatchSettings& s) {
    BatchText t;
    t.switches = L"@echo off";
    t.switches += kEol;
    t.switches += flag(L"SST_FASTMEM", s.fastMemory, true);
    t.switches += present(L"SST_FASTPCIRD", s.fastPci);
    t.switches += flag(L"FX_GLIDE_SWAPINTERVAL", s.fastBuffering, false);
    t.switches += flag(L"SST_SWAP_EN_WAIT_ON_VSYNC", s.fastRefresh, false);
    t.switches += flag(L"SST_VIDEO_24BPP", s.trueColour, true);
    t.switches += present(L"FX_GLIDE_NO_SPLASH", !s.splash);
    const std::wstring gamma = gammaText(s.gammaPosition);
    t.numbers = setLine(L"SST_GAMMA", gamma);
    t.numbers += setLine(L"SST_GRXCLK", decimal(s.clockMhz));
    t.numbers += setLine(L"SST_SCREENREFRESH", decimal(s.refreshHz));
    if (s.cards.voodoo2) {
        // Voodoo2's Glide reads the same settings under SSTV2_ names; for its
        // 24-bit line "0" would force 16-bit output, so clear is no line.
        t.numbers += setLine(L"SSTV2_GRXCLK", decimal(s.clockMhz));
        t.numbers += present(L"SSTV2_FASTPCIRD", s.fastPci);
        t.numbers += present(L"SSTV2_FASTMEM_RAS_READS", s.fastMemory);
        t.numbers += setLine(L"SSTV2_SCREENREFRESH", decimal(s.refreshHz));
        t.numbers += present(L"SSTV2_VIDEO_24BPP", s.trueColour);
        t.numbers += setLine(L"SSTV2_GAMMA", gamma);
    }
    if (s.cards.later) {
        // Banshee to Voodoo5: the gamma of each colour, and the refresh rate
        // once the slider has been moved. Their clock variables write the
        // PLLs unchecked and are never set.
        for (const wchar_t* colour : {L"SSTH3_RGAMMA", L"SSTH3_GGAMMA", L"SSTH3_BGAMMA"}) t.numbers += setLine(colour, gamma);
        t.numbers += setLine(L"FX_GLIDE_REFRESH", s.refreshHz != 0 ? decimal(s.refreshHz) : std::wstring());
    }
    t.numbers += startLine(s.shortName);
    return t;
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
