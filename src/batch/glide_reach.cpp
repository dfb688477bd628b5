#include "batch/glide_reach.h"

#include <string>
#include <utility>

#include "batch/glide_lines.h"

namespace corvane {

void GlideReach::show(const GlideCards& cards, bool known, std::wstring_view glide) {
    const std::wstring why = !cards.wrapper.empty()
        ? L"The game's Glide (" + std::wstring(glide) + L") is a wrapper: it takes its settings from its own configuration."
        : L"The batch file sets nothing of this for the game's Glide (" + std::wstring(glide) + L").";
    std::pair<Setting, Control*> controls[] = {{Setting::Gamma, &values.gamma}, {Setting::Clock, &values.clock},
                                               {Setting::Refresh, &refresh}};
    const auto reach = [&](Setting setting, Control& c) {
        const bool reaches = !known || settingSet(setting, cards);
        c.setToolTip(reaches ? c.row().tooltip : why);
        return reaches;
    };
    for (const auto& [setting, box] : values.boxes()) {
        const bool reaches = reach(setting, *box);
        if (box == &values.trueColour) {
            panel_.setTrueColourReaches(reaches);
        } else {
            box->setEnabled(reaches);
        }
    }
    for (const auto& [setting, c] : controls) c->setEnabled(reach(setting, *c));
}

}  // namespace corvane
