// The "Choose Settings" page: slider captions, the clock warning, the
// refresh rate and the rule that ties "24-Bit Color" to it.
#pragma once

#include <cstdint>

#include "platform/model.h"

namespace corvane {

struct SettingsControls {
    Slider& clock;           // sClock
    Slider& refresh;         // sRefresh
    Slider& gamma;           // sGamma
    Label& clockCaption;     // lblClock
    Label& refreshCaption;   // lblRefresh
    Label& gammaCaption;     // lblGamma
    CheckBox& trueColour;    // cColor
};

class SettingsPanel : SettingsControls {
public:
    // `refreshHz` is the window's RefreshHz, which only the panel sets. The
    // panel's handlers are wired to its sliders here.
    SettingsPanel(const SettingsControls& controls, std::int16_t& refreshHz);
    SettingsPanel(const SettingsPanel&) = delete;
    SettingsPanel& operator=(const SettingsPanel&) = delete;

    void sClock_PositionChanged();
    void sRefresh_PositionChanged();
    void sGamma_PositionChanged();

private:
    std::int16_t& RefreshHz;
};

}  // namespace corvane
