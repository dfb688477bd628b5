// A toolkit-neutral model of a window and its controls. Each window is built
// from a fixed description (one row per control); handlers then only change
// properties. Assigning a property whose change has a handler runs that
// handler at once, inside the assignment, and only when the value changes.
// A view (the Windows one, or none in tests) is told of every change.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_reads.h"
#include "platform/services.h"

namespace corvane {

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
    const char* container = "";  // "" places the control on the window
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
};

struct SliderRow {
    const char* name;
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
    std::span<const ControlRow> controls;
    std::span<const SliderRow> sliders = {};
    std::span<const TabRow> tabs = {};
};

// What a view is told after a property has changed.
enum class Prop : std::uint8_t {
    Caption, Text, Selection, Visible, Enabled, ToolTip, Height, BackColor, Alignment,
    Value, Path, Items, ListIndex, Picture, Focus
};

class Window;

// One entry of a directory list as a classic directory list shows it.
struct DirListEntry {
    std::wstring name;  // "C:\" for the root, otherwise the folder's bare name
    std::wstring path;  // the folder it opens
    int level = 0;      // indentation steps
    bool open = false;  // on the way down to the current folder, or the current one
};

class Control {
public:
    Control(Window& window, const ControlRow& row, Control* container);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Window& window() const { return window_; }
    const ControlRow& row() const { return row_; }
    const std::string& name() const { return name_; }
    Kind kind() const { return row_.kind; }
    Control* container() const { return container_; }
    int tabIndex() const { return row_.tab; }
    bool takesFocus() const;

    // Common properties.
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    const std::wstring& toolTip() const { return toolTip_; }
    void setToolTip(std::wstring t);
    int height() const { return height_; }
    void setHeight(int twips);
    // Visible and enabled along with every container up to the window.
    bool usable() const;

    // Label, frame, command button, check box.
    const std::wstring& caption() const { return caption_; }
    void setCaption(std::wstring c);
    std::uint32_t backColor() const { return backColor_; }
    void setBackColor(std::uint32_t c);
    Align alignment() const { return alignment_; }
    void setAlignment(Align a);

    // Check box (0 unticked, 1 ticked, 2 greyed) and slider position.
    int value() const { return value_; }
    void setValue(int v);

    // Text box; the text of a combo box is its picked entry.
    const std::wstring& text() const { return text_; }
    void setText(std::wstring t);
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelStart(int s);
    void setSelLength(int n);
    std::wstring selText() const;

    // Directory list and file list.
    const std::wstring& path() const { return path_; }
    void setPath(std::wstring p);
    const std::vector<DirListEntry>& dirEntries() const { return dirEntries_; }
    const std::wstring& pattern() const { return pattern_; }
    void setPattern(std::wstring p);
    // True while the folder of the last read could not be listed.
    bool unreadable() const { return unreadable_; }

    // File list and combo box entries.
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::wstring& list(int index) const;
    const std::vector<std::wstring>& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);
    void addItem(std::wstring item);

    // Slider.
    const SliderRow& slider() const { return slider_; }

    // Tab strip: tabs numbered from 1.
    int tabCount() const { return static_cast<int>(tabs_.size()); }
    const TabRow& tab(int n) const { return tabs_.at(static_cast<std::size_t>(n - 1)); }
    bool tabSelected(int n) const { return selectedTab_ == n; }
    int selectedTab() const { return selectedTab_; }
    void selectTab(int n);

    // Image.
    Picture picture() const { return picture_; }
    void setPicture(Picture p);

    // Handlers, run synchronously by the changes and actions named.
    std::function<void()> onChange;        // text box text, directory list path, slider position
    std::function<void()> onClick;         // button, check box, file list pick, tab, combo pick
    std::function<void()> onPathChange;    // file list path
    std::function<void()> onGotFocus;

    void setFocus();

private:
    friend class Window;
    void changed(Prop p);
    void readFolder();
    void buildDirEntries();

    Window& window_;
    const ControlRow& row_;
    std::string name_;
    Control* container_;
    bool visible_;
    bool enabled_;
    std::wstring toolTip_;
    int height_;
    std::wstring caption_;
    std::uint32_t backColor_;
    Align alignment_;
    int value_ = 0;
    std::wstring text_;
    int selStart_ = 0;
    int selLength_ = 0;
    std::wstring path_;
    std::vector<DirListEntry> dirEntries_;
    std::wstring pattern_;
    bool unreadable_ = false;
    std::vector<std::wstring> items_;
    int listIndex_ = -1;
    SliderRow slider_{};
    std::vector<TabRow> tabs_;
    int selectedTab_ = 0;
    Picture picture_;
};

// Of two controls in one container, whether `a` lies in front of `b`: the
// frames that hold pages in front of everything else; then the drawings that
// take no input (lines and pictures, which have no place in the focus
// order), which must be seen whole where a label's background reaches them;
// then the focus order; ties in the rows' order.
bool inFrontOf(const Control& a, const Control& b);

// Told of every property change, after the model holds the new value and
// before any handler of the change runs.
class ViewSink {
public:
    virtual ~ViewSink() = default;
    virtual void changed(Control& control, Prop prop) = 0;
    virtual void captionChanged(Window& window) = 0;
};

class Window {
public:
    Window(const WindowDesc& desc, FolderService& folders);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const WindowDesc& desc() const { return desc_; }
    Control& operator[](std::string_view name) const;
    Control* find(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    const std::wstring& caption() const { return caption_; }
    void setCaption(std::wstring c);

    Control* focus() const { return focus_; }
    // Moves the focus; runs the got-focus handler when the focus really moves.
    void setFocus(Control& c);

    // While a modal window is shown over this one, it takes no user input.
    bool acceptsInput() const { return blocked_ == 0; }
    void block() { ++blocked_; }
    void unblock() { if (blocked_ > 0) --blocked_; }

    // Paths dropped on the window, or handed to it from outside.
    std::function<void(const std::vector<std::wstring>& paths)> onDropFiles;

    // The lists' folder reads: once per folder within one change of folder.
    FolderReads& folderReads() { return folderReads_; }
    void attach(ViewSink* view) { view_ = view; }
    void notify(Control& c, Prop p) const;

private:
    const WindowDesc& desc_;
    FolderReads folderReads_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::wstring caption_;
    Control* focus_ = nullptr;
    int blocked_ = 0;
    ViewSink* view_ = nullptr;
};

}  // namespace corvane
