// libFuzzer target: any names dropped on the window or handed over by a
// second start, on a disk with a few folders and programs. The pick never
// fails on them: either a program or folder that is on the disk is picked,
// or a message says that nothing could be, naming at most ten of them.
// Each input gets a window of its own, as started, so that a finding runs
// again from its one input.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "platform/names.h"
#include "support/rig.h"

using namespace corvane;

namespace {

const wchar_t* const kPrograms[] = {L"C:\\Games\\Hover\\Hover Tank.exe", L"C:\\Games\\Hover\\setup.EXE",
                                    L"D:\\Racer.exe", L"C:\\Games\\\u00c9t\u00e9\\Jeu.exe"};

struct Started : test::Rig {
    Started() {
        for (const wchar_t* p : kPrograms) disk.addFile(p);
        disk.addFile(L"C:\\Games\\Hover\\readme.txt");
        disk.addFile(L"C:\\Games\\Hover\\hidden.exe", {}, true);
        disk.addFolder(L"C:\\Games\\Empty");
        start();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Started r;
    const std::vector<std::wstring> paths = fuzz::pieces(fuzz::wide(data, size), L'\n');
    r.form.pickFromOutside(paths);
    const bool said = !r.messages.shown.empty();
    if (said) {
        const std::wstring& prompt = r.messages.shown.back().prompt;
        std::size_t lines = 0;
        for (const wchar_t c : prompt) lines += c == L'\n' ? 1 : 0;
        if (lines > 13) std::abort();  // the lead, a blank, ten names and "(and n more)"
        return 0;
    }
    // A program picked is one of the disk's, shown with its folder.
    if (!r.form.programName.empty()) {
        const std::wstring picked = joinPath(r.form.controls.folders.path(), r.form.programName + L".exe");
        bool known = false;
        for (const wchar_t* p : kPrograms) known = known || equalNoCase(picked, p);
        if (!known) std::abort();
    }
    return 0;
}
