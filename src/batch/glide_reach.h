// The settings page as the Glide the picked game loads takes it: a control
// whose setting the batch file sets nothing of for that Glide is disabled,
// and its tooltip says why. Where nothing is known of the Glide, every
// control is as the page has it.
#pragma once

#include <string_view>

#include "batch/value_controls.h"
#include "drivers/glide_family.h"
#include "platform/model.h"
#include "settings/panel.h"

namespace corvane {

struct GlideReachControls {
    ValueControls values;
    Slider& refresh;  // sRefresh
};

class GlideReach : GlideReachControls {
public:
    GlideReach(const GlideReachControls& controls, SettingsPanel& panel) : GlideReachControls(controls), panel_(panel) {}

    // `cards`: what the file is made for; `known`: whether the Glide was
    // told; `glide`: how the tooltips name it.
    void show(const GlideCards& cards, bool known, std::wstring_view glide);

private:
    SettingsPanel& panel_;
};

}  // namespace corvane
