// The main window, one row per control, in the order the controls are made.
#include "app/app_info.h"
#include "app/form1.h"

namespace corvane {

namespace {

using enum Kind;

constexpr ControlRow kControls[] = {
    {.name = "Command3", .kind = CommandButton, .caption = L"&About...", .box = {1500, 3660, 1215, 375}, .tab = 38,
     .tooltip = L"Find out more about Corvane."},
    {.name = "File2", .kind = FileListBox, .box = {360, 3720, 735, 285}, .tab = 37, .hidden = true,
     .listsHiddenAndSystem = true},
    {.name = "Frame3", .kind = Frame, .caption = L"Driver Information", .box = {120, 360, 3855, 3135}, .tab = 24},
    {.name = "Label9", .kind = Label, .container = "Frame3", .caption = L"32-bit DirectX version:",
     .box = {240, 2280, 1695, 255}, .tab = 36},
    {.name = "Label8", .kind = Label, .container = "Frame3", .caption = L"16-bit DirectX version:",
     .box = {240, 1800, 1695, 255}, .tab = 35},
    {.name = "l8", .kind = Label, .container = "Frame3", .caption = L"Not Available", .box = {2040, 2280, 1695, 255},
     .tab = 34, .border = true},
    {.name = "l7", .kind = Label, .container = "Frame3", .caption = L"Not Available", .box = {2040, 1800, 1695, 255},
     .tab = 33, .border = true},
    {.name = "Label6", .kind = Label, .container = "Frame3", .caption = L"OpenGL version:",
     .box = {240, 2760, 1695, 255}, .tab = 32},
    {.name = "Label5", .kind = Label, .container = "Frame3", .caption = L"Glide3 version:",
     .box = {240, 1320, 1695, 255}, .tab = 31},
    {.name = "Label4", .kind = Label, .container = "Frame3", .caption = L"Glide version:",
     .box = {240, 840, 1695, 255}, .tab = 30},
    // Four pixels wider than its neighbours, so that the caption shows whole in the dialog font.
    {.name = "Label2", .kind = Label, .container = "Frame3", .caption = L"Voodoo driver version:",
     .box = {240, 360, 1755, 255}, .tab = 29},
    {.name = "l4", .kind = Label, .container = "Frame3", .caption = L"Not Available", .box = {2040, 2760, 1695, 255},
     .tab = 28, .border = true},
    {.name = "l3", .kind = Label, .container = "Frame3", .caption = L"Not Available", .box = {2040, 1320, 1695, 255},
     .tab = 27, .border = true},
    {.name = "l2", .kind = Label, .container = "Frame3", .caption = L"Not Available", .box = {2040, 840, 1695, 255},
     .tab = 26, .border = true},
    {.name = "l1", .kind = Label, .container = "Frame3", .caption = L"Not Available", .box = {2040, 360, 1695, 255},
     .tab = 25, .border = true},
    {.name = "Frame1", .kind = Frame, .caption = L"Set Parameters", .box = {120, 360, 3855, 3135}, .tab = 4},
    // "Splash Screen" and "Fast Buffering" are four pixels wider than the other boxes: their
    // captions need it beside the box in the dialog font.
    {.name = "Check1", .kind = CheckBox, .container = "Frame1", .caption = L"Splash Screen",
     .box = {2400, 2760, 1395, 255}, .tab = 23,
     .tooltip = L"Clearing the checkbox will remove the 3dfx splash screen."},
    {.name = "cMem", .kind = CheckBox, .container = "Frame1", .caption = L"Fast Memory", .box = {2400, 240, 1335, 255},
     .tab = 9, .tooltip = L"Check to enable fast memory timing."},
    {.name = "cPci", .kind = CheckBox, .container = "Frame1", .caption = L"Fast PCI", .box = {2400, 744, 1335, 255},
     .tab = 8, .tooltip = L"Check to enable fast PCI reading."},
    {.name = "cBuff", .kind = CheckBox, .container = "Frame1", .caption = L"Fast Buffering",
     .box = {2400, 1248, 1395, 255}, .tab = 7, .tooltip = L"Check to enable fast video buffering."},
    {.name = "cRefresh", .kind = CheckBox, .container = "Frame1", .caption = L"Fast Refresh",
     .box = {2400, 1752, 1335, 255}, .tab = 6, .tooltip = L"Check to enable faster video refresh."},
    {.name = "cColor", .kind = CheckBox, .container = "Frame1", .caption = L"24-Bit Color",
     .box = {2400, 2256, 1335, 255}, .tab = 5,
     .tooltip = L"Check to enable 24-bit color mode.  Must be checked to use gamma settings at higher refresh rates.",
     .disabled = true},
    {.name = "sClock", .kind = Slider, .container = "Frame1", .box = {120, 600, 1935, 495}, .tab = 10,
     .tooltip = L"Select desired clock speed."},
    {.name = "sRefresh", .kind = Slider, .container = "Frame1", .box = {120, 1560, 1935, 495}, .tab = 11,
     .tooltip = L"Select desired monitor refresh rate."},
    {.name = "sGamma", .kind = Slider, .container = "Frame1", .box = {120, 2520, 1935, 495}, .tab = 12,
     .tooltip = L"Select desired gamma(brightness) setting."},
    {.name = "lblClock", .kind = Label, .container = "Frame1", .caption = L"Clock Speed: 90Mhz",
     .box = {120, 240, 1935, 255}, .tab = 16,
     .tooltip = L"Displays selected 3dfx clock speed.  When display is red, then clock speed is set beyond suggested "
                L"safe speed.",
     .border = true, .align = Align::Center},
    {.name = "lblRefresh", .kind = Label, .container = "Frame1", .caption = L"Refresh: 60Hz",
     .box = {120, 1200, 1935, 255}, .tab = 15, .tooltip = L"Displays selected monitor refresh rate.", .border = true,
     .align = Align::Center},
    {.name = "lblGamma", .kind = Label, .container = "Frame1", .caption = L"Gamma: 0.25", .box = {120, 2160, 1935, 255},
     .tab = 14, .tooltip = L"Displays selected gamma(brightness) setting.", .border = true, .align = Align::Center},
    {.name = "lbl1", .kind = Label, .container = "Frame1", .caption = L"Label1", .box = {2040, 2760, 255, 255},
     .tab = 13, .hidden = true},
    {.name = "Text2", .kind = TextBox, .caption = L"Text2", .box = {120, 3720, 615, 285}, .tab = 22, .hidden = true},
    {.name = "Frame2", .kind = Frame, .caption = L"Select 3dfx Program", .box = {120, 360, 3855, 3135}, .tab = 0},
    {.name = "Text1", .kind = TextBox, .container = "Frame2", .box = {780, 2400, 2415, 285}, .tab = 17,
     .tooltip = L"Enter a name for the batch file. ", .hidden = true},
    {.name = "Dir1", .kind = DirListBox, .container = "Frame2", .box = {120, 240, 1815, 2790}, .tab = 2,
     .tooltip = L"Select directory containing desired program."},
    {.name = "File1", .kind = FileListBox, .container = "Frame2", .box = {2040, 240, 1695, 2820}, .tab = 1,
     .tooltip = L"Select desired program.", .pattern = L"*.exe"},
    // Wider than the batch-name box below it, so that the caption shows on one line.
    {.name = "Label1", .kind = Label, .container = "Frame2", .caption = L"Type name for batchfile (if desired)",
     .box = {780, 2160, 2805, 255}, .tab = 18, .hidden = true},
    {.name = "Label3", .kind = Label, .container = "Frame2", .box = {120, 480, 1095, 285}, .tab = 3,
     .tooltip = L"Shows path of selected program.", .hidden = true, .border = true, .colour = kCaptionText},
    {.name = "TabStrip1", .kind = TabStrip, .box = {0, 0, 4095, 3615}, .tab = 21},
    {.name = "Command2", .kind = CommandButton, .caption = L"E&xit", .box = {2880, 3660, 1215, 375}, .tab = 20,
     .tooltip = L"Goodbye."},
    {.name = "Command1", .kind = CommandButton, .caption = L"&Make", .box = {120, 3660, 1215, 375}, .tab = 19,
     .tooltip = L"Create batch file.", .disabled = true},
};

constexpr SliderRow kSliders[] = {
    {"sClock", 90, 110, 1, 5, 1, 90},
    {"sRefresh", 1, 5, 1, 5, 1, 1},
    {"sGamma", 25, 195, 1, 5, 10, 25},
};

constexpr TabRow kTabs[] = {
    {L"Select Program", L"Select the program for which to create a batch file."},
    {L"Choose Settings", L"Select the settings to apply to the 3dfx program."},
    {L"Driver Information", L"Information about your Voodoo drivers."},
};

}  // namespace

const WindowDesc kForm1 = {
    .name = "Form1",
    .caption = kAppTitle,
    .clientWidth = 4110,
    .clientHeight = 4050,
    .controls = kControls,
    .sliders = kSliders,
    .tabs = kTabs,
};

}  // namespace corvane
