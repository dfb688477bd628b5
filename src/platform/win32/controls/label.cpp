// A label: its caption, alignment, border and background colour, in the
// dialog font or in a font of its own where its row names one.
#include "platform/win32/dpi.h"
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

namespace {

DWORD alignment(const Label& c) { return c.alignment() == Align::Center ? SS_CENTER : SS_LEFT; }

class LabelControl final : public Bound<Label> {
public:
    using Bound::Bound;
    ~LabelControl() override {
        if (font_ != nullptr) DeleteObject(font_);
    }

    void mirror(Prop prop) override {
        if (prop == Prop::Caption) {
            api::setWindowText(hwnd_, model().caption());
        } else if (prop == Prop::BackColor) {
            InvalidateRect(hwnd_, nullptr, TRUE);
        } else if (prop == Prop::Alignment) {
            const LONG_PTR style = api::windowLong(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
            api::setWindowLong(hwnd_, GWL_STYLE, style | static_cast<LONG_PTR>(alignment(model())));
            InvalidateRect(hwnd_, nullptr, TRUE);
        } else {
            NativeControl::mirror(prop);
        }
    }
    HBRUSH colours(HDC dc) override {
        const std::uint32_t c = model().backColor();
        SetBkColor(dc, (c & kSystemColour) != 0 ? GetSysColor(static_cast<int>(c & 0xFF)) : c);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        return site_.brush(c);
    }

protected:
    Spec spec() const override {
        return {L"STATIC", SS_NOTIFY | alignment(model()), model().row().border ? DWORD{WS_EX_STATICEDGE} : 0,
                model().caption()};
    }
    void restyle() override {
        const Font* f = model().row().font;
        if (f == nullptr) {
            NativeControl::restyle();
            return;
        }
        LOGFONTW own = dialogFont(site_.dpi());
        own.lfHeight = -MulDiv(f->hundredthsOfPoint, static_cast<int>(site_.dpi()), 7200);
        own.lfWeight = f->bold ? FW_BOLD : FW_NORMAL;
        // Where the face is missing, the dialog font's face stands in.
        if (api::fontFaceExists(f->face)) {
            std::size_t i = 0;
            for (; i + 1 < LF_FACESIZE && f->face[i] != 0; ++i) own.lfFaceName[i] = f->face[i];
            own.lfFaceName[i] = 0;
        }
        HFONT old = font_;
        font_ = api::createFont(own);
        api::send(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (old != nullptr) DeleteObject(old);
    }

private:
    HFONT font_ = nullptr;  // its own font, where its row names one
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, Label& model) {
    return std::make_unique<LabelControl>(site, model);
}

}  // namespace corvane::win32
