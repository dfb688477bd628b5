// libFuzzer target: a batch file read back. Every file the writer makes,
// for any settings, cards and program name, is Corvane's and reads back to
// its settings (a refresh a card can't keep, to the one it keeps), so that
// making it again gives the same bytes. Any bytes, alone or put anywhere
// into such a file, are read within their bounds, and what is shown of a
// file not Corvane's is at most two of its lines.
#include <cstdlib>
#include <numeric>

#include "batch/batch_text.h"
#include "batch/read_back.h"

using namespace corvane;

namespace {

constexpr Setting kSettings[] = {Setting::FastMemory, Setting::FastPci, Setting::FastBuffering, Setting::FastRefresh,
                                 Setting::TrueColour, Setting::Splash,  Setting::Gamma,         Setting::Clock,
                                 Setting::Refresh};

// The values the window can show of each setting.
std::vector<int> candidates(Setting s) {
    const auto range = [](int lowest, int highest) {
        std::vector<int> out(static_cast<std::size_t>(highest - lowest + 1));
        std::iota(out.begin(), out.end(), lowest);
        return out;
    };
    if (s == Setting::Gamma) return range(25, 195);
    if (s == Setting::Clock) return range(90, 110);
    if (s == Setting::Refresh) return {0, 60, 75, 85, 100, 120};
    return {0, 1};
}

std::wstring text(const std::uint8_t* data, std::size_t size) {
    std::wstring out;
    for (std::size_t i = 0; i < size; ++i) out += static_cast<wchar_t>(data[i]);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return 0;
    BatchSettings s;
    for (std::size_t i = 0; i < 6; ++i) s.set(kSettings[i], (data[0] >> i) & 1);
    s.cards = {(data[1] & 1) != 0, (data[1] & 2) != 0, (data[1] & 4) != 0};
    s.gammaPosition = 25 + data[2] % 171;
    s.clockMhz = 90 + data[3] % 21;
    s.refreshHz = candidates(Setting::Refresh)[data[4] % 6];
    // A program's name of what a file name may hold, a few characters long.
    for (std::size_t i = 8; i < size && i < 8u + data[5] % 13; ++i) {
        const wchar_t c = static_cast<wchar_t>(0x20 + data[i] % 0x5F);
        if (std::wstring_view(L"\\/:*?\"<>|").find(c) == std::wstring_view::npos) s.startName += c;
    }
    if (s.startName.empty()) s.startName = L"GAME";
    s.batchPath = L"C:\\GAMES\\GAME.BAT";
    s.version = L"1.0.35";
    const BatchFile file = batchFile(s);
    const std::wstring made = file.checkAndSwitches + file.numbersAndStart;

    const FoundBatch found = readBack(made, true);
    if (found.maker != FoundBatch::Maker::Corvane || !found.shown.empty()) std::abort();
    BatchSettings again = s;
    for (const Setting setting : kSettings) {
        const std::optional<int> v = valueIn(found.settings, setting, candidates(setting));
        if (!v || (setting != Setting::Refresh && *v != s.value(setting))) std::abort();
        again.set(setting, *v);
    }
    const BatchFile remade = batchFile(again);
    if (remade.checkAndSwitches != file.checkAndSwitches || remade.numbersAndStart != file.numbersAndStart) std::abort();

    // The rest of the input, alone and put into the file where its sixth and
    // seventh bytes say.
    const std::wstring rest = text(data + 8, size - 8);
    const std::size_t at = (data[6] | data[7] << 8) % (made.size() + 1);
    for (const std::wstring& any : {rest, made.substr(0, at) + rest + made.substr(at)}) {
        const FoundBatch read = readBack(any, (data[1] & 8) == 0);
        if (read.shown.size() > 2 || (read.maker == FoundBatch::Maker::Corvane && !read.shown.empty())) std::abort();
        for (const Setting setting : kSettings) (void)valueIn(read.settings, setting, candidates(setting));
    }
    return 0;
}
