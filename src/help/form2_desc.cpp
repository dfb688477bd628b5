// The help window, one row per control, in the order the controls are made.
#include "help/form2.h"

namespace corvane {

namespace {

using enum Kind;

constexpr Font kName{L"MS Sans Serif", 1350, true};
constexpr Font kVersion{L"MS Sans Serif", 975, true};
constexpr Font kCredit{L"MS Sans Serif", 1200, true};

// Lines run from (left, top) to (left + width, top + height).
constexpr ControlRow kControls[] = {
    {.name = "Combo1", .kind = ComboBox, .box = {480, 1200, 3615, 315}, .tab = 5},
    {.name = "Command2", .kind = CommandButton, .caption = L"&Visit Hompage", .box = {2400, 3000, 1215, 375}, .tab = 4,
     .tooltip = L"Click to visit Quillet homepage."},
    {.name = "Command1", .kind = CommandButton, .caption = L"&Return", .box = {1020, 3000, 1215, 375}, .tab = 2},
    {.name = "Label2", .kind = Label, .caption = L"Select a topic above.", .box = {120, 1560, 4335, 1215}, .tab = 6,
     .align = Align::Center},  // labels wrap their text inside their box
    {.name = "Line2(1)", .kind = Line, .box = {120, 2895, 4320, 0}, .colour = kWhite},
    {.name = "Line1(1)", .kind = Line, .box = {120, 2880, 4320, 0}, .colour = kGrey},
    {.name = "Image2", .kind = Image, .box = {3720, 300, 480, 600}, .tooltip = L"Hello, it's me!",
     .picture = Picture::Photo},
    {.name = "Image1", .kind = Image, .box = {360, 360, 480, 480}},
    {.name = "Label5", .kind = Label, .caption = L"Version 1.0.0", .box = {1140, 480, 2295, 255}, .tab = 3,
     .align = Align::Center, .font = &kVersion},
    {.name = "Line2(0)", .kind = Line, .box = {120, 1095, 4320, 0}, .colour = kWhite},
    {.name = "Line1(0)", .kind = Line, .box = {120, 1080, 4320, 0}, .colour = kGrey},
    {.name = "Label3", .kind = Label, .caption = L"By Corvane", .box = {1140, 720, 2295, 375}, .tab = 1,
     .font = &kCredit},
    {.name = "Label1", .kind = Label, .caption = L"Corvane", .box = {1140, 120, 2295, 375}, .tab = 0,
     .align = Align::Center, .font = &kName},
};

}  // namespace

const WindowDesc kForm2 = {
    .name = "Form2",
    .caption = L"",
    .clientWidth = 4575,
    .clientHeight = 3450,
    .controls = kControls,
};

}  // namespace corvane
