// A line: a thin rectangle in its colour, at least one pixel each way.
#include <algorithm>

#include "platform/win32/window_view.h"

namespace corvane::win32 {

namespace {

class Line final : public NativeControl {
public:
    using NativeControl::NativeControl;

    HBRUSH colours(HDC dc) override {
        SetBkColor(dc, model_.backColor());
        return view_.brush(model_.backColor());
    }

protected:
    Spec spec() const override { return {L"STATIC", 0, 0, {}}; }
    RECT box() const override {
        RECT r = NativeControl::box();
        r.right = std::max(r.right, r.left + 1);
        r.bottom = std::max(r.bottom, r.top + 1);
        return r;
    }
};

}  // namespace

std::unique_ptr<NativeControl> makeLine(WindowView& view, Control& model) {
    return std::make_unique<Line>(view, model);
}

}  // namespace corvane::win32
