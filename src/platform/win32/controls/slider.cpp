// A horizontal slider with its range, steps and ticks; dragging or keys
// move the model's position.
#include "platform/input.h"
#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

namespace {

class SliderControl final : public Bound<Slider> {
public:
    using Bound::Bound;

    void mirror(Prop prop) override {
        if (prop != Prop::Value) {
            NativeControl::mirror(prop);
        } else if (api::send(hwnd_, TBM_GETPOS, 0, 0) != model().value()) {
            api::send(hwnd_, TBM_SETPOS, TRUE, model().value());
        }
    }
    void scrolled() override {
        const int pos = static_cast<int>(api::send(hwnd_, TBM_GETPOS, 0, 0));
        fromUser([&] { input::moveSlider(model(), pos); });
    }

protected:
    Spec spec() const override {
        return {TRACKBAR_CLASSW, TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | WS_TABSTOP, 0, {}};
    }
    void created() override {
        const SliderRow& s = model().range();
        api::send(hwnd_, TBM_SETRANGEMIN, FALSE, s.min);
        api::send(hwnd_, TBM_SETRANGEMAX, FALSE, s.max);
        api::send(hwnd_, TBM_SETLINESIZE, 0, s.smallStep);
        api::send(hwnd_, TBM_SETPAGESIZE, 0, s.largeStep);
        api::send(hwnd_, TBM_SETTICFREQ, static_cast<WPARAM>(s.tickEvery), 0);
        api::send(hwnd_, TBM_SETPOS, TRUE, model().value());
    }
};

}  // namespace

std::unique_ptr<NativeControl> makeNative(ControlSite& site, Slider& model) {
    return std::make_unique<SliderControl>(site, model);
}

}  // namespace corvane::win32
