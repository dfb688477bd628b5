// The window's controls whose values a batch file carries: the six boxes,
// and the clock and gamma sliders (the refresh goes by the panel's rate).
#pragma once

#include <array>
#include <utility>

#include "batch/glide_lines.h"
#include "platform/model.h"

namespace corvane {

struct ValueControls {
    CheckBox& fastMemory;     // cMem
    CheckBox& fastPci;        // cPci
    CheckBox& fastBuffering;  // cBuff
    CheckBox& fastRefresh;    // cRefresh
    CheckBox& trueColour;     // cColor
    CheckBox& splash;         // Check1
    Slider& gamma;            // sGamma
    Slider& clock;            // sClock

    // Each box with the setting it carries.
    std::array<std::pair<Setting, CheckBox*>, 6> boxes() const {
        return {{{Setting::FastMemory, &fastMemory},
                 {Setting::FastPci, &fastPci},
                 {Setting::FastBuffering, &fastBuffering},
                 {Setting::FastRefresh, &fastRefresh},
                 {Setting::TrueColour, &trueColour},
                 {Setting::Splash, &splash}}};
    }
};

}  // namespace corvane
