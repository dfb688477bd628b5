// A tab strip, behind the frames that form its pages: its tabs in one row,
// a tooltip on each tab, and a click on a tab selecting it in the model.
#include <algorithm>

#include "platform/input.h"
#include "platform/win32/dpi.h"
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

namespace {

class TabStripControl final : public Bound<TabStrip> {
public:
    using Bound::Bound;

    void mirror(Prop prop) override {
        if (prop == Prop::SelectedTab) {
            select();
        } else {
            NativeControl::mirror(prop);
        }
    }
    LRESULT notify(const NMHDR& n) override {
        if (n.code == static_cast<UINT>(TCN_SELCHANGE)) {
            const int tab = static_cast<int>(api::send(hwnd_, TCM_GETCURSEL, 0, 0)) + 1;
            fromUser([&] { input::clickTab(model(), tab); });
        }
        return 0;
    }
    // One tool a tab, on its rectangle; the tooltips ask the strip for the text.
    void addToolTips() override {
        if (site_.tips() == nullptr || tipped_) return;
        tipped_ = true;
        for (int n = 1; n <= model().tabCount(); ++n) {
            api::addTool(site_.tips(), TTF_SUBCLASS, hwnd_, static_cast<UINT_PTR>(n), tabRect(n));
        }
    }

protected:
    Spec spec() const override { return {WC_TABCONTROLW, WS_TABSTOP, 0, {}}; }
    void created() override {
        for (int n = 1; n <= model().tabCount(); ++n) api::insertTab(hwnd_, n - 1, model().tab(n).caption);
        select();
    }
    void restyle() override {
        // The strip lays its tabs out again when it is given its font.
        fitTabs();
        NativeControl::restyle();
        if (tipped_) moveToolTips();
    }
    void moveToolTips() override {
        for (int n = 1; n <= model().tabCount(); ++n) {
            api::moveTool(site_.tips(), hwnd_, static_cast<UINT_PTR>(n), tabRect(n));
        }
    }
    LRESULT message(UINT msg, WPARAM w, LPARAM l) override {
        auto* n = reinterpret_cast<NMHDR*>(l);
        if (msg == WM_NOTIFY && n->hwndFrom == site_.tips()) {
            if (const auto ask = api::toolTipAsk(*n)) {
                const int tab = static_cast<int>(ask->id);
                api::answerToolTip(*n, tab >= 1 && tab <= model().tabCount() ? model().tab(tab).tooltip : L"");
                return 0;
            }
        }
        return NativeControl::message(msg, w, l);
    }

private:
    RECT tabRect(int n) const {
        RECT r{};
        api::send(hwnd_, TCM_GETITEMRECT, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    void select() {
        if (api::send(hwnd_, TCM_GETCURSEL, 0, 0) != model().selectedTab() - 1) {
            api::send(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(model().selectedTab() - 1), 0);
        }
    }
    // The tabs stand side by side in one row, without scroll arrows: their
    // horizontal padding is what the strip's width leaves beside the
    // captions in this font, at most the usual padding.
    void fitTabs() {
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, site_.font());
        int text = 0;
        for (int n = 1; n <= model().tabCount(); ++n) {
            text += api::textExtent(dc, model().tab(n).caption).cx;
        }
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        // The selected tab stands out 2 pixels on either side, at every DPI.
        const int spare = twips(model().row().box.width, site_.dpi()) - text - 4;
        const int padding = std::clamp(spare / (2 * std::max(model().tabCount(), 1)), 1, scaled(6));
        api::send(hwnd_, TCM_SETPADDING, 0, MAKELPARAM(padding, scaled(3)));
    }
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, TabStrip& model) {
    return std::make_unique<TabStripControl>(site, model);
}

}  // namespace corvane::win32
