// The main window: built from its description, with the features of its
// pages made on the controls each works on (each wires its own handlers).
// Start-up, the page switch, help, exit and picks from outside are its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/glide_reach.h"
#include "batch/make.h"
#include "batch/settings_file.h"
#include "drivers/game_glide.h"
#include "drivers/glide_family.h"
#include "drivers/scan.h"
#include "platform/model.h"
#include "platform/services.h"
#include "selection/picker.h"
#include "settings/panel.h"

namespace corvane {

extern const WindowDesc kMainWindow;

// The main window's controls that the program works on, each as its kind,
// reached through its row of the description (main_window_desc.cpp). The
// rows' names follow each member.
struct MainControls {
    explicit MainControls(const Window& window);

    // Under the pages, and the pages.
    CommandButton& makeButton;   // Command1 "&Make"
    CommandButton& exitButton;   // Command2 "E&xit"
    CommandButton& aboutButton;  // Command3 "&About..."
    TabStrip& tabs;              // TabStrip1
    Frame& programPage;          // Frame2, the first tab's page
    Frame& settingsPage;         // Frame1, the second's
    Frame& driversPage;          // Frame3, the third's
    // "Select Program"
    DirList& folders;            // Dir1
    FileList& programs;          // File1
    Label& batchNameCaption;     // Label1
    TextBox& batchName;          // Text1
    Label& switchesCaption;      // Label10
    TextBox& switches;           // Text3
    Label& glideWords;           // Label11: the Glide the picked game loads
    Label& programPath;          // Label3, never shown
    // "Choose Settings"
    Slider& clock;               // sClock
    Slider& refresh;             // sRefresh
    Slider& gamma;               // sGamma
    Label& clockCaption;         // lblClock
    Label& refreshCaption;       // lblRefresh
    Label& gammaCaption;         // lblGamma
    CheckBox& fastMemory;        // cMem
    CheckBox& fastPci;           // cPci
    CheckBox& fastBuffering;     // cBuff
    CheckBox& fastRefresh;       // cRefresh
    CheckBox& trueColour;        // cColor
    CheckBox& splash;            // Check1
    Label& lastBatchPath;        // lbl1, never shown
    // "Driver Information"
    FileList& driverFiles;       // File2, never shown
    Label& voodooVersion;        // l1
    Label& glideVersion;         // l2
    Label& glide3Version;        // l3
    Label& openGlVersion;        // l4
    Label& directX16Version;     // l7
    Label& directX32Version;     // l8
    // Never shown: a long program name is cut at its blanks here.
    TextBox& scratch;            // Text2

    ValueControls values() const {
        return {fastMemory, fastPci, fastBuffering, fastRefresh, trueColour, splash, gamma, clock};
    }
};

class MainWindow {
public:
    explicit MainWindow(Services& services);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    Services& services;
    Window window;
    MainControls controls;

    // What the pages share beyond their controls.
    std::wstring programName;    // the picked program's file name without its last four characters
    std::int16_t refreshHz = 0;  // the rate chosen; 0 until the refresh slider is first moved
    GlideCards installedGlide;   // the cards the installed Glide DLLs are for, as the driver scan found
    GlideFinder glideFinder;     // the Glide a picked game loads
    GameGlide gameGlide;         // the picked game's
    GlideCards gameGlideReads;   // what the picked game's Glide reads, or the installed cards

    // The pages' features.
    Picker picker;
    SettingsPanel settings;
    BatchMaker batch;
    SettingsFile settingsFile;
    GlideReach glideReach;
    DriverScan drivers;

    // Paths named on the command line: handed to a running copy, or picked
    // once the window is shown.
    std::vector<std::wstring> commandPaths;

    // A program was picked: the Glide it loads is found and shown, and the
    // file there read.
    void programPicked();
    // Start-up: a second copy ends here; the first opens C:\, shows the first
    // page, ticks "Splash Screen" and scans the drivers.
    void load();
    // Shows the page of the tab the strip has selected.
    void showSelectedPage();
    void exitProgram();
    void openHelp();

    // A program or folder picked from outside: dropped, or named on the
    // command line. The first program is picked as browsing to its folder
    // and clicking it do; otherwise the first folder is opened; otherwise
    // a message names what was dropped.
    void pickFromOutside(const std::vector<std::wstring>& paths);

    // The FileVersion of a file's version resource; empty where it has none.
    std::wstring fileVersion(const std::wstring& path) { return drivers.fileVersion(path); }
};

}  // namespace corvane
