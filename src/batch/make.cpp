#include "batch/make.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "batch/batch_text.h"
#include "batch/read_back.h"
#include "platform/codepage.h"
#include "platform/decimal.h"
#include "platform/names.h"

namespace corvane {

namespace {

// MAX_PATH, less its end and the ".cvo" of the name an old file steps aside
// under on 9x while the new one takes its place.
constexpr std::size_t kLongestPath = 260 - 1 - 4;
// The folder the system makes the temporary file in: at most MAX_PATH - 14
// characters with its last backslash, room for the name the system gives.
constexpr std::size_t kLongestFolder = 260 - 14 - 1;
// What a question shows of a line of a file that is there already.
constexpr std::size_t kLongestLineShown = 60;

bool ticked(const CheckBox& box) { return box.value() == 1; }

// The rule's short name. The scratch box ends holding the name, its last
// piece selected, as where the name was cut at its blanks in it.
std::wstring shortName(TextBox& scratch, const std::wstring& name) {
    if (name.size() <= kShortNameMax) return name;
    if (const std::size_t blank = name.rfind(L' '); blank != std::wstring::npos) {
        scratch.setText(name);
        scratch.setSelStart(static_cast<int>(blank + 1));
        scratch.setSelLength(static_cast<int>(name.size() - blank - 1));
    }
    return withoutBlanks(name).substr(0, kShortNameKeeps) + L"~1";
}

// The name the start line runs the program by. The rule's short name is a
// guess: where the folder holds another program with the same first six
// characters, or the system made another short name, it starts the wrong
// program or none. So the system is asked: where it agrees with the rule the
// rule's spelling stays; where it differs its own short name is used; where
// the volume keeps no short names the long name is. Each with its extension:
// a bare name would run a .COM of that name first, and where the program is
// gone, the batch file itself, again and again.
std::wstring startNameFor(FolderService& folders, const std::wstring& program, const std::wstring& ruleName) {
    const std::wstring fileName = program.substr(program.find_last_of(L"\\/") + 1);
    const std::optional<std::wstring> system = folders.shortName(program);
    if (!system || !isDosName(*system)) return fileName;
    const std::wstring stem = system->substr(0, system->find(L'.'));
    const std::size_t dot = fileName.rfind(L'.');
    return equalNoCase(stem, ruleName) && dot != std::wstring::npos ? ruleName + fileName.substr(dot) : *system;
}

}  // namespace

BatchMaker::BatchMaker(const BatchControls& controls, const BatchServices& services, const std::wstring& programName,
                       const std::int16_t& refreshHz, const GlideCards& cards)
    : BatchControls(controls), services_(services), programName_(programName), refreshHz_(refreshHz), cards_(cards) {
    make.onClick = [this] { makeBatchFile(); };
}

void BatchMaker::makeBatchFile() {
    const std::wstring ruleName = shortName(scratch, programName_);
    const std::wstring path = batchPathShown();
    if (batchName.text().empty()) {
        services_.messages.show(L"Don't forget a name!", kExclamation, L"Oops!");
        batchName.setFocus();
        return;
    }
    const std::wstring startName = startNameFor(services_.folderService, programPath.caption(), ruleName);
    if (!confirmed(path, startName)) return;
    if (write(path, batchFile(settingsFor(path, startName)))) batchName.setText(L"");
}

std::wstring batchPathFor(std::wstring_view folder, std::wstring_view name) {
    return joinPath(folder, std::wstring(name) + L".bat");
}

// The folder of the directory list, the batch name and ".bat"; kept in the
// hidden label whether or not the file is made.
std::wstring BatchMaker::batchPathShown() {
    std::wstring path = batchPathFor(folders.path(), batchName.text());
    batchPath.setCaption(path);
    return path;
}

// A name of a file in the program's folder, a start line that the batch
// file's code page holds, and the user's OK.
bool BatchMaker::confirmed(const std::wstring& path, const std::wstring& startName) {
    MessageBoxService& box = services_.messages;
    const std::wstring& title = services_.app.title;
    if (const std::wstring why = refusal(path, startName); !why.empty()) {
        box.show(L"Cannot make " + path + L".\n\n" + why, kExclamation, title);
        return false;
    }
    const std::optional<Question> ask = question(path, startName);
    return ask && box.show(ask->prompt, ask->buttons, title) == kAnswerOk;
}

std::wstring BatchMaker::refusal(const std::wstring& path, const std::wstring& startName) const {
    std::wstring why = fileNameFault(batchName.text());
    if (!why.empty()) return why;
    if (const std::size_t folder = folderOf(path).size() - 1; folder > kLongestFolder) {
        return L"The folder's path is " + decimal(static_cast<long long>(folder)) +
               L" characters long; Corvane makes batch files in folders of at most " +
               decimal(static_cast<long long>(kLongestFolder)) + L".";
    }
    if (path.size() > kLongestPath) {
        return L"The path is " + decimal(static_cast<long long>(path.size())) +
               L" characters long; Corvane makes batch files at paths of at most " +
               decimal(static_cast<long long>(kLongestPath)) + L".";
    }
    // COMMAND.COM and CMD read the file in this code page: a name it can't
    // hold would be written with stand-in characters and start nothing. Only
    // what the file holds counts: the name its start line runs.
    const CodePageService& cp = services_.codePage;
    if (!cp.encode(startName)) return codePageLacks(L"program name", startName, cp.number());
    // The switches arrive as typed, on a line COMMAND.COM reads whole.
    if (why = switchesFault(switches.text()); !why.empty()) return why;
    if (!cp.encode(switches.text())) return codePageLacks(L"switches", switches.text(), cp.number());
    const std::size_t length = cp.encode(startLine(startName, switches.text()))->size() -
                               static_cast<std::size_t>(std::count(switches.text().begin(), switches.text().end(), L'%'));
    if (length > kLongestLine) {
        return L"The line that starts the game would be " + decimal(static_cast<long long>(length)) +
               L" characters long; COMMAND.COM reads lines of at most " + decimal(static_cast<long long>(kLongestLine)) +
               L". Shorten the switches.";
    }
    return {};
}

namespace {

// A line of a file as a question shows it: no control characters, and
// shortened where it is long.
std::wstring shown(std::wstring_view line) {
    std::wstring out;
    for (const wchar_t c : line.substr(0, kLongestLineShown)) out += c < 0x20 || c == 0x7F ? L'?' : c;
    if (line.size() > kLongestLineShown) out += L"...";
    return L"    " + out + L"\n";
}

// Whether a file's start line starts the program: by its start name, or in
// the form of earlier files, by the name without its extension.
bool starts(const std::wstring& named, const std::wstring& startName) {
    return equalNoCase(named, startName) || equalNoCase(named, startName.substr(0, startName.rfind(L'.')));
}

}  // namespace

// A file of Corvane's for this program is replaced after the one question,
// its user's lines kept. Anything else is the user's: the question says what
// it is and what would be lost, and Cancel, which leaves it as it is, is
// what Enter answers.
std::optional<BatchMaker::Question> BatchMaker::question(const std::wstring& path, const std::wstring& startName) {
    kept_.clear();
    const FileStart there = services_.files.readStart(path, kLongestOwnFile);
    if (!there.error.empty()) {
        services_.messages.show(L"Could not make " + path + L".\n\n" + there.error, kExclamation, services_.app.title);
        return std::nullopt;
    }
    if (!there.found) return Question{L"Make " + path + L"?", kOkCancel};
    FoundBatch found = readBack(there.bytes, there.whole, services_.codePage, path, cards_);
    constexpr int kAsk = kOkCancel | kExclamation | kSecondDefault;
    if (found.maker == FoundBatch::Maker::Corvane) {
        kept_ = std::move(found.userLines);
        const std::wstring& named = found.settings.startName;
        if (starts(named, startName)) return Question{L"Make " + path + L"?", kOkCancel};
        return Question{path + L" was made by Corvane to start " + named + L".\n\nMake it start " + startName +
                            L" instead?",
                        kAsk};
    }
    const bool stranger = found.maker == FoundBatch::Maker::Stranger;
    // Longer than Corvane reads, a file is none of Corvane's, whatever it begins with.
    std::wstring prompt = path + (!there.whole ? L" is there already, and it is too long to be Corvane's (over " +
                                                     decimal(static_cast<long long>(kLongestOwnFile)) + L" bytes)."
                                  : stranger   ? L" is there already, and Corvane did not make it."
                                  : found.lineMissing ? L" was made by Corvane, but it lacks this line of Corvane's:"
                                                      : L" was made by Corvane, but this line is not as Corvane makes it:");
    if (found.shown.empty()) {
        prompt += L" It is empty.\n\n";
    } else {
        prompt += stranger ? L" It begins:\n\n" : L"\n\n";
        for (const std::wstring& line : found.shown) prompt += shown(line);
        prompt += L"\n";
    }
    prompt += L"Replace it? What it holds now would be lost.";
    return Question{prompt, kAsk};
}

BatchSettings BatchMaker::settingsFor(const std::wstring& path, const std::wstring& startName) {
    BatchSettings settings;
    for (const auto& [setting, box] : values.boxes()) settings.set(setting, ticked(*box) ? 1 : 0);
    settings.gammaPosition = values.gamma.value();
    settings.clockMhz = values.clock.value();
    settings.refreshHz = refreshHz_;
    settings.cards = cards_;
    settings.batchPath = path;
    settings.version = services_.app.version();
    settings.startName = startName;
    settings.switches = switches.text();
    return settings;
}

// Written beside the target and moved over it only when complete, so a
// failure never leaves half a file nor costs the file that was there. False
// after saying why it failed.
bool BatchMaker::write(const std::wstring& path, const BatchFile& file) {
    const CodePageService& cp = services_.codePage;
    const std::optional<std::pair<std::string, std::string>> pieces = withUserLines(file, kept_, cp);
    const std::string* first = pieces ? &pieces->first : nullptr;
    const std::string* second = pieces ? &pieces->second : nullptr;
    FileStore& files = services_.files;
    std::wstring temp;
    FileStatus status;
    if (!pieces) status.error = L"The text can't be written in code page " + decimal(cp.number()) + L".";
    // Every file Corvane writes begins so, whatever its version: the lines
    // up to the words that say Corvane made it.
    const std::optional<std::string> madeBy = cp.encode(kMadeBy);
    std::string_view written;
    if (first && madeBy && first->find(*madeBy) != std::string::npos) {
        written = std::string_view(*first).substr(0, first->find(*madeBy) + madeBy->size());
    }
    if (status.ok()) status = files.recover(path, written);
    if (status.ok()) status = files.createTemp(folderOf(path), temp);
    if (status.ok()) status = files.append(temp, *first);
    if (status.ok()) status = files.append(temp, *second);
    if (status.ok()) status = files.replace(temp, path);
    if (status.ok()) return true;
    if (!temp.empty()) files.remove(temp);
    services_.messages.show(L"Could not make " + path + L".\n\n" + status.error, kExclamation, services_.app.title);
    return false;
}

}  // namespace corvane
