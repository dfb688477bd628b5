// A tab strip, behind the frames that form its pages: its tabs in one row,
// their tooltips, and a click on a tab selecting it in the model.
#include <algorithm>

#include "platform/input.h"
#include "platform/win32/dpi.h"
#include "platform/win32/window_view.h"

namespace corvane::win32 {

namespace {

class TabStrip final : public NativeControl {
public:
    using NativeControl::NativeControl;

    void mirror(Prop prop) override {
        if (prop == Prop::Value) {
            select();
        } else {
            NativeControl::mirror(prop);
        }
    }
    LRESULT notify(const NMHDR& n) override {
        if (n.code == TTN_GETDISPINFOW) {
            // From the strip's own tooltips: the tab's text.
            auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(n));
            const int tab = static_cast<int>(n.idFrom) + 1;
            if (tab >= 1 && tab <= model_.tabCount()) info.lpszText = const_cast<wchar_t*>(model_.tab(tab).tooltip);
        } else if (n.code == static_cast<UINT>(TCN_SELCHANGE) && !view_.mirroring()) {
            const int tab = static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)) + 1;
            WindowView::guard([&] { input::clickTab(model_, tab); });
        }
        return 0;
    }

protected:
    Spec spec() const override { return {WC_TABCONTROLW, TCS_TOOLTIPS | WS_TABSTOP, 0, {}}; }
    void created() override {
        for (int n = 1; n <= model_.tabCount(); ++n) {
            std::wstring caption = model_.tab(n).caption;
            TCITEMW tab{};
            tab.mask = TCIF_TEXT;
            tab.pszText = caption.data();
            SendMessageW(hwnd_, TCM_INSERTITEMW, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(&tab));
        }
        select();
        SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (HWND tips = reinterpret_cast<HWND>(SendMessageW(hwnd_, TCM_GETTOOLTIPS, 0, 0))) view_.routeFrom(tips, *this);
    }
    void restyle() override {
        // The strip lays its tabs out again when it is given its font.
        fitTabs();
        NativeControl::restyle();
    }

private:
    void select() {
        if (SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0) != model_.selectedTab() - 1) {
            SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(model_.selectedTab() - 1), 0);
        }
    }
    // The tabs stand side by side in one row, without scroll arrows: their
    // horizontal padding is what the strip's width leaves beside the
    // captions in this font, at most the usual padding.
    void fitTabs() {
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, view_.font());
        int text = 0;
        for (int n = 1; n <= model_.tabCount(); ++n) {
            const std::wstring caption = model_.tab(n).caption;
            SIZE size{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
            text += size.cx;
        }
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        // The selected tab stands out 2 pixels on either side, at every DPI.
        const int spare = twips(model_.row().box.width, view_.dpi()) - text - 4;
        const int padding = std::clamp(spare / (2 * std::max(model_.tabCount(), 1)), 1, scaled(6));
        SendMessageW(hwnd_, TCM_SETPADDING, 0, MAKELPARAM(padding, scaled(3)));
    }
};

}  // namespace

std::unique_ptr<NativeControl> makeTabStrip(WindowView& view, Control& model) {
    return std::make_unique<TabStrip>(view, model);
}

}  // namespace corvane::win32
