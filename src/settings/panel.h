// The "Choose Settings" page: slider captions, the clock warning, the
// refresh rate and the rule that ties "24-Bit Color" to it.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

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
    // `refreshHz` is the window's rate chosen, which only the panel sets. The
    // panel's handlers are wired to its sliders here.
    SettingsPanel(const SettingsControls& controls, std::int16_t& refreshHz);
    SettingsPanel(const SettingsPanel&) = delete;
    SettingsPanel& operator=(const SettingsPanel&) = delete;

    void clockMoved();
    void refreshMoved();
    void gammaMoved();

    // The rates the refresh slider's positions stand for, from its first.
    static std::span<const int> refreshRates();
    // Shows a refresh rate as if the user had set it; 0, the slider never
    // moved, as at start-up: the slider at its first position and the rate
    // 0. False for a rate the slider has no position for.
    bool showRefresh(int hz);
    // Runs after a slider's handler, whoever moved it.
    std::function<void()> onChanged;
    // Whether "24-Bit Color" reaches the game at all: where it does not, the
    // box stays disabled at every rate.
    void setTrueColourReaches(bool reaches);

private:
    void enableTrueColour();
    std::int16_t& refreshHz_;
    bool trueColourReaches_ = true;
};

}  // namespace corvane
