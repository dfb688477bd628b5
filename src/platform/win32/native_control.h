// One native control of a window view, for one control of the model: the
// base that every kind of control builds on. A kind (Bound<Kind>, one file
// each in controls/) owns its native class and styles, what it does once it
// exists, how it mirrors its model's own properties, the notifications it
// turns into model input, its tooltip and its drawing; the view routes each
// to it by its window. The base mirrors what every control has: visible,
// enabled, tooltip, height, focus.
#pragma once

#include <memory>
#include <string>

#include "platform/model.h"
#include "platform/win32/control_site.h"
#include "platform/win32/win32.h"

namespace corvane::win32 {

class ControlSite;

class NativeControl {
public:
    NativeControl(ControlSite& site, Control& model) : site_(site), model_(model) {}
    virtual ~NativeControl() = default;
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    Control& model() const { return model_; }
    HWND hwnd() const { return hwnd_; }

    // Makes the native window inside `parent`, at its place and in its font
    // for the view's DPI, showing what the model holds now.
    void create(HWND parent, int id);
    // After a change of DPI: the new place first, then what depends on it.
    void rescale();
    // Before the native window goes: the original window procedure back.
    void release();

    // The model's property `prop` has changed.
    virtual void mirror(Prop prop);

    // Notifications that the parent reflects back to the control.
    virtual void command(int /*code*/) {}
    virtual LRESULT notify(const NMHDR& /*n*/) { return 0; }
    virtual void scrolled() {}
    virtual void drawItem(const DRAWITEMSTRUCT& /*d*/) {}
    // WM_CTLCOLOR*: the background brush, with the DC's colours set.
    virtual HBRUSH colours(HDC dc);
    // The text of the control's tooltip; `byRect` for the tool on its
    // rectangle in the container, which stands in while it is disabled.
    virtual const wchar_t* toolTip(bool byRect) const;
    // The Tab key has just brought the focus here.
    virtual void focusedByTab() {}
    // Adds the control's tools to the view's tooltips, once they exist.
    virtual void addToolTips();

protected:
    struct Spec {
        const wchar_t* cls;
        DWORD style = 0;
        DWORD exStyle = 0;
        std::wstring text;
    };
    virtual Spec spec() const = 0;
    // Once the window exists: ranges, entries, pictures.
    virtual void created() {}
    // The rectangle in the container's client area at the view's DPI.
    virtual RECT box() const;
    // Font and whatever else depends on the DPI.
    virtual void restyle();
    // Messages to the control itself; the default passes them on.
    virtual LRESULT message(UINT msg, WPARAM w, LPARAM l);
    LRESULT original(UINT msg, WPARAM w, LPARAM l);
    // Input from the user, turned into model input: not while the view is
    // copying the model to the controls, whose notifications echo it.
    template <class F>
    void fromUser(F&& input) {
        if (!viewMirroring()) input();
    }

    // Where the control's tools lie now, once they exist.
    virtual void moveToolTips();

    void place();
    int scaled(int pixelsAt96) const;

    ControlSite& site_;
    Control& model_;
    HWND hwnd_ = nullptr;
    HWND parent_ = nullptr;
    bool tipped_ = false;  // its tools are in the view's tooltips

private:
    static LRESULT CALLBACK proc(HWND h, UINT msg, WPARAM w, LPARAM l);
    bool viewMirroring() const;

    WNDPROC old_ = nullptr;
};

// A native control of one kind of the model's controls, which it sees as
// that kind.
template <class M>
class Bound : public NativeControl {
public:
    Bound(ControlSite& site, M& model) : NativeControl(site, model) {}
    M& model() const { return static_cast<M&>(NativeControl::model()); }
};

// The native control of each kind of controls.h, one in each file of
// controls/ (folder_list.cpp has the two lists').
std::unique_ptr<NativeControl> makeNative(ControlSite& site, Label& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, Frame& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, CommandButton& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, CheckBox& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, Image& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, Line& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, TextBox& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, Slider& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, TabStrip& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, ComboBox& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, DirList& model);
std::unique_ptr<NativeControl> makeNative(ControlSite& site, FileList& model);

// The native control for a model control of any kind.
std::unique_ptr<NativeControl> makeNativeControl(ControlSite& site, Control& model);

// The text a native window holds.
std::wstring nativeText(HWND h);

}  // namespace corvane::win32
