// The directory list and the file list: owner-data list boxes drawn from
// the model, one class each on what they share.
#include <algorithm>

#include "platform/input.h"
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

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

// An owner-data list box drawn from its model: it takes its count in
// constant time, and rows are drawn from the model as they come into view.
template <class M>
class OwnerDataList : public Bound<M> {
public:
    using Bound<M>::Bound;

    void drawItem(const DRAWITEMSTRUCT& d) override {
        HDC dc = d.hDC;
        const RECT& r = d.rcItem;
        const bool selected = (d.itemState & ODS_SELECTED) != 0;
        FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        int x = r.left + 2;
        if (const std::wstring* text = row(dc, d.itemID, r, x)) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            RECT t{x, r.top, r.right, r.bottom};
            api::drawText(dc, *text, t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        if ((d.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &r);
    }

protected:
    typename NativeControl::Spec spec() const override {
        return {L"LISTBOX",
                LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE,
                {}};
    }
    void created() override { fill(); }
    void restyle() override {
        NativeControl::restyle();
        api::send(this->hwnd_, LB_SETITEMHEIGHT, 0, std::max(this->site_.textHeight(), iconSize()) + 2);
    }
    // What row `id` shows: anything drawn before its text, which then starts
    // at `x`; null past the model's rows.
    virtual const std::wstring* row(HDC dc, UINT id, const RECT& r, int& x) const = 0;
    virtual int iconSize() const { return 0; }
    virtual void fill() = 0;
    void fill(int count, int selected) {
        HWND h = this->hwnd_;
        api::send(h, WM_SETREDRAW, FALSE, 0);
        api::setListCount(h, count);
        api::send(h, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        if (scrollsToTop() && selected >= 0) api::send(h, LB_SETTOPINDEX, 0, 0);
        api::send(h, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(h, nullptr, TRUE);
    }
    virtual bool scrollsToTop() const { return false; }
    int selectedRow() const { return static_cast<int>(api::send(this->hwnd_, LB_GETCURSEL, 0, 0)); }
};

// The directory list: open and closed folders indented by level; a
// double-click or Enter opens one.
class DirListControl final : public OwnerDataList<DirList> {
public:
    using OwnerDataList::OwnerDataList;

    void mirror(Prop prop) override {
        if (prop == Prop::Path) {
            fill();
        } else {
            NativeControl::mirror(prop);
        }
    }
    void command(int code) override {
        if (code == LBN_DBLCLK) fromUser([&] { input::openDirEntry(model(), selectedRow()); });
    }

protected:
    const std::wstring* row(HDC dc, UINT id, const RECT& r, int& x) const override {
        if (id >= model().entries().size()) return nullptr;
        const DirListEntry& e = model().entries()[id];
        const int size = iconSize();  // the window's DPI, which may not be the system's
        x += e.level * scaled(8);
        if (!e.drive) drawFolder(dc, x, r.top + (r.bottom - r.top - size) / 2, size, e.open);
        x += size + 3;
        return &e.name;
    }
    int iconSize() const override { return scaled(16); }
    // The current folder is the last open entry; the list shows it from the top.
    void fill() override {
        int selected = -1;
        const auto& entries = model().entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].open) selected = static_cast<int>(i);
        }
        OwnerDataList::fill(static_cast<int>(entries.size()), selected);
    }
    bool scrollsToTop() const override { return true; }
    LRESULT message(UINT msg, WPARAM w, LPARAM l) override {
        // Enter opens the highlighted folder.
        const auto* m = reinterpret_cast<const MSG*>(l);
        if (msg == WM_GETDLGCODE && m != nullptr && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) {
            return original(msg, w, l) | DLGC_WANTMESSAGE;
        }
        if (msg == WM_KEYDOWN && w == VK_RETURN) {
            fromUser([&] { input::openDirEntry(model(), selectedRow()); });
            return 0;
        }
        return NativeControl::message(msg, w, l);
    }
};

// The file list: a click or an arrow key picks an entry.
class FileListControl final : public OwnerDataList<FileList> {
public:
    using OwnerDataList::OwnerDataList;

    void mirror(Prop prop) override {
        if (prop == Prop::Items) {
            fill();
        } else if (prop == Prop::ListIndex) {
            if (selectedRow() != model().listIndex()) {
                api::send(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(model().listIndex()), 0);
            }
        } else {
            NativeControl::mirror(prop);
        }
    }
    void command(int code) override {
        if (code == LBN_SELCHANGE) fromUser([&] { input::pickFile(model(), selectedRow()); });
    }

protected:
    const std::wstring* row(HDC, UINT id, const RECT&, int&) const override {
        return static_cast<int>(id) < model().listCount() ? &model().items()[id] : nullptr;
    }
    void fill() override { OwnerDataList::fill(model().listCount(), model().listIndex()); }
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, DirList& model) {
    return std::make_unique<DirListControl>(site, model);
}

std::unique_ptr<NativeControl> makeNative(ControlSite& site, FileList& model) {
    return std::make_unique<FileListControl>(site, model);
}

}  // namespace corvane::win32
