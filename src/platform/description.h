// A window as fixed data: one row per control, made before any handler
// runs, and the extra settings of its sliders and tab strip. Each row is a
// constant of its own, named for what the control is; the window lists its
// rows in the order its controls are made, and the program reaches each
// control through its row. A row's name is the control's name as data, by
// which tests and outside tools find it.
#pragma once

#include <cstdint>
#include <span>

namespace corvane {

// Each kind's class, name and focus are in controls.h.
enum class Kind : std::uint8_t {
    Label, Frame, CommandButton, CheckBox, TextBox, DirListBox, FileListBox,
    ComboBox, Slider, TabStrip, Image, Line
};

enum class Align : std::uint8_t { Left, Center };

// Colours: red in the lowest byte; the top bit marks a system colour index.
inline constexpr std::uint32_t kSystemColour = 0x80000000u;
inline constexpr std::uint32_t kButtonFace = kSystemColour | 15u;   // COLOR_BTNFACE
inline constexpr std::uint32_t kCaptionText = kSystemColour | 9u;   // COLOR_CAPTIONTEXT
inline constexpr std::uint32_t kRed = 0x0000FFu;
inline constexpr std::uint32_t kWhite = 0xFFFFFFu;
inline constexpr std::uint32_t kGrey = 0x808080u;

// Positions and sizes in twips, relative to the container's client area.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Font {
    const wchar_t* face;
    int hundredthsOfPoint;
    bool bold;
};

enum class Picture : std::uint8_t { None, Icon, Photo };

struct ControlRow {
    const char* name;
    Kind kind;
    const ControlRow* container = nullptr;  // nullptr places the control on the window
    const wchar_t* caption = L"";  // caption, or the text of a text box
    Box box{};                      // a line runs from (left, top) to (left + width, top + height)
    int tab = -1;                   // focus order; -1 for controls that have none
    const wchar_t* tooltip = L"";
    bool hidden = false;
    bool disabled = false;
    bool border = false;
    Align align = Align::Left;
    std::uint32_t colour = kButtonFace;  // background; the colour of a line
    const wchar_t* pattern = L"*.*";     // file list
    bool listsHiddenAndSystem = false;   // file list
    const Font* font = nullptr;          // nullptr: the dialog font
    Picture picture = Picture::None;     // image
    const ControlRow* enterPresses = nullptr;  // text box: the button Enter presses there
};

struct SliderRow {
    const ControlRow* slider;
    int min, max, smallStep, largeStep, tickEvery, start;
};

struct TabRow {
    const wchar_t* caption;
    const wchar_t* tooltip;
};

struct WindowDesc {
    const char* name;
    const wchar_t* caption;
    int clientWidth, clientHeight;  // twips
    std::span<const ControlRow* const> controls;
    std::span<const SliderRow> sliders = {};
    std::span<const TabRow> tabs = {};
};

}  // namespace corvane
