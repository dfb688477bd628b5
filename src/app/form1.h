// The main window: built from its description, with the features of its
// pages made on the controls each works on, and their handlers wired to the
// controls' events. Start-up, the page switch and exit are its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/make.h"
#include "drivers/scan.h"
#include "platform/model.h"
#include "platform/services.h"
#include "selection/picker.h"
#include "settings/panel.h"

namespace corvane {

extern const WindowDesc kForm1;

class Form1 {
public:
    explicit Form1(Services& services);

    Services& services;
    Window window;

    // Form-level variables.
    std::wstring ProgramName;
    std::int16_t RefreshHz = 0;
    // The cards the installed Glide DLLs are for, as the driver scan found.
    GlideCards InstalledGlide;

    Control& Command1;
    Control& Command2;
    Control& Command3;
    Control& TabStrip1;
    Control& Frame1;
    Control& Frame2;
    Control& Frame3;
    Control& Dir1;
    Control& File1;
    Control& File2;
    Control& Text1;
    Control& Text2;
    Control& Label1;
    Control& Label3;
    Control& sClock;
    Control& sRefresh;
    Control& sGamma;
    Control& lblClock;
    Control& lblRefresh;
    Control& lblGamma;
    Control& lbl1;
    Control& cMem;
    Control& cPci;
    Control& cBuff;
    Control& cRefresh;
    Control& cColor;
    Control& Check1;

    // The pages' features.
    Picker picker;
    SettingsPanel settings;
    BatchMaker batch;
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
