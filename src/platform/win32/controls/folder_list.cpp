// The directory list and the file list: owner-data list boxes drawn from
// the model. The directory list shows open and closed folders indented by
// level and opens one on a double-click or Enter; the file list picks an
// entry on a click or an arrow key.
#include <algorithm>

#include "platform/input.h"
#include "platform/win32/window_view.h"

namespace corvane::win32 {

namespace {

// A folder of the small-icon size, open (on the way to the current folder)
// or closed, drawn rather than asked of the shell: the shell's icon cache
// costs more to start than the whole window.
void drawFolder(HDC dc, int x, int y, int size, bool open) {
    const int u = std::max(1, size / 16);
    HPEN pen = CreatePen(PS_SOLID, u, RGB(128, 96, 0));
    HBRUSH back = CreateSolidBrush(RGB(224, 176, 48));
    HBRUSH front = CreateSolidBrush(RGB(255, 216, 96));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, back);
    const POINT body[] = {{x + u, y + 3 * u},  {x + 6 * u, y + 3 * u},  {x + 7 * u, y + 4 * u},
                          {x + 14 * u, y + 4 * u}, {x + 14 * u, y + 13 * u}, {x + u, y + 13 * u}};
    Polygon(dc, body, 6);
    SelectObject(dc, front);
    if (open) {
        const POINT flap[] = {{x + 3 * u, y + 7 * u}, {x + 15 * u, y + 7 * u}, {x + 13 * u, y + 13 * u},
                              {x + u, y + 13 * u}};
        Polygon(dc, flap, 4);
    } else {
        Rectangle(dc, x + u, y + 6 * u, x + 14 * u + 1, y + 13 * u + 1);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(front);
    DeleteObject(back);
    DeleteObject(pen);
}

class FolderList final : public NativeControl {
public:
    using NativeControl::NativeControl;

    void mirror(Prop prop) override {
        switch (prop) {
            case Prop::Path:
            case Prop::Items:
                fill();
                break;
            case Prop::ListIndex:
                if (api::send(hwnd_, LB_GETCURSEL, 0, 0) != model_.listIndex()) {
                    api::send(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(model_.listIndex()), 0);
                }
                break;
            default:
                NativeControl::mirror(prop);
        }
    }
    void command(int code) override {
        const int i = static_cast<int>(api::send(hwnd_, LB_GETCURSEL, 0, 0));
        if (dirs() && code == LBN_DBLCLK) {
            input::openDirEntry(model_, i);
        } else if (!dirs() && code == LBN_SELCHANGE) {
            input::pickFile(model_, i);
        }
    }
    void drawItem(const DRAWITEMSTRUCT& d) override {
        HDC dc = d.hDC;
        const RECT& r = d.rcItem;
        const bool selected = (d.itemState & ODS_SELECTED) != 0;
        FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        const std::wstring* text = nullptr;
        int x = r.left + 2;
        if (dirs() && d.itemID < model_.dirEntries().size()) {
            const DirListEntry& e = model_.dirEntries()[d.itemID];
            const int size = scaled(16);  // the window's DPI, which may not be the system's
            x += e.level * scaled(8);
            drawFolder(dc, x, r.top + (r.bottom - r.top - size) / 2, size, e.open);
            x += size + 3;
            text = &e.name;
        } else if (!dirs() && static_cast<int>(d.itemID) < model_.listCount()) {
            text = &model_.items()[d.itemID];
        }
        if (text != nullptr) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            RECT t{x, r.top, r.right, r.bottom};
            api::drawText(dc, *text, t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        if ((d.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &r);
    }

protected:
    Spec spec() const override {
        return {L"LISTBOX",
                LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE,
                {}};
    }
    void created() override { fill(); }
    void restyle() override {
        NativeControl::restyle();
        const int icon = dirs() ? scaled(16) : 0;
        api::send(hwnd_, LB_SETITEMHEIGHT, 0, std::max(view_.textHeight(), icon) + 2);
    }
    LRESULT message(UINT msg, WPARAM w, LPARAM l) override {
        if (dirs()) {
            // Enter opens the highlighted folder.
            const auto* m = reinterpret_cast<const MSG*>(l);
            if (msg == WM_GETDLGCODE && m != nullptr && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) {
                return original(msg, w, l) | DLGC_WANTMESSAGE;
            }
            if (msg == WM_KEYDOWN && w == VK_RETURN) {
                const int i = static_cast<int>(api::send(hwnd_, LB_GETCURSEL, 0, 0));
                input::openDirEntry(model_, i);
                return 0;
            }
        }
        return NativeControl::message(msg, w, l);
    }

private:
    bool dirs() const { return model_.kind() == Kind::DirListBox; }

    // An owner-data list takes its count in constant time; rows are drawn
    // from the model as they come into view.
    void fill() {
        int count = model_.listCount();
        int selected = model_.listIndex();
        if (dirs()) {
            count = static_cast<int>(model_.dirEntries().size());
            selected = -1;
            for (int i = 0; i < count; ++i) {
                if (model_.dirEntries()[static_cast<std::size_t>(i)].open) selected = i;
            }
        }
        api::send(hwnd_, WM_SETREDRAW, FALSE, 0);
        api::setListCount(hwnd_, count);
        api::send(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        if (dirs() && selected >= 0) api::send(hwnd_, LB_SETTOPINDEX, 0, 0);
        api::send(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
};

}  // namespace

std::unique_ptr<NativeControl> makeFolderList(WindowView& view, Control& model) {
    return std::make_unique<FolderList>(view, model);
}

}  // namespace corvane::win32
