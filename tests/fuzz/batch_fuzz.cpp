// libFuzzer target: the batch file for any settings, cards, program name and
// folder the disk can hold. Every line stays within what COMMAND.COM reads
// once expanded, and under the tests' model of COMMAND.COM (a stock Windows
// 98 window and a roomy one) and of CMD the file starts that program, by its
// name, once; or it says why instead, and only where it must: where the
// line that runs the file again can't fit, or the second window is full too.
#include <algorithm>
#include <cstdlib>

#include "batch/batch_text.h"
#include "fuzz/fuzz_input.h"
#include "platform/names.h"
#include "support/command_com.h"

using namespace corvane;

namespace {

// What no file name holds.
bool nameCharacter(wchar_t c) { return c >= 0x20 && c < 0x100 && std::wstring_view(L"\\/:*?\"<>|").find(c) == std::wstring_view::npos; }

std::string bytes(const std::wstring& s) {
    std::string out;
    for (const wchar_t c : s) out += static_cast<char>(c);
    return out;
}

// An 8.3 name: one to eight characters, a dot and one to three more, none of
// them a blank, a dot or one no FAT name holds.
bool shortNamed(const std::wstring& part) {
    const std::size_t dot = part.find(L'.');
    const std::size_t n = std::min(dot, part.size()), e = dot == std::wstring::npos ? 0 : part.size() - dot - 1;
    if (n == 0 || n > 8 || e > 3 || (dot != std::wstring::npos && e == 0)) return false;
    return part.find_first_of(L" \"*+,/:;<=>?[\\]|", 0) == std::wstring::npos &&
           part.find(L'.', dot == std::wstring::npos ? part.size() : dot + 1) == std::wstring::npos;
}

// Bytes of text in the code page: two for a letter beyond ASCII, at most.
std::size_t bytesOf(const std::wstring& s) {
    std::size_t n = 0;
    for (const wchar_t c : s) n += c < 0x80 ? 1 : 2;
    return n;
}

// A folder's short form as Windows makes one: a DOS name stays, any other
// part becomes six characters and "~1".
std::string shortForm(const std::vector<std::wstring>& parts) {
    std::string out = "C:";
    for (const std::wstring& p : parts) {
        std::wstring part = p;
        if (!isDosName(p)) {
            std::wstring kept;
            for (const wchar_t c : p) {
                if (kept.size() < 6 && c != L' ' && c != L'.' && isDosName(std::wstring(1, c))) kept += c;
            }
            part = (kept.empty() ? L"X" : kept) + L"~1";
        }
        out += "\\" + bytes(part);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    // The program's name, then its folders, one a line; the first bytes are
    // the settings: the boxes, the cards, the gamma, the clock, the refresh.
    const std::vector<std::wstring> lines = fuzz::pieces(fuzz::wide(data + 5, size - 5), L'\n');
    const std::wstring& name = lines[0];
    if (name.empty() || name.size() > 64 || name.back() == L' ' || name.back() == L'.') return 0;
    std::vector<std::wstring> folders;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i].size() > 64) return 0;
        folders.push_back(lines[i]);
    }
    for (const auto& l : lines) {
        for (const wchar_t c : l) {
            if (!nameCharacter(c)) return 0;
        }
    }
    BatchSettings s;
    const Setting boxes[] = {Setting::FastMemory, Setting::FastPci, Setting::FastBuffering,
                             Setting::FastRefresh, Setting::TrueColour, Setting::Splash};
    for (int i = 0; i < 6; ++i) s.set(boxes[i], (data[0] >> i) & 1);
    s.cards.voodooGraphics = (data[1] & 1) != 0;
    s.cards.voodoo2 = (data[1] & 2) != 0;
    s.cards.later = (data[1] & 4) != 0;
    // The names a Glide holds, or a wrapper named by the program's name.
    if ((data[1] & 8) != 0) s.cards.variablesHeld = (std::uint64_t{data[1]} << 8 | data[0]) >> 4;
    if ((data[1] & 16) != 0) s.cards.wrapper = name;
    s.gammaPosition = 25 + data[2] % 171;
    s.clockMhz = 90 + data[3] % 21;
    constexpr int kRates[] = {0, 60, 75, 85, 100, 120};
    s.refreshHz = kRates[data[4] % 6];
    s.startName = name;
    s.version = L"1.0.35";
    s.batchPath = L"C:";
    for (const std::wstring& f : folders) s.batchPath += L"\\" + f;
    s.batchPath += L"\\GAME.BAT";
    const BatchFile file = batchFile(s);
    const std::string text = bytes(file.checkAndSwitches + file.numbersAndStart);
    const std::string self = shortForm(folders) + "\\GAME.BAT";

    // The line that runs the file again, with the stock %COMSPEC% and %0 at
    // its longest: the path in quotes, or an 8.3 name of at most twelve
    // characters for each part that is none already.
    std::size_t shortest = 2 + 1 + 8;  // "C:", "\GAME.BAT"
    for (const std::wstring& f : folders) shortest += 1 + (shortNamed(f) ? bytesOf(f) : 12);
    const std::size_t longestSelf = std::max(shortest, 2 + bytesOf(s.batchPath));
    const bool rerunFits = std::string_view("C:\\WINDOWS\\COMMAND.COM").size() + std::string_view(" /E:2048 /C ").size() +
                               longestSelf + std::string_view(" ROOMY").size() <= kLongestLine;

    for (const std::size_t room : {256u, 4096u, 0u}) {
        test::DosMachine m;
        m.program = bytes(name);
        m.environmentSize = room == 0 ? 256 : room;
        m.nt = room == 0;
        const test::DosRun run = m.run(text, self);
        if (run.abandoned || run.cut || !run.unknown.empty() || run.longestLine > kLongestLine) std::abort();
        if (run.interpreters > 2) std::abort();
        const bool toldWhy = run.started.empty() && run.echoed && (run.interpreters == 2 || (room == 256 && !rerunFits));
        if (run.started.size() != 1 && !toldWhy) std::abort();
    }
    return 0;
}
