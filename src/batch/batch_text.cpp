#include "batch/batch_text.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/decimal.h"
#include "platform/names.h"
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

// The bytes the environment needs for the values a text sets: for each SET
// line with a value, "NAME=value" and the byte that ends it. "SET NAME="
// only removes.
std::size_t environmentNeed(std::wstring_view text) {
    std::size_t need = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find(kEol, at);
        if (end == std::wstring_view::npos) end = text.size();
        const std::wstring_view line = text.substr(at, end - at);
        const std::size_t equals = line.find(L'=');
        if (line.substr(0, 4) == L"SET " && equals != std::wstring_view::npos && equals + 1 < line.size()) {
            need += line.size() - 4 + 1;
        }
        at = end + kEol.size();
    }
    return need;
}

// The longest that %0 can be, in bytes, when Windows starts the file: its
// path as it stands, in quotes, or the short form, where each part that is
// not a DOS name already may take twelve characters (8.3). A character
// beyond ASCII may take two bytes in the code page.
std::size_t longestSelf(std::wstring_view path) {
    std::size_t bytes = 2;
    for (const wchar_t c : path) bytes += c < 0x80 ? 1 : 2;
    std::size_t shortForm = 0;
    for (std::size_t at = 0; at <= path.size();) {
        std::size_t end = path.find(L'\\', at);
        if (end == std::wstring_view::npos) end = path.size();
        const std::wstring_view part = path.substr(at, end - at);
        shortForm += (at == 0 || isDosName(part) ? part.size() : 12) + (end < path.size() ? 1 : 0);
        at = end + 1;
    }
    return std::max(shortForm, bytes);
}

std::wstring label(std::wstring_view name) { return L":" + std::wstring(name) + std::wstring(kEol); }
std::wstring jump(std::wstring_view name) { return L"GOTO " + std::wstring(name) + std::wstring(kEol); }

// Labels differ in their first eight characters, the part COMMAND.COM reads.
constexpr std::wstring_view kSettings = L"GLIDE";
constexpr std::wstring_view kNoRoom = L"NOROOM";
constexpr std::wstring_view kDone = L"DONE";

}  // namespace

// The probes' values are digits, so that a cut-short one can't compare equal.
std::wstring roomCheck(std::size_t need, std::wstring_view batchPath) {
    if (need == 0) return {};
    std::vector<std::pair<std::wstring, std::wstring>> probes;
    const std::size_t perProbe = 2 + 3 + kLongestProbe;  // "CVn" "=" value NUL
    std::size_t count = (need + perProbe - 1) / perProbe;
    std::size_t left = need;
    for (std::size_t i = 1; i <= count; ++i) {
        const std::wstring name = L"CV" + decimal(static_cast<long long>(i));
        const std::size_t share = (left + (count - i)) / (count - i + 1);
        const std::size_t overhead = name.size() + 2;
        const std::size_t length = share > overhead ? share - overhead : 1;
        std::wstring value;
        for (std::size_t c = 0; c < length; ++c) value += static_cast<wchar_t>(L'0' + c % 10);
        left -= std::min(left, overhead + length);
        probes.emplace_back(name, value);
    }
    std::wstring clear;
    for (const auto& [name, value] : probes) clear += setLine(name, L"");

    std::wstring t = L"REM Under Windows 9x, room for the settings in this window, or a window with more" +
                     std::wstring(kEol);
    t += L"IF \"%OS%\"==\"Windows_NT\" " + jump(kSettings);
    t += L"IF \"%1\"==\"" + std::wstring(kRerunMarker) + L"\" " + jump(kSettings);
    for (const auto& [name, value] : probes) t += setLine(name, value);
    for (const auto& [name, value] : probes) t += L"IF NOT \"%" + name + L"%\"==\"" + value + L"\" " + jump(kNoRoom);
    t += clear;
    t += jump(kSettings);
    t += label(kNoRoom);
    t += clear;
    const std::wstring rerun = L"%COMSPEC% /E:2048 /C %0 " + std::wstring(kRerunMarker);
    const std::size_t expanded = rerun.size() - 11 + kLongestComspec + longestSelf(batchPath);
    if (expanded <= kLongestLine) {
        t += rerun + std::wstring(kEol);
    } else {
        // A path this deep could make the line too long for COMMAND.COM,
        // which would abandon the file half-way: the file says what to do.
        t += L"ECHO This window has too little environment space for the 3dfx settings." + std::wstring(kEol);
        t += L"ECHO Add SHELL=C:\\WINDOWS\\COMMAND.COM /E:4096 /P to CONFIG.SYS and restart." + std::wstring(kEol);
        t += L"PAUSE" + std::wstring(kEol);
    }
    t += jump(kDone);
    t += label(kSettings);
    return t;
}

int keptRefresh(int hz, std::initializer_list<int> kept) {
    if (hz == 0) return 0;
    int out = *kept.begin();
    for (const int rate : kept) {
        if (rate <= hz) out = rate;
    }
    return out;
}

BatchText batchText(const BatchSettings& s) {
    std::wstring switches;
    switches += flag(L"SST_FASTMEM", s.fastMemory, true);
    switches += present(L"SST_FASTPCIRD", s.fastPci);
    switches += flag(L"FX_GLIDE_SWAPINTERVAL", s.fastBuffering, false);
    switches += flag(L"SST_SWAP_EN_WAIT_ON_VSYNC", s.fastRefresh, false);
    switches += flag(L"SST_VIDEO_24BPP", s.trueColour, true);
    switches += present(L"FX_GLIDE_NO_SPLASH", !s.splash);

    const std::wstring gamma = gammaText(s.gammaPosition);
    const std::wstring clock = decimal(s.clockMhz);
    std::wstring numbers = setLine(L"SST_GAMMA", gamma);
    if (s.cards.voodooGraphics) {
        // Voodoo Graphics' Glide takes any clock unchecked, and its own is
        // about 50 MHz: every position of the slider would overclock it.
        numbers += L"REM SST_GRXCLK=" + clock + L" not set: a Voodoo Graphics runs at its own clock" +
                   std::wstring(kEol);
    } else {
        numbers += setLine(L"SST_GRXCLK", clock);
    }
    // Voodoo Graphics' Glide keeps 60, 72, 75, 85 and 120 Hz, Voodoo2's 75,
    // 85 and 120, and either takes any other rate for 60.
    numbers += setLine(L"SST_SCREENREFRESH", decimal(keptRefresh(s.refreshHz, {60, 72, 75, 85, 120})));
    if (s.cards.voodoo2) {
        // Voodoo2's Glide reads the same settings under SSTV2_ names; for its
        // 24-bit line "0" would force 16-bit output, so clear is no line.
        numbers += setLine(L"SSTV2_GRXCLK", clock);
        numbers += present(L"SSTV2_FASTPCIRD", s.fastPci);
        numbers += present(L"SSTV2_FASTMEM_RAS_READS", s.fastMemory);
        numbers += setLine(L"SSTV2_SCREENREFRESH", decimal(keptRefresh(s.refreshHz, {60, 75, 85, 120})));
        numbers += present(L"SSTV2_VIDEO_24BPP", s.trueColour);
        numbers += setLine(L"SSTV2_GAMMA", gamma);
    }
    if (s.cards.later) {
        // Banshee to Voodoo5: the gamma of each colour, and the refresh rate
        // as chosen once the slider has been moved. Their clock variables
        // write the PLLs unchecked and are never set.
        for (const wchar_t* colour : {L"SSTH3_RGAMMA", L"SSTH3_GGAMMA", L"SSTH3_BGAMMA"}) numbers += setLine(colour, gamma);
        numbers += setLine(L"FX_GLIDE_REFRESH", s.refreshHz != 0 ? decimal(s.refreshHz) : std::wstring());
    }

    const std::wstring check = roomCheck(environmentNeed(switches) + environmentNeed(numbers), s.batchPath);
    BatchText t;
    t.switches = L"@echo off" + std::wstring(kEol) + check + switches;
    t.numbers = numbers + startLine(s.shortName);
    // COMMAND.COM runs the command before a last line that is a label, and
    // has no line end, a second time: this label ends in CR LF.
    if (!check.empty()) t.numbers += std::wstring(kEol) + label(kDone);
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
