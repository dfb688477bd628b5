// A thin Windows view of one model window: one native control per model
// control, made from the same description rows by the kind's own class, kept
// in step with the model, and user input turned into the model's input
// calls. The native controls of pages that are hidden when the window is
// made wait until it is shown; the model is whole from the start.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/model.h"
#include "platform/win32/api.h"
#include "platform/win32/control_site.h"
#include "platform/win32/native_control.h"
#include "platform/win32/window_class.h"
#include "platform/win32/win32.h"

namespace corvane::win32 {

struct FrameStyle {
    bool minimizeBox = true;
    bool centreOnOwner = false;  // otherwise centred on the screen
};

class WindowView final : public ViewSink, public ControlSite {
public:
    explicit WindowView(Window& model);
    ~WindowView() override;
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    // Makes the window, hidden, with the controls of what the model shows
    // now, and attaches to the model.
    void create(HWND owner, FrameStyle style);
    // Shows the window; the remaining controls are made right after.
    void show();
    void destroy();
    HWND hwnd() const { return hwnd_; }
    Window& model() const { return model_; }

    // Keys the view handles before the dialog manager sees them: Tab moves
    // the focus in the window's own order, Ctrl+Tab, Ctrl+Shift+Tab,
    // Ctrl+PgDn and Ctrl+PgUp switch pages, Enter presses the command
    // button with the focus, Esc is the window's. True when the message was
    // used.
    bool preTranslate(MSG& msg);

    // The native control of a model control; null until it is made.
    HWND nativeOf(const Control& c) const;

    // What the title bar's close button does.
    std::function<void()> onClose;

    void changed(Control& control, Prop prop) override;
    void captionChanged(Window& window) override;

    // What the native controls ask of it.
    UINT dpi() const override { return dpi_; }
    HFONT font() const override { return font_; }
    int textHeight() const override { return textHeight_; }
    bool mirroring() const override { return mirroring_; }
    HWND tips() const override { return tips_; }
    HBRUSH brush(std::uint32_t colour) override;
    HICON icon() override;
    LRESULT route(UINT msg, WPARAM w, LPARAM l, bool& done) override;

private:
    static LRESULT CALLBACK windowProc(HWND h, UINT msg, WPARAM w, LPARAM l);
    LRESULT handle(UINT msg, WPARAM w, LPARAM l);
    void make(NativeControl& control);
    void stack(NativeControl& control);
    void makeRest();
    void rescale(UINT dpi, const RECT* suggested);
    void makeToolTips();
    void acceptDrops();
    void dropped(HDROP drop);
    void makeFont();
    void setTitleIcons();
    void placeWindow(const RECT* suggested);
    void moveFocus(bool backwards);
    // The controls Tab reaches, in their order; one of them focused as Tab does.
    std::vector<NativeControl*> focusOrder() const;
    void focus(NativeControl& target);
    // A label's access key: the control after it in the focus order.
    void focusAfter(const NativeControl& label);
    const NativeControl* accessLabel_ = nullptr;
    void focusModelsControl();
    bool keyDown(const MSG& msg);
    bool switchPage(int step);
    LRESULT toolTipText(NMHDR& n, const api::ToolTipAsk& ask);
    NativeControl* controlOf(const Control& c) const;
    NativeControl* controlOf(HWND h) const;

    Window& model_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    HWND tips_ = nullptr;
    FrameStyle style_{};
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    int textHeight_ = 13;
    bool mirroring_ = false;
    std::vector<std::unique_ptr<NativeControl>> controls_;  // in the model's order
    std::vector<std::pair<std::uint32_t, HBRUSH>> brushes_;  // a few colours
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    std::vector<std::vector<std::wstring>> handed_;  // paths from another start, not yet picked
};

}  // namespace corvane::win32
