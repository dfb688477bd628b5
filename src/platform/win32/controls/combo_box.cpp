// A drop-down list: its entries and the picked one mirror the model; a pick
// becomes the model's.
#include "platform/input.h"
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

namespace {

class ComboBoxControl final : public Bound<ComboBox> {
public:
    using Bound::Bound;

    void mirror(Prop prop) override {
        if (prop == Prop::Items) {
            fill();
        } else if (prop == Prop::ListIndex) {
            if (api::send(hwnd_, CB_GETCURSEL, 0, 0) != model().listIndex()) {
                api::send(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(model().listIndex()), 0);
            }
        } else {
            NativeControl::mirror(prop);
        }
    }
    void command(int code) override {
        if (code != CBN_SELCHANGE) return;
        const int i = static_cast<int>(api::send(hwnd_, CB_GETCURSEL, 0, 0));
        fromUser([&] { input::pickEntry(model(), i); });
    }

protected:
    Spec spec() const override { return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, {}}; }
    void created() override { fill(); }
    RECT box() const override {
        // With room for the dropped-down list.
        RECT r = NativeControl::box();
        r.bottom += site_.textHeight() * 8;
        return r;
    }

private:
    void fill() {
        api::send(hwnd_, CB_RESETCONTENT, 0, 0);
        for (const auto& s : model().items()) api::sendString(hwnd_, CB_ADDSTRING, 0, s);
        api::send(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(model().listIndex()), 0);
    }
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, ComboBox& model) {
    return std::make_unique<ComboBoxControl>(site, model);
}

}  // namespace corvane::win32
