#include <algorithm>
#include <array>
#include <string>

#include "platform/decimal.h"
#include "settings/panel.h"
#include "settings/number_text.h"

namespace corvane {

namespace {

constexpr int kSafeClock = 100;
constexpr std::array<int, 5> kRefreshRates = {60, 75, 85, 100, 120};
constexpr int kTrueColourAbove = 75;

}  // namespace

SettingsPanel::SettingsPanel(const SettingsControls& controls, std::int16_t& refreshHz)
    : SettingsControls(controls), refreshHz_(refreshHz) {
    clock.onChange = [this] { clockMoved(); };
    refresh.onChange = [this] { refreshMoved(); };
    gamma.onChange = [this] { gammaMoved(); };
}

void SettingsPanel::clockMoved() {
    const int v = clock.value();
    clockCaption.setCaption(L"Clock Speed: " + decimal(v) + L"Mhz");
    clockCaption.setBackColor(v > kSafeClock ? kRed : kButtonFace);
    if (onChanged) onChanged();
}

void SettingsPanel::refreshMoved() {
    const int p = refresh.value();
    if (p >= 1 && p <= static_cast<int>(kRefreshRates.size())) {
        refreshHz_ = static_cast<std::int16_t>(kRefreshRates[static_cast<std::size_t>(p - 1)]);
    }
    refreshCaption.setCaption(L"Refresh: " + decimal(refreshHz_) + L"Hz");
    // Never ticked where it can't be: the file would force 24 bits at a rate
    // the box says it is off for.
    if (refreshHz_ <= kTrueColourAbove && trueColour.value() == 1) trueColour.setValue(0);
    enableTrueColour();
    if (onChanged) onChanged();
}

void SettingsPanel::enableTrueColour() { trueColour.setEnabled(refreshHz_ > kTrueColourAbove && trueColourReaches_); }

void SettingsPanel::setTrueColourReaches(bool reaches) {
    trueColourReaches_ = reaches;
    enableTrueColour();
}

void SettingsPanel::gammaMoved() {
    gammaCaption.setCaption(L"Gamma: " + gammaText(gamma.value()));
    if (onChanged) onChanged();
}

std::span<const int> SettingsPanel::refreshRates() { return kRefreshRates; }

bool SettingsPanel::showRefresh(int hz) {
    const auto* at = std::find(kRefreshRates.begin(), kRefreshRates.end(), hz);
    if (hz != 0 && at == kRefreshRates.end()) return false;
    const int position = hz == 0 ? refresh.range().min : static_cast<int>(at - kRefreshRates.begin()) + 1;
    refresh.setValue(position);
    // The same position as before runs no handler.
    refreshMoved();
    refreshHz_ = static_cast<std::int16_t>(hz);
    return true;
}

}  // namespace corvane
