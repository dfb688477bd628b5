#include "platform/win32/native_control.h"

#include <algorithm>

#include "platform/fatal.h"
#include "platform/input.h"
#include "platform/win32/api.h"
#include "platform/win32/dpi.h"

namespace corvane::win32 {

std::wstring nativeText(HWND h) { return api::windowText(h); }

void NativeControl::create(HWND parent, int id) {
    parent_ = parent;
    Spec s = spec();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | s.style;
    if (model_.visible()) style |= WS_VISIBLE;
    if (!model_.enabled()) style |= WS_DISABLED;
    const RECT r = box();
    hwnd_ = api::createWindow(s.exStyle, s.cls, s.text, style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    if (hwnd_ == nullptr) {
        const std::string& name = model_.name();
        fatal(L"control " + std::wstring(name.begin(), name.end()) + L" could not be created");
    }
    // The control finds itself again by the window's user data, which the
    // system's controls leave to the program.
    api::setWindowLong(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    old_ = reinterpret_cast<WNDPROC>(
        api::setWindowLong(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeControl::proc)));
    restyle();
    created();
    addToolTips();
}

void NativeControl::rescale() {
    place();
    restyle();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void NativeControl::release() {
    if (hwnd_ == nullptr) return;
    api::setWindowLong(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_));
    api::setWindowLong(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

RECT NativeControl::box() const {
    const Box& b = model_.row().box;
    const int x = twips(b.left, site_.dpi()), y = twips(b.top, site_.dpi());
    return {x, y, x + twips(b.width, site_.dpi()), y + twips(model_.height(), site_.dpi())};
}

void NativeControl::restyle() { api::send(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(site_.font()), FALSE); }

int NativeControl::scaled(int pixelsAt96) const { return fromDefaultDpi(pixelsAt96, site_.dpi()); }

void NativeControl::place() {
    const RECT r = box();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (tipped_) moveToolTips();
}

void NativeControl::moveToolTips() {
    api::moveTool(site_.tips(), parent_, kRectToolBase + static_cast<UINT_PTR>(GetDlgCtrlID(hwnd_)), box());
}

void NativeControl::mirror(Prop prop) {
    switch (prop) {
        case Prop::Visible:
            ShowWindow(hwnd_, model_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Prop::Enabled:
            EnableWindow(hwnd_, model_.enabled() ? TRUE : FALSE);
            break;
        case Prop::ToolTip:
            addToolTips();
            api::send(site_.tips(), TTM_UPDATE, 0, 0);
            break;
        case Prop::Height:
            place();
            break;
        case Prop::Focus:
            if (GetFocus() != hwnd_) SetFocus(hwnd_);
            break;
        default:
            break;
    }
}

HBRUSH NativeControl::colours(HDC dc) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    return site_.brush(kButtonFace);
}

const wchar_t* NativeControl::toolTip(bool byRect) const {
    // The rectangle's tool speaks only while the control itself can't.
    if (byRect && (!IsWindowVisible(hwnd_) || IsWindowEnabled(hwnd_))) return L"";
    return model_.toolTip().c_str();
}

void NativeControl::addToolTips() {
    // Controls get their tools when they first have a tooltip and the view
    // has its tooltips.
    HWND tips = site_.tips();
    if (tips == nullptr || tipped_ || model_.toolTip().empty()) return;
    tipped_ = true;
    // One tool on the control itself, and one on its rectangle in the
    // container: a disabled control gets no mouse input, its container does.
    api::addTool(tips, TTF_IDISHWND | TTF_SUBCLASS, parent_, reinterpret_cast<UINT_PTR>(hwnd_), {});
    api::addTool(tips, TTF_SUBCLASS, parent_, kRectToolBase + static_cast<UINT_PTR>(GetDlgCtrlID(hwnd_)), box());
}

LRESULT NativeControl::original(UINT msg, WPARAM w, LPARAM l) {
    return old_ != nullptr ? api::callWindowProc(old_, hwnd_, msg, w, l) : api::defWindowProc(hwnd_, msg, w, l);
}

LRESULT NativeControl::message(UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_SETFOCUS) {
        const LRESULT r = original(msg, w, l);
        fromUser([&] { input::focus(model_); });
        return r;
    }
    return original(msg, w, l);
}

bool NativeControl::viewMirroring() const { return site_.mirroring(); }

LRESULT CALLBACK NativeControl::proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<NativeControl*>(api::windowLong(h, GWLP_USERDATA));
    if (self == nullptr) return api::defWindowProc(h, msg, w, l);
    if (msg == WM_NCDESTROY) {
        const WNDPROC old = self->old_;
        self->release();
        return api::callWindowProc(old, h, msg, w, l);
    }
    return self->message(msg, w, l);
}

}  // namespace corvane::win32
