#include <array>
#include <string>

#include "platform/decimal.h"
#include "settings/panel.h"
#include "settings/number_text.h"

namespace corvane {

namespace {

constexpr int kSafeClock = 100;
constexpr std::array<std::int16_t, 5> kRefreshRates = {60, 75, 85, 100, 120};
constexpr int kTrueColourAbove = 75;

}  // namespace

void SettingsPanel::sClock_PositionChanged() {
    const int v = sClock.value();
    lblClock.setCaption(L"Clock Speed: " + decimal(v) + L"Mhz");
    lblClock.setBackColor(v > kSafeClock ? kRed : kButtonFace);
}

void SettingsPanel::sRefresh_PositionChanged() {
    const int p = sRefresh.value();
    if (p >= 1 && p <= static_cast<int>(kRefreshRates.size())) RefreshHz = kRefreshRates[static_cast<std::size_t>(p - 1)];
    lblRefresh.setCaption(L"Refresh: " + decimal(RefreshHz) + L"Hz");
    cColor.setEnabled(RefreshHz > kTrueColourAbove);
}

void SettingsPanel::sGamma_PositionChanged() { lblGamma.setCaption(L"Gamma: " + gammaText(sGamma.value())); }

}  // namespace corvane
