// A one-line text box: its text and selection mirror the model; typing
// becomes the model's text.
#include "platform/input.h"
#include "platform/win32/window_view.h"

namespace corvane::win32 {

namespace {

class TextBox final : public NativeControl {
public:
    using NativeControl::NativeControl;

    void mirror(Prop prop) override {
        switch (prop) {
            case Prop::Text:
                if (nativeText(hwnd_) != model_.text()) api::setWindowText(hwnd_, model_.text());
                break;
            case Prop::Selection:
                api::send(hwnd_, EM_SETSEL, static_cast<WPARAM>(model_.selStart()),
                             model_.selStart() + model_.selLength());
                break;
            default:
                NativeControl::mirror(prop);
        }
    }
    void command(int code) override {
        if (code != EN_CHANGE) return;
        // Input the model refuses is taken back.
        if (!input::type(model_, nativeText(hwnd_))) api::setWindowText(hwnd_, model_.text());
    }
    void focusedByTab() override {
        // As in dialogs: the whole text, unless a handler chooses.
        if (!model_.onGotFocus) api::send(hwnd_, EM_SETSEL, 0, -1);
    }

protected:
    Spec spec() const override { return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, model_.text()}; }
};

}  // namespace

std::unique_ptr<NativeControl> makeTextBox(WindowView& view, Control& model) {
    return std::make_unique<TextBox>(view, model);
}

}  // namespace corvane::win32
