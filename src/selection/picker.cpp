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

Picker::Picker(const PickerControls& controls, std::wstring& programName)
    : PickerControls(controls), ProgramName(programName) {
    folders.onChange = [this] { Dir1_Change(); };
    programs.onPathChange = [this] { File1_PathChange(); };
    programs.onClick = [this] { File1_Click(); };
    batchName.onChange = [this] { Text1_Change(); };
    batchName.onGotFocus = [this] { Text1_GotFocus(); };
}

void Picker::Dir1_Change() {
    programs.setPath(folders.path());
    programPath.setCaption(folders.path());
    folders.setToolTip(folders.path());
}

void Picker::File1_PathChange() {
    batchName.setText(L"");
    batchName.setVisible(false);
    batchNameLabel.setVisible(false);
    programs.setHeight(kFileListFull);
    folders.setHeight(kDirListFull);
}

void Picker::File1_Click() {
    batchName.setText(L"");
    ProgramName = programs.list(programs.listIndex());
    programs.setHeight(kListsShort);
    folders.setHeight(kListsShort);
    batchNameLabel.setVisible(true);
    batchName.setVisible(true);
    std::wstring full = folders.path();
    if (full.empty() || full.back() != L'\\') full += L'\\';
    full += programs.list(programs.listIndex());
    programPath.setCaption(std::move(full));
    make.setEnabled(true);
    // Drops the extension: exactly four characters, whatever they are.
    ProgramName.resize(ProgramName.size() - std::min<std::size_t>(ProgramName.size(), 4));
    batchName.setText(ProgramName);
    batchName.setFocus();
    programs.setToolTip(programPath.caption());
    if (onPicked) onPicked();
}

void Picker::Text1_Change() { make.setEnabled(!batchName.text().empty()); }

void Picker::Text1_GotFocus() {
    batchName.setSelStart(0);
    batchName.setSelLength(static_cast<int>(batchName.text().size()));
}

void Picker::Show(const std::wstring& folder) {
    if (equalNoCase(folders.path(), folder)) {
        programs.setPath(folders.path());  // the same folder: its programs as they are now
    } else {
        folders.setPath(folder);
    }
}

bool Picker::Pick(const std::wstring& program) {
    for (int i = 0; i < programs.listCount(); ++i) {
        if (equalNoCase(programs.list(i), program)) return input::pickFile(programs, i);
    }
    return false;
}

}  // namespace corvane
