// A line: a thin rectangle in its colour, at least one pixel each way.
#include <algorithm>

#include "platform/win32/api.h"
#include "platform/win32/native_control.h"

namespace corvane::win32 {

namespace {

class LineControl final : public Bound<Line> {
public:
    using Bound::Bound;

    HBRUSH colours(HDC dc) override {
        SetBkColor(dc, model().colour());
        return site_.brush(model().colour());
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

std::unique_ptr<NativeControl> makeNative(ControlSite& site, Line& model) {
    return std::make_unique<LineControl>(site, model);
}

}  // namespace corvane::win32
