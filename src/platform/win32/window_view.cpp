#include "platform/win32/window_view.h"

#include <algorithm>

#include "platform/fatal.h"
#include "platform/input.h"
#include "platform/win32/api.h"
#include "platform/win32/dpi.h"
#include "platform/win32/hand_over.h"
#include "platform/win32/stacking.h"

namespace corvane::win32 {

namespace {

constexpr int kFirstId = 100;
constexpr UINT kMakeRest = WM_APP + 1;
constexpr UINT kPickHanded = WM_APP + 2;

void registerClass() {
    static bool done = false;
    if (done) return;
    done = true;
    api::initCommonControls();
    registerClassOnce(kWindowClass, true);
}

// Shown now: the control and every container up to the window visible.
bool shown(const Control& c) {
    for (const Control* p = &c; p != nullptr; p = p->container()) {
        if (!p->visible()) return false;
    }
    return true;
}

}  // namespace

WindowView::WindowView(Window& model) : model_(model) {}

WindowView::~WindowView() { destroy(); }

void WindowView::create(HWND owner, FrameStyle style) {
    registerClass();
    owner_ = owner;
    style_ = style;
    DWORD ws = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    ws |= style.minimizeBox ? (WS_OVERLAPPED | WS_MINIMIZEBOX) : WS_POPUP;
    hwnd_ = api::createWindow(WS_EX_CONTROLPARENT, kWindowClass, model_.caption(), ws, CW_USEDEFAULT, CW_USEDEFAULT,
                              100, 100, owner, nullptr);
    if (hwnd_ == nullptr) fatal(L"the window could not be created");
    api::setWindowLong(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    api::setWindowLong(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowView::windowProc));
    dpi_ = windowDpi(hwnd_);
    if (!style.minimizeBox) setTitleIcons();
    makeFont();
    for (const auto& c : model_.controls()) controls_.push_back(makeNativeControl(*this, *c));
    for (auto& c : controls_) {
        if (shown(c->model())) make(*c);
    }
    placeWindow(nullptr);
    model_.attach(this);
}

void WindowView::make(NativeControl& control) {
    if (control.hwnd() != nullptr) return;
    HWND parent = hwnd_;
    if (const Control* container = control.model().container()) {
        NativeControl* native = controlOf(*container);
        make(*native);
        parent = native->hwnd();
    }
    const auto at = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) { return c.get() == &control; });
    const bool was = mirroring_;
    mirroring_ = true;
    control.create(parent, kFirstId + static_cast<int>(at - controls_.begin()));
    mirroring_ = was;
    stack(control);
}

// A child window is made at the back of its siblings; the description's
// stacking holds whenever the control is made. The order is also the one
// the dialog manager walks.
void WindowView::stack(NativeControl& control) {
    const Control& m = control.model();
    const NativeControl* above = nullptr;  // the nearest made sibling in front of it
    for (const auto& other : controls_) {
        const Control& o = other->model();
        if (other.get() == &control || other->hwnd() == nullptr || o.container() != m.container()) continue;
        const WindowDesc& d = model_.desc();
        if (inFrontOf(d, o.row(), m.row()) && (above == nullptr || inFrontOf(d, above->model().row(), o.row()))) {
            above = other.get();
        }
    }
    SetWindowPos(control.hwnd(), above != nullptr ? above->hwnd() : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// What waits until the window is shown: the hidden pages' controls and the
// tooltips, which nobody sees before.
void WindowView::makeRest() {
    for (auto& c : controls_) make(*c);
    makeToolTips();
    acceptDrops();
}

// Files dropped from the desktop. The shell is loaded only now, after the
// window is shown.
void WindowView::acceptDrops() {
    if (!model_.onDropFiles) return;
    api::acceptDrops(hwnd_);
}

void WindowView::dropped(HDROP drop) {
    const std::vector<std::wstring> paths = api::droppedFiles(drop);
    // Not while a message box or a modal window is over this one.
    if (IsWindowEnabled(hwnd_)) input::dropFiles(model_, paths);
}

void WindowView::makeToolTips() {
    if (tips_ != nullptr) return;
    tips_ = api::createWindow(WS_EX_TOPMOST, TOOLTIPS_CLASSW, {}, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr);
    if (tips_ == nullptr) return;
    // Common controls 4.00 (Windows 95 retail) ignore it: a long tip shows
    // on one line there.
    api::send(tips_, TTM_SETMAXTIPWIDTH, 0, fromDefaultDpi(320, dpi_));
    for (auto& c : controls_) {
        if (c->hwnd() != nullptr) c->addToolTips();
    }
}

void WindowView::show() {
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    focusModelsControl();
    api::post(hwnd_, kMakeRest, 0, 0);
}

// The control the model holds the focus at, or the first in the focus order
// where it can't take it.
void WindowView::focusModelsControl() {
    Control* focus = model_.focus();
    if (focus != nullptr && nativeOf(*focus) != nullptr && focus->usable()) {
        SetFocus(nativeOf(*focus));
    } else {
        moveFocus(false);
    }
}

void WindowView::destroy() {
    if (hwnd_ == nullptr) return;
    model_.attach(nullptr);
    for (auto& c : controls_) c->release();
    api::setWindowLong(hwnd_, GWLP_USERDATA, 0);
    if (tips_ != nullptr) DestroyWindow(tips_);
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    tips_ = nullptr;
    controls_.clear();
    if (font_ != nullptr) DeleteObject(font_);
    font_ = nullptr;
    for (auto& [c, b] : brushes_) DeleteObject(b);
    brushes_.clear();
    for (HICON i : {icon_, smallIcon_}) {
        if (i != nullptr) DestroyIcon(i);
    }
    icon_ = smallIcon_ = nullptr;
}

// A window without its own icon in the title bar shows the program's, at
// the window's DPI.
void WindowView::setTitleIcons() {
    smallIcon_ = programIcon(fromDefaultDpi(16, dpi_));
    api::send(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon()));
    api::send(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void WindowView::makeFont() {
    if (font_ != nullptr) DeleteObject(font_);
    font_ = api::createFont(dialogFont(dpi_));
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font_);
    const int height = api::textHeight(dc);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    textHeight_ = height > 0 ? height : 13;
}

void WindowView::placeWindow(const RECT* suggested) {
    const LONG_PTR ws = api::windowLong(hwnd_, GWL_STYLE);
    const LONG_PTR ex = api::windowLong(hwnd_, GWL_EXSTYLE);
    const WindowDesc& d = model_.desc();
    const RECT r = windowRectFor(twips(d.clientWidth, dpi_), twips(d.clientHeight, dpi_), static_cast<DWORD>(ws),
                                 static_cast<DWORD>(ex), dpi_);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    int x = 0;
    int y = 0;
    if (suggested != nullptr) {
        x = suggested->left;
        y = suggested->top;
    } else {
        RECT area{};
        if (style_.centreOnOwner && owner_ != nullptr) {
            GetWindowRect(owner_, &area);
        } else {
            area = api::workArea();
        }
        x = area.left + ((area.right - area.left) - w) / 2;
        y = area.top + ((area.bottom - area.top) - h) / 2;
    }
    SetWindowPos(hwnd_, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame is drawn at another scale than the one asked about,
    // the client area tells: make up the difference.
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int dw = twips(d.clientWidth, dpi_) - client.right;
    const int dh = twips(d.clientHeight, dpi_) - client.bottom;
    if (dw != 0 || dh != 0) SetWindowPos(hwnd_, nullptr, 0, 0, w + dw, h + dh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowView::changed(Control& c, Prop p) {
    NativeControl* native = controlOf(c);
    if (native == nullptr || hwnd_ == nullptr) return;
    if (native->hwnd() == nullptr) {
        // A page shown before its controls were made: make them now; they
        // take what the model holds.
        if (p != Prop::Visible || !shown(c)) return;
        for (auto& other : controls_) {
            if (shown(other->model())) make(*other);
        }
        return;
    }
    mirroring_ = true;
    native->mirror(p);
    mirroring_ = false;
}

void WindowView::captionChanged(Window& w) { api::setWindowText(hwnd_, w.caption()); }

HBRUSH WindowView::brush(std::uint32_t colour) {
    if ((colour & kSystemColour) != 0) return GetSysColorBrush(static_cast<int>(colour & 0xFF));
    for (const auto& [c, b] : brushes_) {
        if (c == colour) return b;
    }
    HBRUSH b = CreateSolidBrush(colour);
    brushes_.emplace_back(colour, b);
    return b;
}

HICON WindowView::icon() {
    if (icon_ == nullptr) icon_ = programIcon(fromDefaultDpi(32, dpi_));
    return icon_;
}

HWND WindowView::nativeOf(const Control& c) const {
    NativeControl* native = controlOf(c);
    return native != nullptr ? native->hwnd() : nullptr;
}

NativeControl* WindowView::controlOf(const Control& c) const {
    for (const auto& native : controls_) {
        if (&native->model() == &c) return native.get();
    }
    return nullptr;
}

NativeControl* WindowView::controlOf(HWND h) const {
    if (h == nullptr) return nullptr;
    for (const auto& native : controls_) {
        if (native->hwnd() == h) return native.get();
    }
    return nullptr;
}

LRESULT WindowView::toolTipText(NMHDR& n, const api::ToolTipAsk& ask) {
    const NativeControl* c = nullptr;
    const bool byRect = !ask.idIsWindow;
    if (!byRect) {
        c = controlOf(reinterpret_cast<HWND>(ask.id));
    } else if (ask.id >= kRectToolBase + kFirstId && ask.id - kRectToolBase - kFirstId < controls_.size()) {
        c = controls_[ask.id - kRectToolBase - kFirstId].get();
    }
    api::answerToolTip(n, c != nullptr ? c->toolTip(byRect) : L"");
    return 0;
}

LRESULT WindowView::route(UINT msg, WPARAM w, LPARAM l, bool& done) {
    done = true;
    switch (msg) {
        case WM_COMMAND: {
            NativeControl* c = l != 0 ? controlOf(reinterpret_cast<HWND>(l)) : nullptr;
            if (c != nullptr) c->command(HIWORD(w));
            return 0;
        }
        case WM_NOTIFY: {
            auto& n = *reinterpret_cast<NMHDR*>(l);
            if (n.hwndFrom == tips_) {
                if (const auto ask = api::toolTipAsk(n)) return toolTipText(n, *ask);
            }
            NativeControl* c = controlOf(n.hwndFrom);
            return c != nullptr ? c->notify(n) : 0;
        }
        case WM_HSCROLL: {
            NativeControl* c = l != 0 ? controlOf(reinterpret_cast<HWND>(l)) : nullptr;
            if (c != nullptr) c->scrolled();
            return 0;
        }
        case WM_DRAWITEM: {
            const auto& d = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
            if (NativeControl* c = controlOf(d.hwndItem)) c->drawItem(d);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            NativeControl* c = controlOf(reinterpret_cast<HWND>(l));
            if (c != nullptr) return reinterpret_cast<LRESULT>(c->colours(reinterpret_cast<HDC>(w)));
            done = false;
            return 0;
        }
        default:
            done = false;
            return 0;
    }
}

LRESULT WindowView::handle(UINT msg, WPARAM w, LPARAM l) {
    bool done = false;
    const LRESULT r = route(msg, w, l, done);
    if (done) return r;
    switch (msg) {
        case WM_CLOSE:
            if (onClose) onClose();
            return 0;
        case kMakeRest:
            makeRest();
            return 0;
        case WM_DROPFILES:
            dropped(reinterpret_cast<HDROP>(w));
            return 0;
        case WM_COPYDATA: {
            // Taken now, picked once the other start has its answer.
            std::vector<std::wstring> paths = handedPaths(*reinterpret_cast<const COPYDATASTRUCT*>(l));
            if (paths.empty() || !model_.onDropFiles) return FALSE;
            handed_.push_back(std::move(paths));
            api::post(hwnd_, kPickHanded, 0, 0);
            return TRUE;
        }
        case kPickHanded:
            // Not while a message box or a modal window is over this one:
            // the paths wait until the window takes input again.
            while (!handed_.empty() && IsWindowEnabled(hwnd_)) {
                const std::vector<std::wstring> paths = std::move(handed_.front());
                handed_.erase(handed_.begin());
                input::dropFiles(model_, paths);
            }
            return 0;
        case WM_ACTIVATE:
            // Windows gives a plain window's focus to no control when it is
            // active again (after a modal window, or restored): the control
            // that had it takes it back.
            if (LOWORD(w) != WA_INACTIVE && HIWORD(w) == 0) {
                focusModelsControl();
                return 0;
            }
            return api::defWindowProc(hwnd_, msg, w, l);
        case WM_NEXTDLGCTL:
            // The dialog manager's steps for a label's access key: the label,
            // then the control after it in the focus order.
            if (l != 0) {
                accessLabel_ = controlOf(reinterpret_cast<HWND>(w));
            } else if (accessLabel_ != nullptr) {
                focusAfter(*accessLabel_);
                accessLabel_ = nullptr;
            }
            return 0;
        case WM_ENABLE:
            if (w != FALSE && !handed_.empty()) api::post(hwnd_, kPickHanded, 0, 0);
            return 0;
        case WM_DPICHANGED:
            rescale(HIWORD(w), reinterpret_cast<const RECT*>(l));
            return 0;
        default:
            return api::defWindowProc(hwnd_, msg, w, l);
    }
}

void WindowView::rescale(UINT dpi, const RECT* suggested) {
    dpi_ = dpi;
    makeFont();
    // The icons are made again at the new size; the old ones go once the
    // controls and the title bar show the new.
    const HICON oldIcons[] = {icon_, smallIcon_};
    icon_ = nullptr;
    smallIcon_ = nullptr;
    if (!style_.minimizeBox) setTitleIcons();
    for (auto& c : controls_) {
        if (c->hwnd() != nullptr) c->rescale();
    }
    for (HICON i : oldIcons) {
        if (i != nullptr) DestroyIcon(i);
    }
    if (tips_ != nullptr) api::send(tips_, TTM_SETMAXTIPWIDTH, 0, fromDefaultDpi(320, dpi_));
    placeWindow(suggested);
}

LRESULT CALLBACK WindowView::windowProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* view = reinterpret_cast<WindowView*>(api::windowLong(h, GWLP_USERDATA));
    if (view == nullptr) return api::defWindowProc(h, msg, w, l);
    return view->handle(msg, w, l);
}

std::vector<NativeControl*> WindowView::focusOrder() const {
    std::vector<NativeControl*> order;
    for (const auto& c : controls_) {
        const Control& m = c->model();
        if (c->hwnd() != nullptr && m.takesFocus() && m.usable() && m.tabIndex() >= 0) order.push_back(c.get());
    }
    std::sort(order.begin(), order.end(),
              [](const NativeControl* a, const NativeControl* b) { return a->model().tabIndex() < b->model().tabIndex(); });
    return order;
}

void WindowView::focus(NativeControl& target) {
    input::focus(target.model());
    if (GetFocus() != target.hwnd()) SetFocus(target.hwnd());
    target.focusedByTab();
}

void WindowView::focusAfter(const NativeControl& label) {
    for (NativeControl* c : focusOrder()) {
        if (c->model().tabIndex() > label.model().tabIndex()) return focus(*c);
    }
}

void WindowView::moveFocus(bool backwards) {
    const std::vector<NativeControl*> order = focusOrder();
    if (order.empty()) return;
    HWND focus = GetFocus();
    std::size_t at = order.size();
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i]->hwnd() == focus || IsChild(order[i]->hwnd(), focus)) at = i;
    }
    std::size_t next = 0;
    if (at == order.size()) {
        next = backwards ? order.size() - 1 : 0;
    } else {
        next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    this->focus(*order[next]);
}

bool WindowView::preTranslate(MSG& msg) {
    if (hwnd_ == nullptr) return false;
    if (msg.message == WM_KEYDOWN && (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd)) && keyDown(msg)) return true;
    return api::isDialogMessage(hwnd_, msg);
}

bool WindowView::keyDown(const MSG& msg) {
    const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    switch (msg.wParam) {
        case VK_TAB:
            if (control) return switchPage(shift ? -1 : 1);
            moveFocus(shift);
            return true;
        case VK_NEXT:
        case VK_PRIOR:
            return control && switchPage(msg.wParam == VK_NEXT ? 1 : -1);
        case VK_RETURN:
        case VK_ESCAPE: {
            // Not where the control takes the key itself, as an open drop-down list does.
            const LRESULT wants = api::send(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
            if ((wants & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) != 0) return false;
            if (msg.wParam == VK_ESCAPE) return input::escape(model_);
            const NativeControl* focused = controlOf(msg.hwnd);
            if (focused == nullptr) return false;
            HWND button = focused->model().kind() == Kind::CommandButton ? msg.hwnd : nullptr;
            if (const ControlRow* presses = focused->model().row().enterPresses) {
                for (auto& c : controls_) {
                    if (&c->model().row() == presses && c->model().usable()) button = c->hwnd();
                }
            }
            if (button == nullptr) return false;
            api::send(button, BM_CLICK, 0, 0);
            return true;
        }
        default:
            return false;
    }
}

bool WindowView::switchPage(int step) {
    for (auto& c : controls_) {
        if (c->model().kind() == Kind::TabStrip) return input::switchPage(as<TabStrip>(c->model()), step);
    }
    return false;
}

}  // namespace corvane::win32
