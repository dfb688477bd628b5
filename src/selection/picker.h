// The "Select Program" page: browsing folders and .exe files, recording the
// chosen program and proposing a name for its batch file.
#pragma once

#include <functional>
#include <string>

#include "platform/model.h"
#include "platform/services.h"

namespace corvane {

struct PickerControls {
    DirList& folders;        // Dir1
    FileList& programs;      // File1
    TextBox& batchName;      // Text1
    Label& batchNameCaption;  // Label1
    TextBox& switches;       // Text3: shown with the batch name
    Label& switchesCaption;  // Label10
    Label& glideWords;       // Label11: shown with the batch name
    Label& programPath;      // Label3: the folder, then the picked program's full path
    CommandButton& make;     // Command1
};

struct PickerServices {
    MessageBoxService& messages;  // a drive that can't be read
    const AppInfo& app;
};

class Picker : PickerControls {
public:
    // `programName` is the window's, which the picker sets. The
    // picker's handlers are wired to its controls' events here.
    Picker(const PickerControls& controls, const PickerServices& services, std::wstring& programName);
    Picker(const Picker&) = delete;
    Picker& operator=(const Picker&) = delete;

    void folderOpened();
    void programsFolderChanged();
    void programPicked();
    void batchNameChanged();
    void batchNameFocused();

    // The page shows `folder`, as opening it in the directory list does; the
    // folder shown already is read again.
    void showFolder(const std::wstring& folder);
    // Picks `program` among the programs shown, as a click on it does;
    // false when it is not among them.
    bool pick(const std::wstring& program);

    // Runs at the end of every pick, once the batch name is proposed.
    std::function<void()> onPicked;

private:
    PickerServices services_;
    std::wstring& programName_;
};

}  // namespace corvane
