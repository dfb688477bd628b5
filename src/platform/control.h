// What every control of a window has, whatever its kind: its row of the
// description, its container, whether it is visible and enabled, its
// tooltip, its height and the keyboard focus. Assigning a property tells the
// window's view, and runs the handler that the change has, if any, at once
// and only when the value changes. A control reaches its window only through
// ControlHost, which the window implements.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "platform/description.h"
#include "platform/folder_reads.h"

namespace corvane {

// What a view is told after a property has changed.
enum class Prop : std::uint8_t {
    Caption, Text, Selection, Visible, Enabled, ToolTip, Height, BackColor, Alignment,
    Value, Path, Items, ListIndex, SelectedTab, Picture, Focus
};

class Control;

// What a control needs of the window that holds it.
class ControlHost {
public:
    // Tells the view that a property of `c` has changed.
    virtual void notify(Control& c, Prop p) = 0;
    // Moves the focus to `c`; runs its got-focus handler when it moves.
    virtual void setFocus(Control& c) = 0;
    // False while a modal window is shown over the window.
    virtual bool acceptsInput() const = 0;
    // The folder reads of the change of folder under way.
    virtual FolderReads& folderReads() = 0;

protected:
    ~ControlHost() = default;
};

// What a control is made from: its window, the window's description (for
// the extra settings of its row), its row and its container.
struct ControlMaking {
    ControlHost& host;
    const WindowDesc& desc;
    const ControlRow& row;
    Control* container;
};

// What each kind of control says of itself (controls.h lists the kinds).
struct KindTraits {
    Kind kind;
    const wchar_t* name;  // for messages: "check box"
    bool takesFocus;      // can take the keyboard focus
};

class Control {
public:
    explicit Control(const ControlMaking& making);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlHost& host() const { return host_; }
    const ControlRow& row() const { return row_; }
    const std::string& name() const { return name_; }
    Kind kind() const { return row_.kind; }
    Control* container() const { return container_; }
    int tabIndex() const { return row_.tab; }
    bool takesFocus() const;

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

    // Gives the control the focus; runs onGotFocus when the focus moves.
    void setFocus();
    std::function<void()> onGotFocus;

protected:
    void changed(Prop p);
    // Sets `field` to `value` and tells the view, only when it changes; true then.
    template <class T>
    bool assign(T& field, T value, Prop p) {
        if (field == value) return false;
        field = std::move(value);
        changed(p);
        return true;
    }

private:
    ControlHost& host_;
    const ControlRow& row_;
    std::string name_;
    Control* container_;
    bool visible_;
    bool enabled_;
    std::wstring toolTip_;
    int height_;
};

// Ends the program through the one fatal path: `c` was asked for as a
// control of another kind.
[[noreturn]] void wrongKind(const Control& c, Kind wanted);

// The control as its kind (a class of controls.h); a control of another
// kind ends through the fatal path, with a cause naming its row.
template <class T>
T& as(Control& c) {
    if (c.kind() != T::kTraits.kind) wrongKind(c, T::kTraits.kind);
    return static_cast<T&>(c);
}
template <class T>
const T& as(const Control& c) {
    if (c.kind() != T::kTraits.kind) wrongKind(c, T::kTraits.kind);
    return static_cast<const T&>(c);
}

}  // namespace corvane
