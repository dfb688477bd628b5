#include "batch/room_check.h"

#include <algorithm>

#include "batch/dos_lines.h"
#include "platform/decimal.h"
#include "platform/names.h"

namespace corvane {

namespace {

// Where the check goes when a probe did not arrive whole, and where the
// window says what to do.
constexpr std::wstring_view kNoRoomLabel = L"NOROOM";
constexpr std::wstring_view kFullLabel = L"FULL";

// One letter for the first probe, the only one set into room of unknown
// size: the fewer letters, the fewer sizes of room that end inside its name.
std::wstring probeName(std::size_t i) { return i == 1 ? L"_" : L"_" + decimal(static_cast<long long>(i)); }

std::wstring digits(std::size_t length) {
    std::wstring value;
    for (std::size_t c = 0; c < length; ++c) value += static_cast<wchar_t>(L'0' + c % 10);
    return value;
}

void compare(std::wstring& t, const Probe& p) {
    dos::line(t, {L"IF NOT \"%", p.name, L"%\"==\"", p.value, L"\" GOTO ", kNoRoomLabel});
}

// The longest that %0 can be, in bytes, when Windows starts the file: its
// path as it stands, in quotes, or the short form, where each part that is
// not a DOS name already may take twelve characters (8.3). A character
// beyond ASCII may take two bytes in the code page.
std::size_t longestSelf(std::wstring_view path) {
    const auto bytesOf = [](std::wstring_view s) {
        std::size_t bytes = 0;
        for (const wchar_t c : s) bytes += c < 0x80 ? 1 : 2;
        return bytes;
    };
    std::size_t shortForm = 0;
    for (std::size_t at = 0; at <= path.size();) {
        std::size_t end = path.find(L'\\', at);
        if (end == std::wstring_view::npos) end = path.size();
        const std::wstring_view part = path.substr(at, end - at);
        shortForm += (at == 0 || isDosName(part) ? bytesOf(part) : 12) + (end < path.size() ? 1 : 0);
        at = end + 1;
    }
    return std::max(shortForm, 2 + bytesOf(path));
}

// The line that runs the file once more: "%COMSPEC%", these switches, "%0 "
// and the marker. Its length once %COMSPEC% and %0 are expanded.
constexpr std::wstring_view rerunSwitches() { return L" /E:2048 /C "; }
static_assert(kRerunEnvironment == 2048, "the switches name the size");
std::size_t rerunLength(std::size_t comspec, std::wstring_view batchPath) {
    return comspec + rerunSwitches().size() + longestSelf(batchPath) + 1 + kRerunMarker.size();
}

// Takes `part` off the front of `text`; false where it is not there.
bool take(std::wstring_view& text, std::wstring_view part) {
    if (!text.starts_with(part)) return false;
    text.remove_prefix(part.size());
    return true;
}

// Takes a run of digits off the front of `text`; false where there is none.
bool takeDigits(std::wstring_view& text) {
    std::size_t n = 0;
    while (n < text.size() && text[n] >= L'0' && text[n] <= L'9') ++n;
    text.remove_prefix(n);
    return n > 0;
}

// "SET _n=digits" or "SET _n=", and the comparison of a probe.
bool isProbeLine(std::wstring_view line) {
    if (take(line, L"SET _")) {
        takeDigits(line);
        if (!take(line, L"=")) return false;
        takeDigits(line);
        return line.empty();
    }
    if (!take(line, L"IF NOT \"%_")) return false;
    takeDigits(line);
    return take(line, L"%\"==\"") && takeDigits(line) && take(line, L"\" GOTO ") && line == kNoRoomLabel;
}

}  // namespace

// Every line but the probes' is the same in each file that holds it: those
// of a check whose file lies deep enough to check %COMSPEC% first.
RoomCheckLines::RoomCheckLines() : fixed_(roomCheck(1, L"C:\\Games\\" + std::wstring(30, L'x') + L".bat")) {}

bool RoomCheckLines::holds(std::wstring_view line) const {
    if (isProbeLine(line)) return true;
    for (std::size_t at = 0; at < fixed_.size();) {
        const std::size_t end = fixed_.find(dos::kEol, at);
        if (std::wstring_view(fixed_).substr(at, end - at) == line) return true;
        at = end + dos::kEol.size();
    }
    return false;
}

std::vector<Probe> probesFor(std::size_t need) {
    std::vector<Probe> probes;
    if (need == 0) return probes;
    std::size_t count = 0;
    for (std::size_t holds = 0; holds < need;) holds += probeName(++count).size() + 2 + kLongestProbe;
    std::size_t left = need;
    for (std::size_t i = 1; i <= count; ++i) {
        Probe p{probeName(i), {}};
        const std::size_t share = (left + (count - i)) / (count - i + 1);
        const std::size_t overhead = p.name.size() + 2;
        p.value = digits(share > overhead ? std::min(share - overhead, kLongestProbe) : 1);
        left -= std::min(left, p.bytes());
        probes.push_back(std::move(p));
    }
    return probes;
}

std::wstring roomCheck(std::size_t need, std::wstring_view batchPath) {
    const std::vector<Probe> probes = probesFor(need);
    std::wstring t;
    if (probes.empty()) return t;
    using namespace dos;
    line(t, {kCheckRemark});
    line(t, {L"IF \"%OS%\"==\"Windows_NT\" GOTO ", kSettingsLabel});

    // The first probe into the room there is; each later one into room the
    // first leaves when shrunk to one digit, then grown in place, and the
    // first grown back. Every probe is compared whole once it is grown.
    const Probe& first = probes.front();
    set(t, first.name, first.value);
    compare(t, first);
    for (std::size_t i = 1; i < probes.size(); ++i) {
        const Probe& p = probes[i];
        set(t, first.name, L"0");
        set(t, p.name, L"0");
        set(t, p.name, p.value);
        set(t, first.name, first.value);
        compare(t, first);
        compare(t, p);
    }
    const auto clear = [&] {
        for (const Probe& p : probes) set(t, p.name, {});
    };
    clear();
    jump(t, kSettingsLabel);

    // No room: the probes go, and the file runs once more with a larger
    // environment, unless this is that run, or the line that runs it could
    // pass what COMMAND.COM reads. Its length is known for a stock
    // %COMSPEC%; any other is reckoned at the longest.
    label(t, kNoRoomLabel);
    clear();
    if (rerunLength(kStockComspec.size(), batchPath) <= kLongestLine) {
        line(t, {L"IF \"%1\"==\"", kRerunMarker, L"\" GOTO ", kFullLabel});
        if (rerunLength(kLongestComspec, batchPath) > kLongestLine) {
            line(t, {L"IF NOT \"%COMSPEC%\"==\"", kStockComspec, L"\" GOTO ", kFullLabel});
        }
        line(t, {L"%COMSPEC%", rerunSwitches(), L"%0 ", kRerunMarker});
        jump(t, kEndLabel);
        label(t, kFullLabel);
    }
    line(t, {L"ECHO This window has too little environment space for the 3dfx settings."});
    line(t, {L"ECHO Add SHELL=C:\\WINDOWS\\COMMAND.COM /E:4096 /P to CONFIG.SYS and restart."});
    line(t, {L"PAUSE"});
    jump(t, kEndLabel);
    label(t, kSettingsLabel);
    return t;
}

}  // namespace corvane
