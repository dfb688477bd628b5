// Drawing: the lists' rows, the frames, and the colours of labels and lines.
#include <algorithm>

#include "platform/win32/dpi.h"
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

}  // namespace

HBRUSH WindowView::brush(std::uint32_t colour) {
    if ((colour & kSystemColour) != 0) return GetSysColorBrush(static_cast<int>(colour & 0xFF));
    auto it = brushes_.find(colour);
    if (it != brushes_.end()) return it->second;
    HBRUSH b = CreateSolidBrush(colour);
    brushes_[colour] = b;
    return b;
}

LRESULT WindowView::colour(HDC dc, HWND child) {
    Item* item = itemOf(child);
    std::uint32_t c = kButtonFace;
    if (item != nullptr && (item->control->kind() == Kind::Label || item->control->kind() == Kind::Line)) {
        c = item->control->backColor();
    }
    const COLORREF rgb = (c & kSystemColour) != 0 ? GetSysColor(static_cast<int>(c & 0xFF)) : c;
    SetBkColor(dc, rgb);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(brush(c));
}

void WindowView::drawItem(const DRAWITEMSTRUCT& d) {
    Item* item = itemOf(d.hwndItem);
    if (item == nullptr) return;
    const Control& c = *item->control;
    HDC dc = d.hDC;
    RECT r = d.rcItem;
    const bool selected = (d.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (d.itemID != static_cast<UINT>(-1)) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const std::wstring* text = nullptr;
        int x = r.left + 2;
        if (c.kind() == Kind::DirListBox) {
            if (d.itemID < c.dirEntries().size()) {
                const DirListEntry& e = c.dirEntries()[d.itemID];
                const int size = GetSystemMetrics(SM_CXSMICON);
                x += e.level * MulDiv(8, static_cast<int>(dpi_), 96);
                drawFolder(dc, x, r.top + (r.bottom - r.top - size) / 2, size, e.open);
                x += size + 3;
                text = &e.name;
            }
        } else if (static_cast<int>(d.itemID) < c.listCount()) {
            text = &c.items()[d.itemID];
        }
        if (text != nullptr) {
            RECT t{x, r.top, r.right, r.bottom};
            DrawTextW(dc, text->c_str(), static_cast<int>(text->size()), &t,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }
    if ((d.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &r);
}

void WindowView::paintFrame(HWND h) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT r;
    GetClientRect(h, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    Item* item = itemOf(h);
    HGDIOBJ old = SelectObject(dc, font_);
    RECT edge{r.left, r.top + textHeight_ / 2, r.right, r.bottom};
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (item != nullptr && !item->control->caption().empty()) {
        const std::wstring& text = item->control->caption();
        RECT t{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &t, DT_SINGLELINE | DT_CALCRECT);
        const int pad = MulDiv(4, static_cast<int>(dpi_), 96);
        RECT label{pad + MulDiv(4, static_cast<int>(dpi_), 96), 0, 0, textHeight_};
        label.right = label.left + (t.right - t.left) + 2 * pad;
        FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(IsWindowEnabled(h) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, DT_SINGLELINE | DT_CENTER);
    }
    SelectObject(dc, old);
    EndPaint(h, &ps);
}

}  // namespace corvane::win32
