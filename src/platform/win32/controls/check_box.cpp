// A check box: its tick mirrors the model's value (0, 1, or 2 for greyed);
// a click asks the model to toggle it.
#include "platform/input.h"
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

namespace {

class CheckBoxControl final : public Bound<CheckBox> {
public:
    using Bound::Bound;

    void mirror(Prop prop) override {
        if (prop == Prop::Value) {
            tick();
        } else if (prop == Prop::Caption) {
            api::setWindowText(hwnd_, model().caption());
        } else {
            NativeControl::mirror(prop);
        }
    }
    void command(int code) override {
        if (code == BN_CLICKED) fromUser([&] { input::toggle(model()); });
    }

protected:
    Spec spec() const override { return {L"BUTTON", BS_CHECKBOX | BS_NOTIFY | WS_TABSTOP, 0, model().caption()}; }
    void created() override { tick(); }

private:
    void tick() { api::send(hwnd_, BM_SETCHECK, static_cast<WPARAM>(model().value()), 0); }
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, CheckBox& model) {
    return std::make_unique<CheckBoxControl>(site, model);
}

}  // namespace corvane::win32
