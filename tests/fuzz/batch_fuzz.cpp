// libFuzzer target: the batch file for any program name and folder the disk
// can hold. Every line stays within what COMMAND.COM reads once expanded,
// and under the tests' model of COMMAND.COM (a stock Windows 98 window and a
// roomy one) and of CMD the file starts that program, by its name, once; in
// a stock window with a path too long to run the file again, it says why
// instead.
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
    if (size < 2) return 0;
    // The program's name, then its folders, one a line; the first byte is
    // the settings' switches.
    const std::vector<std::wstring> lines = fuzz::pieces(fuzz::wide(data + 2, size - 2), L'\n');
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
    s.fastMemory = data[0] & 1;
    s.fastPci = data[0] & 2;
    s.fastBuffering = data[0] & 4;
    s.trueColour = data[0] & 8;
    s.splash = data[0] & 16;
    s.refreshHz = data[0] & 32 ? 100 : 0;
    s.cards = {(data[1] & 1) != 0, (data[1] & 2) != 0, (data[1] & 4) != 0};
    s.shortName = name;
    s.batchPath = L"C:";
    for (const std::wstring& f : folders) s.batchPath += L"\\" + f;
    s.batchPath += L"\\GAME.BAT";
    const BatchFile file = batchFile(s);
    const std::string text = bytes(file.checkAndSwitches + file.numbersAndStart);
    const std::string self = shortForm(folders) + "\\GAME.BAT";

    for (const std::size_t room : {256u, 4096u, 0u}) {
        test::DosMachine m;
        m.program = bytes(name);
        m.environmentSize = room == 0 ? 256 : room;
        m.nt = room == 0;
        const test::DosRun run = m.run(text, self);
        if (run.abandoned || run.cut || !run.unknown.empty() || run.longestLine > kLongestLine) std::abort();
        if (run.interpreters > 2) std::abort();
        const bool toldWhy = room == 256 && run.started.empty() && run.echoed;
        if (run.started.size() != 1 && !toldWhy) std::abort();
    }
    return 0;
}
