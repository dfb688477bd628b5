// The "Choose Settings" page: captions, the clock warning, the refresh rate
// and "24-Bit Color".
#include <gtest/gtest.h>

#include "settings/number_text.h"
#include "support/rig.h"

namespace corvane {
namespace {

using test::Rig;

struct Settings : ::testing::Test {
    Rig r;
    MainWindow& f = r.form;
    void SetUp() override {
        r.start();
        input::clickTab(f.controls.tabs, 2);
    }
};

TEST_F(Settings, ClockCaptionTurnsRedOnlyAboveOneHundred) {
    const struct {
        int position;
        const wchar_t* caption;
        std::uint32_t colour;
    } cases[] = {{100, L"Clock Speed: 100Mhz", kButtonFace},
                 {101, L"Clock Speed: 101Mhz", kRed},
                 {105, L"Clock Speed: 105Mhz", kRed},
                 {95, L"Clock Speed: 95Mhz", kButtonFace},
                 {110, L"Clock Speed: 110Mhz", kRed}};
    for (const auto& c : cases) {
        ASSERT_TRUE(input::moveSlider(f.controls.clock, c.position));
        EXPECT_EQ(f.controls.clockCaption.caption(), c.caption);
        EXPECT_EQ(f.controls.clockCaption.backColor(), c.colour) << c.position;
    }
}

TEST_F(Settings, RefreshSetsTheRateAndTheTrueColourRule) {
    const struct {
        int position;
        int hz;
        bool colour;
    } cases[] = {{2, 75, false}, {3, 85, true}, {5, 120, true}, {4, 100, true}, {1, 60, false}};
    for (const auto& c : cases) {
        input::moveSlider(f.controls.refresh, c.position);
        EXPECT_EQ(f.refreshHz, c.hz);
        EXPECT_EQ(f.controls.refreshCaption.caption(), L"Refresh: " + std::to_wstring(c.hz) + L"Hz");
        EXPECT_EQ(f.controls.trueColour.enabled(), c.colour) << c.position;
    }
}

// Never ticked while it can't be ticked: disabled, it is clear.
TEST_F(Settings, TrueColourLosesItsTickWhenDisabled) {
    input::moveSlider(f.controls.refresh, 3);
    ASSERT_TRUE(input::toggle(f.controls.trueColour));
    input::moveSlider(f.controls.refresh, 1);
    EXPECT_EQ(f.refreshHz, 60);
    EXPECT_FALSE(f.controls.trueColour.enabled());
    EXPECT_EQ(f.controls.trueColour.value(), 0);
    EXPECT_FALSE(input::toggle(f.controls.trueColour));  // a disabled box can't be clicked
}

TEST_F(Settings, RefreshIsZeroUntilTheSliderFirstMoves) {
    EXPECT_EQ(f.refreshHz, 0);
    input::moveSlider(f.controls.refresh, 1);  // already there: nothing moves
    EXPECT_EQ(f.refreshHz, 0);
    input::moveSlider(f.controls.refresh, 2);
    input::moveSlider(f.controls.refresh, 1);
    EXPECT_EQ(f.refreshHz, 60);
    EXPECT_EQ(f.controls.refreshCaption.caption(), L"Refresh: 60Hz");
}

TEST_F(Settings, GammaCaptions) {
    const std::pair<int, const wchar_t*> cases[] = {
        {30, L"Gamma: 0.3"}, {100, L"Gamma: 1"}, {150, L"Gamma: 1.5"}, {195, L"Gamma: 1.95"}, {25, L"Gamma: 0.25"}};
    for (const auto& [position, caption] : cases) {
        input::moveSlider(f.controls.gamma, position);
        EXPECT_EQ(f.controls.gammaCaption.caption(), caption);
    }
}

TEST(NumberText, EveryGammaPositionIsShortAndExact) {
    for (int v = 25; v <= 195; ++v) {
        const std::wstring t = gammaText(v);
        std::wstring expected = std::to_wstring(v / 100) + L"." + (v % 100 < 10 ? L"0" : L"") + std::to_wstring(v % 100);
        while (expected.back() == L'0') expected.pop_back();
        if (expected.back() == L'.') expected.pop_back();
        EXPECT_EQ(t, expected) << v;
    }
}

TEST(NumberText, HundredthsAreExactWithoutExponentOrTrailingZeros) {
    EXPECT_EQ(hundredthsText(0), L"0");
    EXPECT_EQ(hundredthsText(5), L"0.05");
    EXPECT_EQ(hundredthsText(50), L"0.5");
    EXPECT_EQ(hundredthsText(100), L"1");
    EXPECT_EQ(hundredthsText(195), L"1.95");
    EXPECT_EQ(hundredthsText(12345650), L"123456.5");
    EXPECT_EQ(hundredthsText(1000000000000000000LL), L"10000000000000000");
    EXPECT_EQ(hundredthsText(-50), L"-0.5");
    EXPECT_EQ(hundredthsText(-1), L"-0.01");
    EXPECT_EQ(hundredthsText(-9223372036854775807LL - 1), L"-92233720368547758.08");
}

}  // namespace
}  // namespace corvane
