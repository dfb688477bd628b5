// A one-line text box: its text and selection mirror the model; typing
// becomes the model's text.
#include "platform/input.h"
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

namespace {

class TextBoxControl final : public Bound<TextBox> {
public:
    using Bound::Bound;

    void mirror(Prop prop) override {
        switch (prop) {
            case Prop::Text:
                if (nativeText(hwnd_) != model().text()) api::setWindowText(hwnd_, model().text());
                break;
            case Prop::Selection:
                api::send(hwnd_, EM_SETSEL, static_cast<WPARAM>(model().selStart()),
                          model().selStart() + model().selLength());
                break;
            default:
                NativeControl::mirror(prop);
        }
    }
    void command(int code) override {
        if (code != EN_CHANGE) return;
        // Input the model refuses is taken back.
        fromUser([&] {
            if (!input::type(model(), nativeText(hwnd_))) api::setWindowText(hwnd_, model().text());
        });
    }
    void focusedByTab() override {
        // As in dialogs: the whole text, unless a handler chooses.
        if (!model().onGotFocus) api::send(hwnd_, EM_SETSEL, 0, -1);
    }

protected:
    Spec spec() const override { return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, model().text()}; }
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, TextBox& model) {
    return std::make_unique<TextBoxControl>(site, model);
}

}  // namespace corvane::win32
