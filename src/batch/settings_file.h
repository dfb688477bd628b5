// The batch file beside a game is its settings: when a program is picked,
// the file at the batch path proposed for it is read, and where Corvane
// made it, the settings page shows what it holds, as if the user had set
// each value by hand, and the switches its start line gives the game, and
// says so. A file Corvane did not make is not read.
#pragma once

#include <string>

#include "batch/value_controls.h"
#include "drivers/glide_family.h"
#include "platform/model.h"
#include "platform/services.h"
#include "settings/panel.h"

namespace corvane {

struct SettingsFileControls {
    DirList& folders;         // Dir1: the program's folder
    TextBox& batchName;       // Text1: the batch name proposed
    TextBox& switches;        // Text3: the game's switches, from the file's start line
    Frame& settingsPage;      // Frame1: its caption says where the values came from
    ValueControls values;     // what the file carries
};

struct SettingsFileServices {
    FileStore& files;
    const CodePageService& codePage;  // the one batch files are read in: the OEM code page
};

class SettingsFile : SettingsFileControls {
public:
    // The boxes' clicks and the panel's changes are wired to it here.
    // `loaded`: what the Glide the picked game loads reads.
    SettingsFile(const SettingsFileControls& controls, const SettingsFileServices& services, SettingsPanel& panel,
                 const GlideCards& loaded);
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // A program was picked and its batch name proposed.
    void programPicked();
    // The user changed a setting: the values are no longer the file's.
    void settingChanged();

    // The settings page's words, in its caption: where the values came
    // from, which could not be taken, or why the file could not be read.
    // Short enough for the page's width.
    static std::wstring readWords(std::wstring_view batchName, const std::vector<std::wstring>& notTaken);
    static std::wstring failedWords(std::wstring_view batchName, std::wstring_view why);

private:
    void say(const std::wstring& words);

    SettingsFileServices services_;
    SettingsPanel& panel_;
    const GlideCards& loaded_;
    bool showing_ = false;  // values are being set from a file
};

}  // namespace corvane
