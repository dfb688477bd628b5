// User input: notifications and keys turned into the model's input calls,
// and the window procedures that route them.
#include <algorithm>

#include "platform/input.h"
#include "platform/win32/dpi.h"
#include "platform/win32/window_view.h"
#include "platform/win32/window_view_parts.h"

namespace corvane::win32 {

void WindowView::command(HWND child, int code) {
    Item* item = itemOf(child);
    if (item == nullptr || mirroring_) return;
    Control& c = *item->control;
    switch (c.kind()) {
        case Kind::CommandButton:
            if (code == BN_CLICKED) guard([&] { input::press(c); });
            break;
        case Kind::CheckBox:
            if (code == BN_CLICKED) guard([&] { input::toggle(c); });
            break;
        case Kind::TextBox:
            if (code == EN_CHANGE) {
                guard([&] {
                    if (!input::type(c, nativeText(child))) SetWindowTextW(child, c.text().c_str());
                });
            }
            break;
        case Kind::DirListBox:
            if (code == LBN_DBLCLK) {
                const int i = static_cast<int>(SendMessageW(child, LB_GETCURSEL, 0, 0));
                guard([&] { input::openDirEntry(c, i); });
            }
            break;
        case Kind::FileListBox:
            if (code == LBN_SELCHANGE) {
                const int i = static_cast<int>(SendMessageW(child, LB_GETCURSEL, 0, 0));
                guard([&] { input::pickFile(c, i); });
            }
            break;
        case Kind::ComboBox:
            if (code == CBN_SELCHANGE) {
                const int i = static_cast<int>(SendMessageW(child, CB_GETCURSEL, 0, 0));
                guard([&] { input::pickEntry(c, i); });
            }
            break;
        default:
            break;
    }
}

LRESULT WindowView::notify(const NMHDR& n) {
    if (n.code == TTN_GETDISPINFOW) {
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(n));
        const Control* c = nullptr;
        for (Item& item : items_) {
            if (item.control->kind() == Kind::TabStrip &&
                reinterpret_cast<HWND>(SendMessageW(item.hwnd, TCM_GETTOOLTIPS, 0, 0)) == n.hwndFrom) {
                const int tab = static_cast<int>(n.idFrom) + 1;
                if (tab >= 1 && tab <= item.control->tabCount()) info.lpszText = const_cast<wchar_t*>(item.control->tab(tab).tooltip);
                return 0;
            }
        }
        if ((info.uFlags & TTF_IDISHWND) != 0) {
            c = modelOf(reinterpret_cast<HWND>(n.idFrom));
        } else if (n.idFrom >= kRectToolBase && n.idFrom - kRectToolBase < items_.size()) {
            const Item& item = items_[n.idFrom - kRectToolBase];
            // Only while the control is disabled: otherwise its own tool speaks.
            if (IsWindowVisible(item.hwnd) && !IsWindowEnabled(item.hwnd)) c = item.control;
        }
        info.szText[0] = 0;
        info.lpszText = c != nullptr ? const_cast<wchar_t*>(c->toolTip().c_str()) : info.szText;
        return 0;
    }
    Item* item = itemOf(n.hwndFrom);
    if (item == nullptr || mirroring_) return 0;
    if (item->control->kind() == Kind::TabStrip && n.code == static_cast<UINT>(TCN_SELCHANGE)) {
        const int tab = static_cast<int>(SendMessageW(n.hwndFrom, TCM_GETCURSEL, 0, 0)) + 1;
        guard([&] { input::clickTab(*item->control, tab); });
    }
    return 0;
}

void WindowView::moveFocus(bool backwards) {
    std::vector<Item*> order;
    for (Item& item : items_) {
        const Control& c = *item.control;
        if (c.takesFocus() && c.usable() && c.tabIndex() >= 0) order.push_back(&item);
    }
    if (order.empty()) return;
    std::sort(order.begin(), order.end(),
              [](const Item* a, const Item* b) { return a->control->tabIndex() < b->control->tabIndex(); });
    HWND focus = GetFocus();
    std::size_t at = order.size();
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i]->hwnd == focus || IsChild(order[i]->hwnd, focus)) at = i;
    }
    std::size_t next = 0;
    if (at == order.size()) {
        next = backwards ? order.size() - 1 : 0;
    } else {
        next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    Control& target = *order[next]->control;
    guard([&] { input::focus(target); });
    if (GetFocus() != order[next]->hwnd) SetFocus(order[next]->hwnd);
    if (target.kind() == Kind::TextBox && !target.onGotFocus) SendMessageW(order[next]->hwnd, EM_SETSEL, 0, -1);
}

bool WindowView::preTranslate(MSG& msg) {
    if (hwnd_ == nullptr) return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd))) {
        if ((GetKeyState(VK_CONTROL) & 0x8000) != 0) return false;
        moveFocus((GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return true;
    }
    return IsDialogMessageW(hwnd_, &msg) != FALSE;
}

LRESULT WindowView::routed(HWND h, UINT msg, WPARAM w, LPARAM l, bool& done) {
    done = true;
    switch (msg) {
        case WM_COMMAND:
            if (l != 0) command(reinterpret_cast<HWND>(l), HIWORD(w));
            return 0;
        case WM_NOTIFY:
            return notify(*reinterpret_cast<const NMHDR*>(l));
        case WM_HSCROLL: {
            HWND child = reinterpret_cast<HWND>(l);
            Item* item = itemOf(child);
            if (item != nullptr && item->control->kind() == Kind::Slider && !mirroring_) {
                const int pos = static_cast<int>(SendMessageW(child, TBM_GETPOS, 0, 0));
                guard([&] { input::moveSlider(*item->control, pos); });
            }
            return 0;
        }
        case WM_DRAWITEM:
            drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return colour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
        default:
            done = false;
            return 0;
    }
    (void)h;
}

LRESULT WindowView::handle(HWND h, UINT msg, WPARAM w, LPARAM l) {
    bool done = false;
    const LRESULT r = routed(h, msg, w, l, done);
    if (done) return r;
    switch (msg) {
        case WM_CLOSE:
            if (onClose) guard([&] { onClose(); });
            return 0;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(w);
            makeFonts();
            layout();
            for (Item& item : items_) {
                if (item.control->kind() == Kind::Image) syncPicture(item);
            }
            placeWindow(reinterpret_cast<const RECT*>(l));
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(h, msg, w, l);
}

LRESULT CALLBACK WindowView::windowProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* view = reinterpret_cast<WindowView*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (view == nullptr) return DefWindowProcW(h, msg, w, l);
    return view->handle(h, msg, w, l);
}

LRESULT CALLBACK WindowView::frameProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* view = reinterpret_cast<WindowView*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (view == nullptr) return DefWindowProcW(h, msg, w, l);
    bool done = false;
    const LRESULT r = view->routed(h, msg, w, l, done);
    if (done) return r;
    switch (msg) {
        case WM_PAINT:
            view->paintFrame(h);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_GETFONT:  // the font its caption is drawn in
            return reinterpret_cast<LRESULT>(view->font_);
        default:
            break;
    }
    Item* item = view->itemOf(h);
    return item != nullptr ? view->controlMessage(*item, msg, w, l) : DefWindowProcW(h, msg, w, l);
}

LRESULT CALLBACK WindowView::controlProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* view = reinterpret_cast<WindowView*>(GetPropW(h, L"CorvaneView"));
    Item* item = view != nullptr ? view->itemOf(h) : nullptr;
    if (item == nullptr) return DefWindowProcW(h, msg, w, l);
    return view->controlMessage(*item, msg, w, l);
}

LRESULT WindowView::controlMessage(Item& item, UINT msg, WPARAM w, LPARAM l) {
    const WNDPROC old = oldProcs_.count(item.hwnd) != 0 ? oldProcs_[item.hwnd] : DefWindowProcW;
    Control& c = *item.control;
    switch (msg) {
        case WM_SETFOCUS: {
            const LRESULT r = CallWindowProcW(old, item.hwnd, msg, w, l);
            if (!mirroring_) guard([&] { input::focus(c); });
            return r;
        }
        case WM_GETDLGCODE:
            // Enter opens the highlighted folder of a directory list.
            if (c.kind() == Kind::DirListBox && l != 0 && reinterpret_cast<const MSG*>(l)->message == WM_KEYDOWN &&
                reinterpret_cast<const MSG*>(l)->wParam == VK_RETURN) {
                return CallWindowProcW(old, item.hwnd, msg, w, l) | DLGC_WANTMESSAGE;
            }
            break;
        case WM_KEYDOWN:
            if (c.kind() == Kind::DirListBox && w == VK_RETURN) {
                const int i = static_cast<int>(SendMessageW(item.hwnd, LB_GETCURSEL, 0, 0));
                guard([&] { input::openDirEntry(c, i); });
                return 0;
            }
            break;
        case WM_NCDESTROY: {
            RemovePropW(item.hwnd, L"CorvaneView");
            const LRESULT r = CallWindowProcW(old, item.hwnd, msg, w, l);
            oldProcs_.erase(item.hwnd);
            return r;
        }
        default:
            break;
    }
    return CallWindowProcW(old, item.hwnd, msg, w, l);
}

}  // namespace corvane::win32
