// A push button: pressed by the mouse, its access key or Enter.
#include "platform/input.h"
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

namespace {

class CommandButtonControl final : public Bound<CommandButton> {
public:
    using Bound::Bound;

    void mirror(Prop prop) override {
        if (prop == Prop::Caption) {
            api::setWindowText(hwnd_, model().caption());
        } else {
            NativeControl::mirror(prop);
        }
    }

    void command(int code) override {
        if (code == BN_CLICKED) fromUser([&] { input::press(model()); });
    }

protected:
    Spec spec() const override { return {L"BUTTON", BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP, 0, model().caption()}; }
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, CommandButton& model) {
    return std::make_unique<CommandButtonControl>(site, model);
}

}  // namespace corvane::win32
