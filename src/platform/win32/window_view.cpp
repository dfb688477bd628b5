#include "platform/win32/window_view.h"
#include "platform/win32/window_view_parts.h"

#include <algorithm>
#include <exception>

#include "platform/win32/dpi.h"

namespace corvane::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"CorvaneWindow";
constexpr wchar_t kFrameClass[] = L"CorvaneFrame";
constexpr int kFirstId = 100;

int CALLBACK noteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool faceExists(const wchar_t* face) {
    LOGFONTW want{};
    want.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(want.lfFaceName, face, LF_FACESIZE);
    HDC dc = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesExW(dc, &want, noteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

void registerClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = kWindowClass;
    wc.hIcon = programIcon(SM_CXICON);
    wc.hIconSm = programIcon(SM_CXSMICON);
    RegisterClassExW(&wc);
    wc.lpszClassName = kFrameClass;
    wc.hIcon = nullptr;
    wc.hIconSm = nullptr;
    RegisterClassExW(&wc);
}

}  // namespace

std::wstring nativeText(HWND h) {
    const int n = GetWindowTextLengthW(h);
    std::wstring s(static_cast<std::size_t>(std::max(n, 0)) + 1, L'\0');
    const int got = GetWindowTextW(h, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(std::max(got, 0)));
    return s;
}

HICON programIcon(int metric) {
    const int size = GetSystemMetrics(metric);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
}

WindowView::WindowView(Window& model) : model_(model) {}

WindowView::~WindowView() { destroy(); }

void WindowView::guard(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        const std::string what = e.what();
        MessageBoxW(nullptr, (L"Corvane stopped on an unexpected error:\n\n" + std::wstring(what.begin(), what.end())).c_str(),
                    L"Corvane", MB_OK | MB_ICONSTOP);
        ExitProcess(1);
    }
}

void WindowView::create(HWND owner, FrameStyle style) {
    registerClasses();
    owner_ = owner;
    style_ = style;
    DWORD ws = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    ws |= style.minimizeBox ? (WS_OVERLAPPED | WS_MINIMIZEBOX) : WS_POPUP;
    const DWORD ex = WS_EX_CONTROLPARENT;
    hwnd_ = CreateWindowExW(ex, kWindowClass, model_.caption().c_str(), ws, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                            owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) throw std::runtime_error("the window could not be created");
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowView::windowProc));
    if (!style.minimizeBox) {
        // A window without its own icon in the title bar shows the program's.
        icon_ = programIcon(SM_CXICON);
        smallIcon_ = programIcon(SM_CXSMICON);
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    }
    dpi_ = windowDpi(hwnd_);

    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);

    items_.resize(model_.controls().size());
    for (std::size_t i = 0; i < items_.size(); ++i) items_[i].control = model_.controls()[i].get();
    makeFonts();
    for (Item& item : items_) {
        createControl(item);
        restyle(item);
    }
    for (Item& item : items_) {
        // The tab strip lies behind the frames that form its pages.
        if (item.control->kind() == Kind::TabStrip) {
            SetWindowPos(item.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        addToolTips(item);
    }
    if (tips_ != nullptr) SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, MulDiv(320, static_cast<int>(dpi_), 96));
    placeWindow(nullptr);
    syncAll();
    model_.attach(this);
}

void WindowView::show() {
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    Control* focus = model_.focus();
    if (focus != nullptr) {
        SetFocus(nativeOf(*focus));
    } else {
        moveFocus(false);
    }
}

void WindowView::destroy() {
    if (hwnd_ == nullptr) return;
    model_.attach(nullptr);
    for (const auto& [h, proc] : oldProcs_) SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    oldProcs_.clear();
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    if (tips_ != nullptr) DestroyWindow(tips_);
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    tips_ = nullptr;
    freeFonts();
    for (auto& [c, b] : brushes_) DeleteObject(b);
    brushes_.clear();
    for (HICON icon : {icon_, smallIcon_}) {
        if (icon != nullptr) DestroyIcon(icon);
    }
    icon_ = smallIcon_ = nullptr;
    if (photo_ != nullptr) DeleteObject(photo_);
    photo_ = nullptr;
    items_.clear();
    byHwnd_.clear();
}

void WindowView::createControl(Item& item) {
    const Control& c = *item.control;
    const ControlRow& row = c.row();
    item.parent = c.container() != nullptr ? nativeOf(*c.container()) : hwnd_;
    DWORD ws = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD ex = 0;
    const wchar_t* cls = L"STATIC";
    // The model may have moved on from the description before the view is made.
    std::wstring text = c.kind() == Kind::TextBox ? c.text() : c.caption();
    switch (c.kind()) {
        case Kind::Label:
            ws |= SS_NOTIFY | (c.alignment() == Align::Center ? SS_CENTER : SS_LEFT);
            if (row.border) ex |= WS_EX_STATICEDGE;
            break;
        case Kind::Line:
            text.clear();
            break;
        case Kind::Image:
            ws |= SS_NOTIFY | (row.picture == Picture::Photo ? SS_BITMAP : SS_ICON);
            text.clear();
            break;
        case Kind::Frame:
            cls = kFrameClass;
            ws |= WS_CLIPCHILDREN;
            ex |= WS_EX_CONTROLPARENT;
            break;
        case Kind::CommandButton:
            cls = L"BUTTON";
            ws |= BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP;
            break;
        case Kind::CheckBox:
            cls = L"BUTTON";
            ws |= BS_CHECKBOX | BS_NOTIFY | WS_TABSTOP;
            break;
        case Kind::TextBox:
            cls = L"EDIT";
            ws |= ES_AUTOHSCROLL | WS_TABSTOP;
            ex |= WS_EX_CLIENTEDGE;
            break;
        case Kind::DirListBox:
        case Kind::FileListBox:
            cls = L"LISTBOX";
            ws |= LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
            ex |= WS_EX_CLIENTEDGE;
            text.clear();
            break;
        case Kind::ComboBox:
            cls = L"COMBOBOX";
            ws |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
            text.clear();
            break;
        case Kind::Slider:
            cls = TRACKBAR_CLASSW;
            ws |= TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | WS_TABSTOP;
            break;
        case Kind::TabStrip:
            cls = WC_TABCONTROLW;
            ws |= TCS_TOOLTIPS | WS_TABSTOP;
            text.clear();
            break;
    }
    if (c.visible()) ws |= WS_VISIBLE;
    if (!c.enabled()) ws |= WS_DISABLED;
    const int id = kFirstId + static_cast<int>(&item - items_.data());
    const RECT box = boxOf(item);
    item.hwnd = CreateWindowExW(ex, cls, text.c_str(), ws, box.left, box.top, box.right - box.left,
                                box.bottom - box.top, item.parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (item.hwnd == nullptr) throw std::runtime_error("control " + c.name() + " could not be created");
    byHwnd_[item.hwnd] = static_cast<std::size_t>(&item - items_.data());
    if (c.kind() == Kind::Frame) SetWindowLongPtrW(item.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const WNDPROC old = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        item.hwnd, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(c.kind() == Kind::Frame ? &WindowView::frameProc : &WindowView::controlProc)));
    oldProcs_[item.hwnd] = old;
    SetPropW(item.hwnd, L"CorvaneView", reinterpret_cast<HANDLE>(this));

    if (c.kind() == Kind::Slider) {
        const SliderRow& s = c.slider();
        SendMessageW(item.hwnd, TBM_SETRANGEMIN, FALSE, s.min);
        SendMessageW(item.hwnd, TBM_SETRANGEMAX, FALSE, s.max);
        SendMessageW(item.hwnd, TBM_SETLINESIZE, 0, s.smallStep);
        SendMessageW(item.hwnd, TBM_SETPAGESIZE, 0, s.largeStep);
        SendMessageW(item.hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(s.tickEvery), 0);
    } else if (c.kind() == Kind::TabStrip) {
        for (int n = 1; n <= c.tabCount(); ++n) {
            TCITEMW tab{};
            tab.mask = TCIF_TEXT;
            std::wstring caption = c.tab(n).caption;
            tab.pszText = caption.data();
            SendMessageW(item.hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(&tab));
        }
    }
}

void WindowView::addToolTips(Item& item) {
    // Controls get their tools when they first have a tooltip.
    if (tips_ == nullptr || item.tipped || item.control->kind() == Kind::TabStrip || item.control->toolTip().empty()) {
        return;
    }
    item.tipped = true;
    // One tool on the control itself, and one on its rectangle in the
    // container: a disabled control gets no mouse input, its container does.
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = item.parent;
    ti.uId = reinterpret_cast<UINT_PTR>(item.hwnd);
    ti.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    ti.uFlags = TTF_SUBCLASS;
    ti.uId = kRectToolBase + static_cast<UINT_PTR>(&item - items_.data());
    ti.rect = boxOf(item);
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void WindowView::makeFonts() {
    freeFonts();
    LOGFONTW lf = dialogFont(dpi_);
    font_ = CreateFontIndirectW(&lf);
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    textHeight_ = tm.tmHeight > 0 ? tm.tmHeight : 13;
    for (Item& item : items_) {
        const Font* f = item.control->row().font;
        if (f == nullptr) continue;
        LOGFONTW own = lf;
        own.lfHeight = -MulDiv(f->hundredthsOfPoint, static_cast<int>(dpi_), 7200);
        own.lfWidth = 0;
        own.lfWeight = f->bold ? FW_BOLD : FW_NORMAL;
        // Where the face is missing, the dialog font's face stands in.
        if (faceExists(f->face)) lstrcpynW(own.lfFaceName, f->face, LF_FACESIZE);
        item.font = CreateFontIndirectW(&own);
    }
}

void WindowView::freeFonts() {
    for (Item& item : items_) {
        if (item.font != nullptr) DeleteObject(item.font);
        item.font = nullptr;
    }
    if (font_ != nullptr) DeleteObject(font_);
    font_ = nullptr;
}

RECT WindowView::boxOf(const Item& item) const {
    const Control& c = *item.control;
    const Box& b = c.row().box;
    int w = twips(b.width, dpi_);
    int h = twips(c.height(), dpi_);
    if (c.kind() == Kind::Line) {
        w = std::max(w, 1);
        h = std::max(h, 1);
    } else if (c.kind() == Kind::ComboBox) {
        h = twips(b.height, dpi_) + textHeight_ * 8;  // the dropped-down list
    }
    const int x = twips(b.left, dpi_), y = twips(b.top, dpi_);
    return {x, y, x + w, y + h};
}

// What depends on the DPI besides the box: the font, row heights, padding.
void WindowView::restyle(Item& item) {
    const Control& c = *item.control;
    // The tab strip lays its tabs out again when it is given its font.
    if (c.kind() == Kind::TabStrip) fitTabs(item);
    SendMessageW(item.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(item.font != nullptr ? item.font : font_), FALSE);
    if (c.kind() == Kind::DirListBox || c.kind() == Kind::FileListBox) {
        const int icon = c.kind() == Kind::DirListBox ? GetSystemMetrics(SM_CYSMICON) : 0;
        SendMessageW(item.hwnd, LB_SETITEMHEIGHT, 0, std::max(textHeight_, icon) + 2);
    }
}

// The tabs stand side by side in one row, without scroll arrows: their
// horizontal padding is what the strip's width leaves beside the captions in
// this font, at most the usual padding.
void WindowView::fitTabs(Item& item) {
    const Control& c = *item.control;
    const int dpi = static_cast<int>(dpi_);
    HDC dc = GetDC(item.hwnd);
    HGDIOBJ old = SelectObject(dc, font_);
    int text = 0;
    for (int n = 1; n <= c.tabCount(); ++n) {
        const std::wstring caption = c.tab(n).caption;
        SIZE size{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        text += size.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(item.hwnd, dc);
    // The selected tab stands out 2 pixels on either side, at every DPI.
    const int spare = twips(c.row().box.width, dpi_) - text - 4;
    const int padding = std::clamp(spare / (2 * std::max(c.tabCount(), 1)), 1, MulDiv(6, dpi, 96));
    SendMessageW(item.hwnd, TCM_SETPADDING, 0, MAKELPARAM(padding, MulDiv(3, dpi, 96)));
}

void WindowView::place(Item& item) {
    const RECT r = boxOf(item);
    SetWindowPos(item.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (item.tipped) {
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = item.parent;
        ti.uId = kRectToolBase + static_cast<UINT_PTR>(&item - items_.data());
        ti.rect = r;
        SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void WindowView::layout() {
    for (Item& item : items_) {
        // Sized first, so that what a control lays out for its font fits its new size.
        place(item);
        restyle(item);
        InvalidateRect(item.hwnd, nullptr, TRUE);
    }
    if (tips_ != nullptr) SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, MulDiv(320, static_cast<int>(dpi_), 96));
}

void WindowView::placeWindow(const RECT* suggested) {
    const LONG_PTR ws = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    const LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
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
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
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

void WindowView::syncAll() {
    mirroring_ = true;
    for (Item& item : items_) {
        Control& c = *item.control;
        switch (c.kind()) {
            case Kind::CheckBox:
                SendMessageW(item.hwnd, BM_SETCHECK, static_cast<WPARAM>(c.value()), 0);
                break;
            case Kind::Slider:
                SendMessageW(item.hwnd, TBM_SETPOS, TRUE, c.value());
                break;
            case Kind::TabStrip:
                SendMessageW(item.hwnd, TCM_SETCURSEL, static_cast<WPARAM>(c.selectedTab() - 1), 0);
                break;
            case Kind::DirListBox:
            case Kind::FileListBox:
            case Kind::ComboBox:
                syncList(item);
                break;
            case Kind::TextBox:
                if (nativeText(item.hwnd) != c.text()) SetWindowTextW(item.hwnd, c.text().c_str());
                break;
            case Kind::Image:
                syncPicture(item);
                break;
            default:
                break;
        }
    }
    mirroring_ = false;
}

void WindowView::syncPicture(Item& item) {
    const Control& c = *item.control;
    if (c.picture() == Picture::Icon) {
        if (icon_ == nullptr) icon_ = programIcon(SM_CXICON);
        SendMessageW(item.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    } else if (c.picture() == Picture::Photo) {
        // Loaded at the box's size, so the picture is stretched to fill it.
        const int w = twips(c.row().box.width, dpi_);
        const int h = twips(c.row().box.height, dpi_);
        HBITMAP photo = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(2), IMAGE_BITMAP,
                                                        w, h, LR_CREATEDIBSECTION));
        SendMessageW(item.hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(photo));
        SetWindowPos(item.hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (photo_ != nullptr) DeleteObject(photo_);
        photo_ = photo;
    }
}

void WindowView::syncList(Item& item) {
    Control& c = *item.control;
    if (c.kind() == Kind::ComboBox) {
        SendMessageW(item.hwnd, CB_RESETCONTENT, 0, 0);
        for (const auto& s : c.items()) SendMessageW(item.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        SendMessageW(item.hwnd, CB_SETCURSEL, static_cast<WPARAM>(c.listIndex()), 0);
        return;
    }
    int count = c.listCount();
    int selected = c.listIndex();
    if (c.kind() == Kind::DirListBox) {
        count = static_cast<int>(c.dirEntries().size());
        selected = -1;
        for (int i = 0; i < count; ++i) {
            if (c.dirEntries()[static_cast<std::size_t>(i)].open) selected = i;
        }
    }
    // An owner-data list takes its count in constant time; rows are drawn
    // from the model as they come into view.
    SendMessageW(item.hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(item.hwnd, LB_SETCOUNT, static_cast<WPARAM>(count), 0);
    SendMessageW(item.hwnd, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    if (c.kind() == Kind::DirListBox && selected >= 0) SendMessageW(item.hwnd, LB_SETTOPINDEX, 0, 0);
    SendMessageW(item.hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(item.hwnd, nullptr, TRUE);
}

void WindowView::changed(Control& c, Prop p) {
    Item* item = itemOf(c);
    if (item == nullptr) return;
    HWND h = item->hwnd;
    mirroring_ = true;
    switch (p) {
        case Prop::Caption:
            if (c.kind() == Kind::Frame) {
                InvalidateRect(h, nullptr, TRUE);
            } else {
                SetWindowTextW(h, c.caption().c_str());
            }
            break;
        case Prop::Text:
            if (nativeText(h) != c.text()) SetWindowTextW(h, c.text().c_str());
            break;
        case Prop::Selection:
            SendMessageW(h, EM_SETSEL, static_cast<WPARAM>(c.selStart()), c.selStart() + c.selLength());
            break;
        case Prop::Visible:
            ShowWindow(h, c.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Prop::Enabled:
            EnableWindow(h, c.enabled() ? TRUE : FALSE);
            break;
        case Prop::ToolTip:
            addToolTips(*item);
            SendMessageW(tips_, TTM_UPDATE, 0, 0);
            break;
        case Prop::Height:
            place(*item);
            break;
        case Prop::BackColor:
            InvalidateRect(h, nullptr, TRUE);
            break;
        case Prop::Alignment: {
            LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
            style |= c.alignment() == Align::Center ? SS_CENTER : SS_LEFT;
            SetWindowLongPtrW(h, GWL_STYLE, style);
            InvalidateRect(h, nullptr, TRUE);
            break;
        }
        case Prop::Value:
            if (c.kind() == Kind::CheckBox) {
                SendMessageW(h, BM_SETCHECK, static_cast<WPARAM>(c.value()), 0);
            } else if (c.kind() == Kind::Slider) {
                if (SendMessageW(h, TBM_GETPOS, 0, 0) != c.value()) SendMessageW(h, TBM_SETPOS, TRUE, c.value());
            } else if (c.kind() == Kind::TabStrip) {
                if (SendMessageW(h, TCM_GETCURSEL, 0, 0) != c.selectedTab() - 1) {
                    SendMessageW(h, TCM_SETCURSEL, static_cast<WPARAM>(c.selectedTab() - 1), 0);
                }
            }
            break;
        case Prop::Path:
        case Prop::Items:
            syncList(*item);
            break;
        case Prop::ListIndex: {
            const UINT get = c.kind() == Kind::ComboBox ? CB_GETCURSEL : LB_GETCURSEL;
            const UINT set = c.kind() == Kind::ComboBox ? CB_SETCURSEL : LB_SETCURSEL;
            if (SendMessageW(h, get, 0, 0) != c.listIndex()) SendMessageW(h, set, static_cast<WPARAM>(c.listIndex()), 0);
            break;
        }
        case Prop::Picture:
            syncPicture(*item);
            break;
        case Prop::Focus:
            if (GetFocus() != h) SetFocus(h);
            break;
    }
    mirroring_ = false;
}

void WindowView::captionChanged(Window& w) { SetWindowTextW(hwnd_, w.caption().c_str()); }

HWND WindowView::nativeOf(const Control& c) const {
    for (const Item& item : items_) {
        if (item.control == &c) return item.hwnd;
    }
    return nullptr;
}

Control* WindowView::modelOf(HWND h) const {
    auto it = byHwnd_.find(h);
    return it == byHwnd_.end() ? nullptr : items_[it->second].control;
}

WindowView::Item* WindowView::itemOf(HWND h) {
    auto it = byHwnd_.find(h);
    return it == byHwnd_.end() ? nullptr : &items_[it->second];
}

WindowView::Item* WindowView::itemOf(const Control& c) {
    for (Item& item : items_) {
        if (item.control == &c) return &item;
    }
    return nullptr;
}

}  // namespace corvane::win32
