// The "Choose Settings" page: slider captions, the clock warning, the
// refresh rate and the rule that ties "24-Bit Color" to it.
#pragma once

#include <cstdint>

#include "platform/model.h"

namespace corvane {

struct SettingsControls {
    Control& sClock;
    Control& sRefresh;
    Control& sGamma;
    Control& lblClock;
    Control& lblRefresh;
    Control& lblGamma;
    Control& cColor;
};

class SettingsPanel : SettingsControls {
public:
    // `refreshHz` is the window's RefreshHz, which only the panel sets.
    SettingsPanel(const SettingsControls& controls, std::int16_t& refreshHz)
        : SettingsControls(controls), RefreshHz(refreshHz) {}

    void sClock_PositionChanged();
    void sRefresh_PositionChanged();
    void sGamma_PositionChanged();

private:
    std::int16_t& RefreshHz;
};

}  // namespace corvane
