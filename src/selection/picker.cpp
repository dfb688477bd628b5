#include <algorithm>

#include "selection/picker.h"

namespace corvane {

namespace {

// Heights of the two lists while browsing, and while the name field is shown.
constexpr int kFileListFull = 2820;
constexpr int kDirListFull = 2790;
constexpr int kListsShort = 1455;

}  // namespace

void Picker::Dir1_Change() {
    File1.setPath(Dir1.path());
    Label3.setCaption(Dir1.path());
    Dir1.setToolTip(Dir1.path());
}

void Picker::File1_PathChange() {
    Text1.setText(L"");
    Text1.setVisible(false);
    Label1.setVisible(false);
    File1.setHeight(kFileListFull);
    Dir1.setHeight(kDirListFull);
}

void Picker::File1_Click() {
    Text1.setText(L"");
    ProgramName = File1.list(File1.listIndex());
    File1.setHeight(kListsShort);
    Dir1.setHeight(kListsShort);
    Label1.setVisible(true);
    Text1.setVisible(true);
    std::wstring full = Dir1.path();
    if (full.empty() || full.back() != L'\\') full += L'\\';
    full += File1.list(File1.listIndex());
    Label3.setCaption(std::move(full));
    Command1.setEnabled(true);
    // Drops the extension: exactly four characters, whatever they are.
    ProgramName.resize(ProgramName.size() - std::min<std::size_t>(ProgramName.size(), 4));
    Text1.setText(ProgramName);
    Text1.setFocus();
    File1.setToolTip(Label3.caption());
}

void Picker::Text1_Change() { Command1.setEnabled(!Text1.text().empty()); }

void Picker::Text1_GotFocus() {
    Text1.setSelStart(0);
    Text1.setSelLength(static_cast<int>(Text1.text().size()));
}

}  // namespace corvane
