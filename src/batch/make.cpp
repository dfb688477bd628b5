#include "batch/make.h"

#include <optional>
#include <string>
#include <utility>

#include "batch/batch_text.h"
#include "platform/codepage.h"
#include "platform/decimal.h"
#include "platform/names.h"

namespace corvane {

namespace {

bool ticked(const CheckBox& box) { return box.value() == 1; }

// The folder part of a path: everything before its last separator.
std::wstring folderOf(const std::wstring& path) {
    const std::size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

// Cuts a long name at its blanks in the scratch box and joins the pieces.
std::wstring shortName(TextBox& scratch, const std::wstring& name) {
    if (name.size() <= kShortNameMax) return name;
    std::wstring joined;
    if (name.find(L' ') == std::wstring::npos) {
        joined = name;
    } else {
        scratch.setText(name);
        std::size_t pos = 0;
        for (;;) {
            const std::size_t space = name.find(L' ', pos);
            const std::size_t end = space == std::wstring::npos ? name.size() : space;
            scratch.setSelStart(static_cast<int>(pos));
            scratch.setSelLength(static_cast<int>(end - pos));
            joined += scratch.selText();
            if (space == std::wstring::npos) break;
            pos = space + 1;
        }
    }
    return joined.substr(0, kShortNameKeeps) + L"~1";
}

// The name the start line runs the program by. The rule's short name is a
// guess: where the folder holds another program with the same first six
// characters, or the system made another short name, it starts the wrong
// program or none. So the system is asked: where it agrees with the rule the
// rule's spelling stays; where it differs its own short name is used; where
// the volume keeps no short names the long name is.
std::wstring startName(FolderService& folders, const std::wstring& program, const std::wstring& ruleName,
                       const std::wstring& longName) {
    const std::optional<std::wstring> system = folders.shortName(program);
    if (!system || !isDosName(*system)) return longName;
    const std::wstring stem = system->substr(0, system->find(L'.'));
    return equalNoCase(stem, ruleName) ? ruleName : stem;
}

}  // namespace

BatchMaker::BatchMaker(const BatchControls& controls, const BatchServices& services, const std::wstring& programName,
                       const std::int16_t& refreshHz, const GlideCards& cards)
    : BatchControls(controls), services_(services), ProgramName(programName), RefreshHz(refreshHz), cards_(cards) {
    make.onClick = [this] { Command1_Click(); };
}

void BatchMaker::Command1_Click() {
    const std::wstring ShortName = shortName(scratch, ProgramName);
    const std::wstring BatchPath = batchPathShown();
    if (!confirmed(BatchPath)) return;
    if (write(BatchPath, batchFile(settingsFor(BatchPath, ShortName)))) batchName.setText(L"");
}

// The folder of the directory list, the batch name and ".bat"; shown below
// the lists whether or not the file is made.
std::wstring BatchMaker::batchPathShown() {
    std::wstring path = folders.path();
    if (path.empty() || path.back() != L'\\') path += L'\\';
    path += batchName.text();
    path += L".bat";
    batchPath.setCaption(path);
    return path;
}

// A name, one that the batch file's code page holds, and the user's OK.
bool BatchMaker::confirmed(const std::wstring& path) {
    MessageBoxService& box = services_.messages;
    const std::wstring& title = services_.title;
    if (batchName.text().empty()) {
        box.show(L"Don't forget a name!", kExclamation, L"Oops!");
        batchName.setFocus();
        return false;
    }
    // The batch file is 8-bit text: a name its code page can't hold would be
    // written with stand-in characters and start nothing.
    const CodePageService& cp = services_.codePage;
    for (const auto& [what, name] : {std::pair{L"program name", ProgramName}, std::pair{L"batch name", batchName.text()}}) {
        if (!cp.encode(name)) {
            box.show(L"Cannot make " + path + L".\n\n" + codePageLacks(what, name, cp.number()), kExclamation, title);
            return false;
        }
    }
    return box.show(L"Make " + path + L"?", kOkCancel, title) == kAnswerOk;
}

BatchSettings BatchMaker::settingsFor(const std::wstring& path, const std::wstring& ruleName) {
    BatchSettings settings;
    settings.fastMemory = ticked(fastMemory);
    settings.fastPci = ticked(fastPci);
    settings.fastBuffering = ticked(fastBuffering);
    settings.fastRefresh = ticked(fastRefresh);
    settings.trueColour = ticked(trueColour);
    settings.splash = ticked(splash);
    settings.gammaPosition = gamma.value();
    settings.clockMhz = clock.value();
    settings.refreshHz = RefreshHz;
    settings.cards = cards_;
    settings.batchPath = path;
    settings.shortName = startName(services_.folders, programPath.caption(), ruleName, ProgramName);
    return settings;
}

// Written beside the target and moved over it only when complete, so a
// failure never leaves half a file nor costs the file that was there. False
// after saying why it failed.
bool BatchMaker::write(const std::wstring& path, const BatchFile& file) {
    const CodePageService& cp = services_.codePage;
    const std::optional<std::string> first = cp.encode(file.checkAndSwitches);
    const std::optional<std::string> second = cp.encode(file.numbersAndStart);
    FileStore& files = services_.files;
    std::wstring temp;
    FileStatus status;
    if (!first || !second) status.error = L"The text can't be written in code page " + decimal(cp.number()) + L".";
    if (status.ok()) status = files.recover(path);
    if (status.ok()) status = files.createTemp(folderOf(path), temp);
    if (status.ok()) status = files.append(temp, *first);
    if (status.ok()) status = files.append(temp, *second);
    if (status.ok()) status = files.replace(temp, path);
    if (status.ok()) return true;
    if (!temp.empty()) files.remove(temp);
    services_.messages.show(L"Could not make " + path + L".\n\n" + status.error, kExclamation, services_.title);
    return false;
}

}  // namespace corvane
