#include "platform/win32/native_control.h"

#include <algorithm>

#include "platform/input.h"
#include "platform/win32/dpi.h"
#include "platform/win32/window_view.h"

namespace corvane::win32 {

namespace {

constexpr wchar_t kProp[] = L"CorvaneControl";

}  // namespace

std::wstring nativeText(HWND h) {
    const int n = GetWindowTextLengthW(h);
    std::wstring s(static_cast<std::size_t>(std::max(n, 0)) + 1, L'\0');
    const int got = GetWindowTextW(h, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(std::max(got, 0)));
    return s;
}

void NativeControl::create(HWND parent, int id) {
    parent_ = parent;
    Spec s = spec();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | s.style;
    if (model_.visible()) style |= WS_VISIBLE;
    if (!model_.enabled()) style |= WS_DISABLED;
    const RECT r = box();
    hwnd_ = CreateWindowExW(s.exStyle, s.cls, s.text.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) throw std::runtime_error("control " + model_.name() + " could not be created");
    SetPropW(hwnd_, kProp, reinterpret_cast<HANDLE>(this));
    old_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeControl::proc)));
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
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_));
    RemovePropW(hwnd_, kProp);
    hwnd_ = nullptr;
}

RECT NativeControl::box() const {
    const Box& b = model_.row().box;
    const int x = twips(b.left, view_.dpi()), y = twips(b.top, view_.dpi());
    return {x, y, x + twips(b.width, view_.dpi()), y + twips(model_.height(), view_.dpi())};
}

void NativeControl::restyle() { SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(view_.font()), FALSE); }

int NativeControl::scaled(int pixelsAt96) const { return MulDiv(pixelsAt96, static_cast<int>(view_.dpi()), 96); }

void NativeControl::place() {
    const RECT r = box();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (tipped_) {
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = parent_;
        ti.uId = kRectToolBase + static_cast<UINT_PTR>(GetDlgCtrlID(hwnd_));
        ti.rect = r;
        SendMessageW(view_.tips(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void NativeControl::mirror(Prop prop) {
    switch (prop) {
        case Prop::Caption:
            SetWindowTextW(hwnd_, model_.caption().c_str());
            break;
        case Prop::Visible:
            ShowWindow(hwnd_, model_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Prop::Enabled:
            EnableWindow(hwnd_, model_.enabled() ? TRUE : FALSE);
            break;
        case Prop::ToolTip:
            addToolTips();
            SendMessageW(view_.tips(), TTM_UPDATE, 0, 0);
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
    return view_.brush(kButtonFace);
}

const wchar_t* NativeControl::toolTip(bool byRect) const {
    // The rectangle's tool speaks only while the control itself can't.
    if (byRect && (!IsWindowVisible(hwnd_) || IsWindowEnabled(hwnd_))) return L"";
    return model_.toolTip().c_str();
}

void NativeControl::addToolTips() {
    // Controls get their tools when they first have a tooltip and the view
    // has its tooltips.
    HWND tips = view_.tips();
    if (tips == nullptr || tipped_ || model_.toolTip().empty()) return;
    tipped_ = true;
    // One tool on the control itself, and one on its rectangle in the
    // container: a disabled control gets no mouse input, its container does.
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = parent_;
    ti.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    ti.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    ti.uFlags = TTF_SUBCLASS;
    ti.uId = kRectToolBase + static_cast<UINT_PTR>(GetDlgCtrlID(hwnd_));
    ti.rect = box();
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

LRESULT NativeControl::original(UINT msg, WPARAM w, LPARAM l) {
    return old_ != nullptr ? CallWindowProcW(old_, hwnd_, msg, w, l) : DefWindowProcW(hwnd_, msg, w, l);
}

LRESULT NativeControl::message(UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_SETFOCUS) {
        const LRESULT r = original(msg, w, l);
        if (!view_.mirroring()) WindowView::guard([&] { input::focus(model_); });
        return r;
    }
    return original(msg, w, l);
}

LRESULT CALLBACK NativeControl::proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<NativeControl*>(GetPropW(h, kProp));
    if (self == nullptr) return DefWindowProcW(h, msg, w, l);
    if (msg == WM_NCDESTROY) {
        const WNDPROC old = self->old_;
        self->release();
        return CallWindowProcW(old, h, msg, w, l);
    }
    return self->message(msg, w, l);
}

}  // namespace corvane::win32
