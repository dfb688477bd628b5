// The help window, one row per control, each named for what the control is;
// and its controls, each reached through its row.
#include "help/help_window.h"

namespace corvane {

namespace {

using K = Kind;

constexpr Font kNameFont{L"MS Sans Serif", 1350, true};
constexpr Font kVersionFont{L"MS Sans Serif", 975, true};
constexpr Font kCreditFont{L"MS Sans Serif", 1200, true};

// Lines run from (left, top) to (left + width, top + height); labels wrap
// their text inside their box.
constexpr ControlRow kTopicList = {.name = "Combo1", .kind = K::ComboBox, .box = {480, 1200, 3615, 315}, .tab = 5};
constexpr ControlRow kHomepageButton = {.name = "Command2", .kind = K::CommandButton, .caption = L"&Visit Hompage",
    .box = {2400, 3000, 1215, 375}, .tab = 4, .tooltip = L"Click to visit Quillet homepage."};
constexpr ControlRow kReturnButton = {.name = "Command1", .kind = K::CommandButton, .caption = L"&Return",
    .box = {1020, 3000, 1215, 375}, .tab = 2};
constexpr ControlRow kAnswer = {.name = "Label2", .kind = K::Label, .caption = L"Select a topic above.",
    .box = {120, 1560, 4335, 1215}, .tab = 6, .align = Align::Center};
constexpr ControlRow kLowerWhiteLine = {.name = "Line2(1)", .kind = K::Line, .box = {120, 2895, 4320, 0},
    .colour = kWhite};
constexpr ControlRow kLowerGreyLine = {.name = "Line1(1)", .kind = K::Line, .box = {120, 2880, 4320, 0},
    .colour = kGrey};
constexpr ControlRow kPhoto = {.name = "Image2", .kind = K::Image, .box = {3720, 300, 480, 600},
    .tooltip = L"Hello, it's me!", .picture = Picture::Photo};
constexpr ControlRow kIcon = {.name = "Image1", .kind = K::Image, .box = {360, 360, 480, 480}};
constexpr ControlRow kVersionLine = {.name = "Label5", .kind = K::Label, .caption = L"Version 1.0.0",
    .box = {1140, 480, 2295, 255}, .tab = 3, .align = Align::Center, .font = &kVersionFont};
constexpr ControlRow kUpperWhiteLine = {.name = "Line2(0)", .kind = K::Line, .box = {120, 1095, 4320, 0},
    .colour = kWhite};
constexpr ControlRow kUpperGreyLine = {.name = "Line1(0)", .kind = K::Line, .box = {120, 1080, 4320, 0},
    .colour = kGrey};
constexpr ControlRow kCredit = {.name = "Label3", .kind = K::Label, .caption = L"By Corvane",
    .box = {1140, 720, 2295, 375}, .tab = 1, .font = &kCreditFont};
constexpr ControlRow kProductName = {.name = "Label1", .kind = K::Label, .caption = L"Corvane",
    .box = {1140, 120, 2295, 375}, .tab = 0, .align = Align::Center, .font = &kNameFont};

// In the order the controls are made.
constexpr const ControlRow* kControls[] = {
    &kTopicList, &kHomepageButton, &kReturnButton,   &kAnswer,         &kLowerWhiteLine, &kLowerGreyLine, &kPhoto,
    &kIcon,      &kVersionLine,    &kUpperWhiteLine, &kUpperGreyLine, &kCredit,         &kProductName,
};

}  // namespace

const WindowDesc kHelpWindow = {
    .name = "Form2",
    .caption = L"",
    .clientWidth = 4575,
    .clientHeight = 3450,
    .controls = kControls,
};

HelpControls::HelpControls(const Window& w)
    : topicList(w.get<ComboBox>(kTopicList)),
      returnButton(w.get<CommandButton>(kReturnButton)),
      homepageButton(w.get<CommandButton>(kHomepageButton)),
      answer(w.get<Label>(kAnswer)),
      versionLine(w.get<Label>(kVersionLine)),
      icon(w.get<Image>(kIcon)) {}

}  // namespace corvane
