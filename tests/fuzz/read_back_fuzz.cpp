// libFuzzer target: a batch file read back. Any bytes, alone or put
// anywhere into a file the writer made for settings, switches and a program
// name of the input's, are read within their bounds; what is shown of a file
// not Corvane's is at most two of its lines; and a file read as Corvane's,
// made again from what was read of it (its values, program, switches and the
// user's lines), gives the same bytes. That every file the writer makes
// reads back to its settings is swept in the native tests.
#include <cstdlib>

#include "batch/batch_text.h"
#include "batch/read_back.h"
#include "support/code_pages.h"

using namespace corvane;

namespace {

constexpr Setting kSettings[] = {Setting::FastMemory, Setting::FastPci, Setting::FastBuffering, Setting::FastRefresh,
                                 Setting::TrueColour, Setting::Splash,  Setting::Gamma,         Setting::Clock,
                                 Setting::Refresh};
constexpr int kRates[] = {0, 60, 75, 85, 100, 120};

// Printable characters of the input, for a name or switches.
std::wstring printable(const std::uint8_t* data, std::size_t size, std::wstring_view without) {
    std::wstring out;
    for (std::size_t i = 0; i < size; ++i) {
        const wchar_t c = static_cast<wchar_t>(0x20 + data[i] % 0x5F);
        if (without.find(c) == std::wstring_view::npos) out += c;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 10) return 0;
    static const Cp437 cp;
    constexpr std::wstring_view kPath = L"C:\\GAMES\\GAME.BAT";
    BatchSettings s;
    for (std::size_t i = 0; i < 6; ++i) s.set(kSettings[i], (data[0] >> i) & 1);
    s.cards.voodooGraphics = (data[1] & 1) != 0;
    s.cards.voodoo2 = (data[1] & 2) != 0;
    s.cards.later = (data[1] & 4) != 0;
    // The Glide the game loads: the names it holds, or a wrapper.
    if ((data[9] & 1) != 0) s.cards.variablesHeld = (std::uint64_t{data[9]} << 16 | data[3] << 8 | data[2]) >> 1;
    if ((data[9] & 2) != 0) s.cards.wrapper = L"glide2x.dll, " + printable(data + 10, std::min<std::size_t>(size - 10, data[9] % 24), L"");
    const GlideCards loaded = s.cards;
    s.gammaPosition = 25 + data[2] % 171;
    s.clockMhz = 90 + data[3] % 21;
    s.refreshHz = kRates[data[4] % 6];
    const std::size_t name = std::min<std::size_t>(size - 10, data[5] % 13), switches = std::min<std::size_t>(size - 10 - name, data[8] % 9);
    s.startName = printable(data + 10, name, L"\\/:*?\"<>|");
    if (s.startName.empty()) s.startName = L"GAME.EXE";
    s.switches = printable(data + 10 + name, switches, L"|<>&^");
    s.batchPath = std::wstring(kPath);
    s.version = L"1.0.35";
    const BatchFile file = batchFile(s);
    const std::string made = cp.encode(file.checkAndSwitches + file.numbersAndStart).value_or("");

    // The rest of the input, alone and put into the file where its seventh
    // and eighth bytes say.
    const std::string rest(reinterpret_cast<const char*>(data) + 10 + name + switches, size - 10 - name - switches);
    const std::size_t at = (data[6] | data[7] << 8) % (made.size() + 1);
    const bool whole = (data[1] & 8) == 0;
    for (const std::string& any : {rest, made.substr(0, at) + rest + made.substr(at)}) {
        const FoundBatch read = readBack(any, whole, cp, kPath, loaded);
        if (read.shown.size() > 2 || (read.maker == FoundBatch::Maker::Corvane && !read.shown.empty())) std::abort();
        // Made again: the same bytes, where the file says Corvane made it as today's files do.
        if (read.maker != FoundBatch::Maker::Corvane || !whole) continue;
        const std::optional<std::string> marker = cp.encode(std::wstring(kMadeBy) + read.settings.version + std::wstring(kMadeByEnds[1]));
        if (any.find(*marker + "\r\n") == std::string::npos) continue;
        const auto again = withUserLines(batchFile(read.settings), read.userLines, cp);
        if (!again || again->first + again->second != any) std::abort();
    }
    return 0;
}
