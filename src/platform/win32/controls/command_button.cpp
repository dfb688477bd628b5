// A push button: pressed by the mouse, its access key or Enter.
#include "platform/input.h"
#include "platform/win32/window_view.h"

namespace corvane::win32 {

namespace {

class CommandButton final : public NativeControl {
public:
    using NativeControl::NativeControl;

    void command(int code) override {
        if (code == BN_CLICKED) input::press(model_);
    }

protected:
    Spec spec() const override { return {L"BUTTON", BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP, 0, model_.caption()}; }
};

}  // namespace

std::unique_ptr<NativeControl> makeCommandButton(WindowView& view, Control& model) {
    return std::make_unique<CommandButton>(view, model);
}

}  // namespace corvane::win32
