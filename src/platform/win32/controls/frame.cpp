// A frame: a container window of its own that draws an etched edge with its
// caption over the top, and passes its children's notifications on.
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"
#include "platform/win32/window_class.h"

namespace corvane::win32 {

namespace {

constexpr wchar_t kFrameClass[] = L"CorvaneFrame";

class FrameControl final : public Bound<Frame> {
public:
    FrameControl(ControlSite& site, Frame& model) : Bound(site, model) { registerClassOnce(kFrameClass, false); }

    void mirror(Prop prop) override {
        if (prop == Prop::Caption) {
            api::setWindowText(hwnd_, model().caption());  // the group's name for screen readers
            InvalidateRect(hwnd_, nullptr, TRUE);
        } else {
            NativeControl::mirror(prop);
        }
    }

protected:
    Spec spec() const override { return {kFrameClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, model().caption()}; }
    void restyle() override {}  // it draws its caption in the view's font
    LRESULT message(UINT msg, WPARAM w, LPARAM l) override {
        bool done = false;
        const LRESULT r = site_.route(msg, w, l, done);
        if (done) return r;
        switch (msg) {
            case WM_PAINT:
                paint();
                return 0;
            case WM_ERASEBKGND:
                return 1;
            case WM_GETFONT:  // the font its caption is drawn in
                return reinterpret_cast<LRESULT>(site_.font());
            default:
                return NativeControl::message(msg, w, l);
        }
    }

private:
    void paint() {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        RECT r;
        GetClientRect(hwnd_, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        HGDIOBJ old = SelectObject(dc, site_.font());
        const int textHeight = site_.textHeight();
        RECT edge{r.left, r.top + textHeight / 2, r.right, r.bottom};
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        const std::wstring& text = model().caption();
        if (!text.empty()) {
            RECT t{0, 0, 0, 0};
            api::drawText(dc, text, t, DT_SINGLELINE | DT_CALCRECT);
            const int pad = scaled(4);
            RECT label{2 * pad, 0, 0, textHeight};
            label.right = label.left + (t.right - t.left) + 2 * pad;
            FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
            api::drawText(dc, text, label, DT_SINGLELINE | DT_CENTER);
        }
        SelectObject(dc, old);
        EndPaint(hwnd_, &ps);
    }
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, Frame& model) {
    return std::make_unique<FrameControl>(site, model);
}

}  // namespace corvane::win32
