// The main window: built from its description, with the features of its
// pages made on the controls each works on (each wires its own handlers).
// Start-up, the page switch, help, exit and picks from outside are its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/make.h"
#include "batch/settings_file.h"
#include "drivers/glide_family.h"
#include "drivers/scan.h"
#include "platform/model.h"
#include "platform/services.h"
#include "selection/picker.h"
#include "settings/panel.h"

namespace corvane {

extern const WindowDesc kForm1;

// The controls of the window's own handlers.
struct PageControls {
    TabStrip& tabs;           // TabStrip1
    Frame& programPage;       // Frame2, the first tab's page
    Frame& settingsPage;      // Frame1, the second's
    Frame& driversPage;       // Frame3, the third's
    CheckBox& splash;         // Check1, ticked at start-up
    CommandButton& exit;      // Command2
    CommandButton& about;     // Command3
};

class Form1 {
public:
    explicit Form1(Services& services);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    Services& services;
    Window window;

    // Form-level variables.
    std::wstring ProgramName;
    std::int16_t RefreshHz = 0;
    // The cards the installed Glide DLLs are for, as the driver scan found.
    GlideCards InstalledGlide;

    PageControls pages;
    // The pages' features.
    Picker picker;
    SettingsPanel settings;
    BatchMaker batch;
    SettingsFile settingsFile;
    DriverScan drivers;

    // Paths named on the command line: handed to a running copy, or picked
    // once the window is shown.
    std::vector<std::wstring> CommandPaths;

    // Start-up, pages, help and exit.
    void Form_Load();
    void TabStrip1_Click();
    void Command2_Click();
    void Command3_Click();

    // A program or folder picked from outside: dropped, or named on the
    // command line. The first program is picked as browsing to its folder
    // and clicking it do; otherwise the first folder is opened; otherwise
    // a message names what was dropped.
    void DropFiles(const std::vector<std::wstring>& paths);

    // The window's public procedure for the version of a file.
    void VerInfo(const std::wstring& PathName, std::wstring& VerFileVer) { drivers.VerInfo(PathName, VerFileVer); }
};

}  // namespace corvane
