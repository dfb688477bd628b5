#include "selection/picker.h"

#include <algorithm>

#include "platform/input.h"
#include "platform/names.h"

namespace corvane {

namespace {

// Heights of the two lists while browsing, and while the name field is shown.
constexpr int kFileListFull = 2820;
constexpr int kDirListFull = 2790;
constexpr int kListsShort = 1455;

}  // namespace

Picker::Picker(const PickerControls& controls, const PickerServices& services, std::wstring& programName)
    : PickerControls(controls), services_(services), programName_(programName) {
    folders.onChange = [this] { folderOpened(); };
    programs.onPathChange = [this] { programsFolderChanged(); };
    programs.onClick = [this] { programPicked(); };
    batchName.onChange = [this] { batchNameChanged(); };
    batchName.onGotFocus = [this] { batchNameFocused(); };
}

void Picker::folderOpened() {
    programs.setPath(folders.path());
    programPath.setCaption(folders.path());
    folders.setToolTip(folders.path());
    // A drive opened without its disk: Corvane says so, not the system.
    const std::wstring& path = folders.path();
    if (folders.unreadable() && path.size() == 3 && path[1] == L':') {
        services_.messages.show(L"Drive " + path.substr(0, 2) +
                                    L" can't be read. It may have no disk in it: put one in, or choose another drive.",
                                kExclamation, services_.app.title);
    }
}

void Picker::programsFolderChanged() {
    batchName.setText(L"");
    batchName.setVisible(false);
    batchNameCaption.setVisible(false);
    switches.setVisible(false);
    switchesCaption.setVisible(false);
    glideWords.setVisible(false);
    programs.setHeight(kFileListFull);
    folders.setHeight(kDirListFull);
}

void Picker::programPicked() {
    batchName.setText(L"");
    programName_ = programs.list(programs.listIndex());
    programs.setHeight(kListsShort);
    folders.setHeight(kListsShort);
    batchNameCaption.setVisible(true);
    batchName.setVisible(true);
    switchesCaption.setVisible(true);
    switches.setVisible(true);
    glideWords.setVisible(true);
    programPath.setCaption(joinPath(folders.path(), programs.list(programs.listIndex())));
    make.setEnabled(true);
    // Drops the extension: exactly four characters, whatever they are.
    programName_.resize(programName_.size() - std::min<std::size_t>(programName_.size(), 4));
    batchName.setText(programName_);
    batchName.setFocus();
    programs.setToolTip(programPath.caption());
    if (onPicked) onPicked();
}

void Picker::batchNameChanged() { make.setEnabled(!batchName.text().empty()); }

void Picker::batchNameFocused() {
    batchName.setSelStart(0);
    batchName.setSelLength(static_cast<int>(batchName.text().size()));
}

void Picker::showFolder(const std::wstring& folder) {
    if (equalNoCase(folders.path(), folder)) {
        programs.setPath(folders.path());  // the same folder: its programs as they are now
    } else {
        folders.setPath(folder);
    }
}

bool Picker::pick(const std::wstring& program) {
    for (int i = 0; i < programs.listCount(); ++i) {
        if (equalNoCase(programs.list(i), program)) return input::pickFile(programs, i);
    }
    return false;
}

}  // namespace corvane
