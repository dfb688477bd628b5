// The main window: its controls, its two form-level variables and the
// handlers of every page. Each page's handlers live in their own folder.
#pragma once

#include <cstdint>
#include <string>

#include "platform/model.h"
#include "platform/services.h"

namespace corvane {

extern const WindowDesc kForm1;

struct Services {
    MessageBoxService& messages;
    FolderService& folders;
    FileStore& files;
    CodePageService& codePage;
    InstanceService& instance;
    ProgramService& program;
    VersionService& versions;
    ShellService& shell;
    WindowService& windows;
    AppInfo app;
};

class Form1 {
public:
    explicit Form1(Services& services);

    Services& services;
    Window window;

    // Form-level variables.
    std::wstring ProgramName;
    std::int16_t RefreshHz = 0;

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

    // Start-up, pages and exit.
    void Form_Load();
    void TabStrip1_Click();
    void Command2_Click();

    // Program picker.
    void Dir1_Change();
    void File1_PathChange();
    void File1_Click();
    void Text1_Change();
    void Text1_GotFocus();

    // Settings panel.
    void sClock_PositionChanged();
    void sRefresh_PositionChanged();
    void sGamma_PositionChanged();

    // Batch file.
    void Command1_Click();

    // Help window.
    void Command3_Click();

    // Driver information.
    void ScanDrivers();
    void VerInfo(const std::wstring& PathName, std::wstring& VerFileVer);
};

}  // namespace corvane
