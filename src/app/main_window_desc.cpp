// The main window, one row per control, each named for what the control is;
// and its controls, each reached through its row.
#include "app/app_info.h"
#include "app/main_window.h"

namespace corvane {

namespace {

using K = Kind;

constexpr ControlRow kAboutButton = {.name = "Command3", .kind = K::CommandButton, .caption = L"&About...",
    .box = {1500, 3660, 1215, 375}, .tab = 40, .tooltip = L"Find out more about Corvane."};
constexpr ControlRow kDriverFiles = {.name = "File2", .kind = K::FileListBox, .box = {360, 3720, 735, 285}, .tab = 39,
    .hidden = true, .listsHiddenAndSystem = true};
constexpr ControlRow kDriversPage = {.name = "Frame3", .kind = K::Frame, .caption = L"Driver Information",
    .box = {120, 360, 3855, 3135}, .tab = 26};
constexpr ControlRow kDirectX32Caption = {.name = "Label9", .kind = K::Label, .container = &kDriversPage,
    .caption = L"32-bit DirectX version:", .box = {240, 2280, 1695, 255}, .tab = 38};
constexpr ControlRow kDirectX16Caption = {.name = "Label8", .kind = K::Label, .container = &kDriversPage,
    .caption = L"16-bit DirectX version:", .box = {240, 1800, 1695, 255}, .tab = 37};
constexpr ControlRow kDirectX32Version = {.name = "l8", .kind = K::Label, .container = &kDriversPage,
    .caption = L"Not Available", .box = {2040, 2280, 1695, 255}, .tab = 36, .border = true};
constexpr ControlRow kDirectX16Version = {.name = "l7", .kind = K::Label, .container = &kDriversPage,
    .caption = L"Not Available", .box = {2040, 1800, 1695, 255}, .tab = 35, .border = true};
constexpr ControlRow kOpenGlCaption = {.name = "Label6", .kind = K::Label, .container = &kDriversPage,
    .caption = L"OpenGL version:", .box = {240, 2760, 1695, 255}, .tab = 34};
constexpr ControlRow kGlide3Caption = {.name = "Label5", .kind = K::Label, .container = &kDriversPage,
    .caption = L"Glide3 version:", .box = {240, 1320, 1695, 255}, .tab = 33};
constexpr ControlRow kGlideCaption = {.name = "Label4", .kind = K::Label, .container = &kDriversPage,
    .caption = L"Glide version:", .box = {240, 840, 1695, 255}, .tab = 32};
// Four pixels wider than its neighbours, so that the caption shows whole in the dialog font.
constexpr ControlRow kVoodooCaption = {.name = "Label2", .kind = K::Label, .container = &kDriversPage,
    .caption = L"Voodoo driver version:", .box = {240, 360, 1755, 255}, .tab = 31};
constexpr ControlRow kOpenGlVersion = {.name = "l4", .kind = K::Label, .container = &kDriversPage,
    .caption = L"Not Available", .box = {2040, 2760, 1695, 255}, .tab = 30, .border = true};
constexpr ControlRow kGlide3Version = {.name = "l3", .kind = K::Label, .container = &kDriversPage,
    .caption = L"Not Available", .box = {2040, 1320, 1695, 255}, .tab = 29, .border = true};
constexpr ControlRow kGlideVersion = {.name = "l2", .kind = K::Label, .container = &kDriversPage,
    .caption = L"Not Available", .box = {2040, 840, 1695, 255}, .tab = 28, .border = true};
constexpr ControlRow kVoodooVersion = {.name = "l1", .kind = K::Label, .container = &kDriversPage,
    .caption = L"Not Available", .box = {2040, 360, 1695, 255}, .tab = 27, .border = true};
constexpr ControlRow kSettingsPage = {.name = "Frame1", .kind = K::Frame, .caption = L"Set Parameters",
    .box = {120, 360, 3855, 3135}, .tab = 4};
// "Splash Screen" and "Fast Buffering" are four pixels wider than the other boxes: their
// captions need it beside the box in the dialog font.
constexpr ControlRow kSplash = {.name = "Check1", .kind = K::CheckBox, .container = &kSettingsPage,
    .caption = L"Splash Screen", .box = {2400, 2760, 1395, 255}, .tab = 25,
    .tooltip = L"Clearing the checkbox will remove the 3dfx splash screen."};
constexpr ControlRow kFastMemory = {.name = "cMem", .kind = K::CheckBox, .container = &kSettingsPage,
    .caption = L"Fast Memory", .box = {2400, 240, 1335, 255}, .tab = 9,
    .tooltip = L"Check to enable fast memory timing."};
constexpr ControlRow kFastPci = {.name = "cPci", .kind = K::CheckBox, .container = &kSettingsPage,
    .caption = L"Fast PCI", .box = {2400, 744, 1335, 255}, .tab = 8, .tooltip = L"Check to enable fast PCI reading."};
constexpr ControlRow kFastBuffering = {.name = "cBuff", .kind = K::CheckBox, .container = &kSettingsPage,
    .caption = L"Fast Buffering", .box = {2400, 1248, 1395, 255}, .tab = 7,
    .tooltip = L"Check to enable fast video buffering."};
constexpr ControlRow kFastRefresh = {.name = "cRefresh", .kind = K::CheckBox, .container = &kSettingsPage,
    .caption = L"Fast Refresh", .box = {2400, 1752, 1335, 255}, .tab = 6,
    .tooltip = L"Check to enable faster video refresh."};
constexpr ControlRow kTrueColour = {.name = "cColor", .kind = K::CheckBox, .container = &kSettingsPage,
    .caption = L"24-Bit Color", .box = {2400, 2256, 1335, 255}, .tab = 5,
    .tooltip = L"Check to enable 24-bit color mode.  Must be checked to use gamma settings at higher refresh rates.",
    .disabled = true};
constexpr ControlRow kClock = {.name = "sClock", .kind = K::Slider, .container = &kSettingsPage,
    .box = {120, 600, 1935, 495}, .tab = 10, .tooltip = L"Select desired clock speed."};
constexpr ControlRow kRefresh = {.name = "sRefresh", .kind = K::Slider, .container = &kSettingsPage,
    .box = {120, 1560, 1935, 495}, .tab = 11, .tooltip = L"Select desired monitor refresh rate."};
constexpr ControlRow kGamma = {.name = "sGamma", .kind = K::Slider, .container = &kSettingsPage,
    .box = {120, 2520, 1935, 495}, .tab = 12, .tooltip = L"Select desired gamma(brightness) setting."};
constexpr ControlRow kClockCaption = {.name = "lblClock", .kind = K::Label, .container = &kSettingsPage,
    .caption = L"Clock Speed: 90Mhz", .box = {120, 240, 1935, 255}, .tab = 16,
    .tooltip = L"Displays selected 3dfx clock speed.  When display is red, then clock speed is set beyond suggested "
               L"safe speed.",
    .border = true, .align = Align::Center};
constexpr ControlRow kRefreshCaption = {.name = "lblRefresh", .kind = K::Label, .container = &kSettingsPage,
    .caption = L"Refresh: 60Hz", .box = {120, 1200, 1935, 255}, .tab = 15,
    .tooltip = L"Displays selected monitor refresh rate.", .border = true, .align = Align::Center};
constexpr ControlRow kGammaCaption = {.name = "lblGamma", .kind = K::Label, .container = &kSettingsPage,
    .caption = L"Gamma: 0.25", .box = {120, 2160, 1935, 255}, .tab = 14,
    .tooltip = L"Displays selected gamma(brightness) setting.", .border = true, .align = Align::Center};
constexpr ControlRow kLastBatchPath = {.name = "lbl1", .kind = K::Label, .container = &kSettingsPage,
    .caption = L"Label1", .box = {2040, 2760, 255, 255}, .tab = 13, .hidden = true};
constexpr ControlRow kScratch = {.name = "Text2", .kind = K::TextBox, .caption = L"Text2",
    .box = {120, 3720, 615, 285}, .tab = 24, .hidden = true};
constexpr ControlRow kProgramPage = {.name = "Frame2", .kind = K::Frame, .caption = L"Select 3dfx Program",
    .box = {120, 360, 3855, 3135}, .tab = 0};
constexpr ControlRow kMakeButton = {.name = "Command1", .kind = K::CommandButton, .caption = L"&Make",
    .box = {120, 3660, 1215, 375}, .tab = 21, .tooltip = L"Create batch file.", .disabled = true};
constexpr ControlRow kBatchName = {.name = "Text1", .kind = K::TextBox, .container = &kProgramPage,
    .box = {780, 2400, 2415, 285}, .tab = 17, .tooltip = L"Enter a name for the batch file. ", .hidden = true,
    .enterPresses = &kMakeButton};
// The game's switches, below the batch name and in the focus order after it.
constexpr ControlRow kSwitchesCaption = {.name = "Label10", .kind = K::Label, .container = &kProgramPage,
    .caption = L"Game &switches:", .box = {780, 2790, 1335, 255}, .tab = 18, .hidden = true};
constexpr ControlRow kSwitches = {.name = "Text3", .kind = K::TextBox, .container = &kProgramPage,
    .box = {2160, 2745, 1035, 285}, .tab = 19,
    .tooltip = L"What the game is started with after its name, such as -3dfx.", .hidden = true,
    .enterPresses = &kMakeButton};
// Which Glide the picked game loads, in the room the shortened lists leave.
constexpr ControlRow kGlideWords = {.name = "Label11", .kind = K::Label, .container = &kProgramPage,
    .box = {120, 1740, 3615, 390}, .tab = 41, .hidden = true};
constexpr ControlRow kFolders = {.name = "Dir1", .kind = K::DirListBox, .container = &kProgramPage,
    .box = {120, 240, 1815, 2790}, .tab = 2, .tooltip = L"Select directory containing desired program."};
constexpr ControlRow kPrograms = {.name = "File1", .kind = K::FileListBox, .container = &kProgramPage,
    .box = {2040, 240, 1695, 2820}, .tab = 1, .tooltip = L"Select desired program.", .pattern = L"*.exe"};
// Wider than the batch-name box below it, so that the caption shows on one line.
constexpr ControlRow kBatchNameCaption = {.name = "Label1", .kind = K::Label, .container = &kProgramPage,
    .caption = L"Type name for batchfile (if desired)", .box = {780, 2160, 2805, 255}, .tab = 20, .hidden = true};
constexpr ControlRow kProgramPath = {.name = "Label3", .kind = K::Label, .container = &kProgramPage,
    .box = {120, 480, 1095, 285}, .tab = 3, .tooltip = L"Shows path of selected program.", .hidden = true,
    .border = true, .colour = kCaptionText};
constexpr ControlRow kTabs = {.name = "TabStrip1", .kind = K::TabStrip, .box = {0, 0, 4095, 3615}, .tab = 23};
constexpr ControlRow kExitButton = {.name = "Command2", .kind = K::CommandButton, .caption = L"E&xit",
    .box = {2880, 3660, 1215, 375}, .tab = 22, .tooltip = L"Goodbye."};

// In the order the controls are made.
constexpr const ControlRow* kControls[] = {
    &kAboutButton,
    &kDriverFiles,
    &kDriversPage,
    &kDirectX32Caption,
    &kDirectX16Caption,
    &kDirectX32Version,
    &kDirectX16Version,
    &kOpenGlCaption,
    &kGlide3Caption,
    &kGlideCaption,
    &kVoodooCaption,
    &kOpenGlVersion,
    &kGlide3Version,
    &kGlideVersion,
    &kVoodooVersion,
    &kSettingsPage,
    &kSplash,
    &kFastMemory,
    &kFastPci,
    &kFastBuffering,
    &kFastRefresh,
    &kTrueColour,
    &kClock,
    &kRefresh,
    &kGamma,
    &kClockCaption,
    &kRefreshCaption,
    &kGammaCaption,
    &kLastBatchPath,
    &kScratch,
    &kProgramPage,
    &kBatchName,
    &kSwitchesCaption,
    &kSwitches,
    &kGlideWords,
    &kFolders,
    &kPrograms,
    &kBatchNameCaption,
    &kProgramPath,
    &kTabs,
    &kExitButton,
    &kMakeButton,
};

constexpr SliderRow kSliders[] = {
    {&kClock, 90, 110, 1, 5, 1, 90},
    {&kRefresh, 1, 5, 1, 5, 1, 1},
    {&kGamma, 25, 195, 1, 5, 10, 25},
};

constexpr TabRow kTabCaptions[] = {
    {L"Select Program", L"Select the program for which to create a batch file."},
    {L"Choose Settings", L"Select the settings to apply to the 3dfx program."},
    {L"Driver Information", L"Information about your Voodoo drivers."},
};

}  // namespace

const WindowDesc kMainWindow = {
    .name = "Form1",
    .caption = kAppTitle,
    .clientWidth = 4110,
    .clientHeight = 4050,
    .controls = kControls,
    .sliders = kSliders,
    .tabs = kTabCaptions,
};

MainControls::MainControls(const Window& w)
    : makeButton(w.get<CommandButton>(kMakeButton)),
      exitButton(w.get<CommandButton>(kExitButton)),
      aboutButton(w.get<CommandButton>(kAboutButton)),
      tabs(w.get<TabStrip>(kTabs)),
      programPage(w.get<Frame>(kProgramPage)),
      settingsPage(w.get<Frame>(kSettingsPage)),
      driversPage(w.get<Frame>(kDriversPage)),
      folders(w.get<DirList>(kFolders)),
      programs(w.get<FileList>(kPrograms)),
      batchNameCaption(w.get<Label>(kBatchNameCaption)),
      batchName(w.get<TextBox>(kBatchName)),
      switchesCaption(w.get<Label>(kSwitchesCaption)),
      switches(w.get<TextBox>(kSwitches)),
      glideWords(w.get<Label>(kGlideWords)),
      programPath(w.get<Label>(kProgramPath)),
      clock(w.get<Slider>(kClock)),
      refresh(w.get<Slider>(kRefresh)),
      gamma(w.get<Slider>(kGamma)),
      clockCaption(w.get<Label>(kClockCaption)),
      refreshCaption(w.get<Label>(kRefreshCaption)),
      gammaCaption(w.get<Label>(kGammaCaption)),
      fastMemory(w.get<CheckBox>(kFastMemory)),
      fastPci(w.get<CheckBox>(kFastPci)),
      fastBuffering(w.get<CheckBox>(kFastBuffering)),
      fastRefresh(w.get<CheckBox>(kFastRefresh)),
      trueColour(w.get<CheckBox>(kTrueColour)),
      splash(w.get<CheckBox>(kSplash)),
      lastBatchPath(w.get<Label>(kLastBatchPath)),
      driverFiles(w.get<FileList>(kDriverFiles)),
      voodooVersion(w.get<Label>(kVoodooVersion)),
      glideVersion(w.get<Label>(kGlideVersion)),
      glide3Version(w.get<Label>(kGlide3Version)),
      openGlVersion(w.get<Label>(kOpenGlVersion)),
      directX16Version(w.get<Label>(kDirectX16Version)),
      directX32Version(w.get<Label>(kDirectX32Version)),
      scratch(w.get<TextBox>(kScratch)) {}

}  // namespace corvane
