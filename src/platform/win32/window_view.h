// A thin Windows view of one model window: one native control per model
// control, made from the same description rows, kept in step with the model,
// and user input turned into the model's input calls.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/model.h"
#include "platform/win32/win32.h"

namespace corvane::win32 {

struct FrameStyle {
    bool minimizeBox = true;
    bool centreOnOwner = false;  // otherwise centred on the screen
};

class WindowView final : public ViewSink {
public:
    explicit WindowView(Window& model);
    ~WindowView() override;
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    // Makes the window and its controls, hidden, and attaches to the model.
    void create(HWND owner, FrameStyle style);
    void show();
    void destroy();
    HWND hwnd() const { return hwnd_; }
    Window& model() const { return model_; }

    // Keys the view handles before the dialog manager sees them (Tab moves
    // the focus in the window's own order). True when the message was used.
    bool preTranslate(MSG& msg);

    HWND nativeOf(const Control& c) const;
    Control* modelOf(HWND h) const;

    // What the title bar's close button does.
    std::function<void()> onClose;

    void changed(Control& control, Prop prop) override;
    void captionChanged(Window& window) override;

    // Runs a model action from a native event; a failure inside it is
    // reported and ends the program, as no handler catches failures.
    static void guard(const std::function<void()>& action);

private:
    struct Item {
        Control* control = nullptr;
        HWND hwnd = nullptr;
        HWND parent = nullptr;
        HFONT font = nullptr;  // a font of the control's own, or null
        bool tipped = false;   // its tooltip tools are added
    };

    static LRESULT CALLBACK windowProc(HWND h, UINT msg, WPARAM w, LPARAM l);
    static LRESULT CALLBACK frameProc(HWND h, UINT msg, WPARAM w, LPARAM l);
    static LRESULT CALLBACK controlProc(HWND h, UINT msg, WPARAM w, LPARAM l);

    LRESULT handle(HWND h, UINT msg, WPARAM w, LPARAM l);
    LRESULT routed(HWND h, UINT msg, WPARAM w, LPARAM l, bool& done);
    LRESULT controlMessage(Item& item, UINT msg, WPARAM w, LPARAM l);
    void createControl(Item& item);
    void addToolTips(Item& item);
    void layout();
    RECT boxOf(const Item& item) const;
    void restyle(Item& item);
    void fitTabs(Item& item);
    void place(Item& item);
    void placeWindow(const RECT* suggested);
    void makeFonts();
    void freeFonts();
    void syncAll();
    void syncList(Item& item);
    void syncPicture(Item& item);
    void paintFrame(HWND h);
    void drawItem(const DRAWITEMSTRUCT& d);
    LRESULT colour(HDC dc, HWND child);
    void command(HWND child, int code);
    LRESULT notify(const NMHDR& n);
    void moveFocus(bool backwards);
    Item* itemOf(HWND h);
    Item* itemOf(const Control& c);
    HBRUSH brush(std::uint32_t colour);

    Window& model_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    HWND tips_ = nullptr;
    FrameStyle style_{};
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    int textHeight_ = 13;
    bool mirroring_ = false;
    std::vector<Item> items_;
    std::map<HWND, std::size_t> byHwnd_;
    std::map<HWND, WNDPROC> oldProcs_;
    std::map<std::uint32_t, HBRUSH> brushes_;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HBITMAP photo_ = nullptr;
};

// The program's icon at the size the system wants for `metric`
// (SM_CXICON or SM_CXSMICON).
HICON programIcon(int metric);

}  // namespace corvane::win32
