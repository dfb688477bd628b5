// The "Select Program" page: browsing folders and .exe files, recording the
// chosen program and proposing a name for its batch file.
#pragma once

#include <string>

#include "platform/model.h"

namespace corvane {

struct PickerControls {
    Control& Dir1;
    Control& File1;
    Control& Text1;
    Control& Label1;
    Control& Label3;  // the folder, then the picked program's full path
    Control& Command1;
};

class Picker : PickerControls {
public:
    // `programName` is the window's ProgramName, which the picker sets.
    Picker(const PickerControls& controls, std::wstring& programName)
        : PickerControls(controls), ProgramName(programName) {}

    void Dir1_Change();
    void File1_PathChange();
    void File1_Click();
    void Text1_Change();
    void Text1_GotFocus();

private:
    std::wstring& ProgramName;
};

}  // namespace corvane
