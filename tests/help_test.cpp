// The help window: what it shows after loading, the topics, returning, and
// the homepage button.
#include <gtest/gtest.h>

#include "corvane_version.h"

#include "help/help_window.h"
#include "platform/win32/stacking.h"
#include "support/rig.h"

namespace corvane {
namespace {

using test::Rig;

struct Help : ::testing::Test {
    Rig r;
    HelpWindow help{r.services};
    void SetUp() override { help.load(); }
};

TEST_F(Help, LoadSetsCaptionsTooltipsVersionAndTopics) {
    EXPECT_EQ(help.window.caption(), L"About 3dfx Corvane");
    EXPECT_EQ(help.controls.returnButton.toolTip(), L"Return to 3dfx Corvane.");
    EXPECT_EQ(help.controls.homepageButton.toolTip(), L"Visit 3dfx Corvane homepage.");
    EXPECT_EQ(help.controls.homepageButton.caption(), L"&Visit Hompage");
    const std::string version = CORVANE_VERSION_TEXT;  // "1.0.35"
    EXPECT_EQ(help.controls.versionLine.caption(), L"Version " + std::wstring(version.begin(), version.end()));
    EXPECT_EQ(help.controls.icon.picture(), Picture::Icon);
    EXPECT_EQ(help.controls.topicList.items(), (std::vector<std::wstring>{L"How do I select a program?", L"How do I choose settings?",
                                                              L"How do I apply the settings to the program?"}));
    EXPECT_EQ(help.controls.topicList.listIndex(), -1);
    EXPECT_EQ(help.controls.topicList.text(), L"");
    EXPECT_EQ(help.controls.answer.caption(), L"Select a topic above.");
    EXPECT_EQ(help.controls.answer.alignment(), Align::Center);
    EXPECT_EQ(help.window["Image2"].toolTip(), L"Hello, it's me!");
    EXPECT_EQ(help.window.get<Label>("Label1").caption(), L"Corvane");
}

// The three answers, whole, as the window shows them.
const std::wstring kAnswers[] = {
    L"On the Select Program tab, browse for the program folder and select the program in the list to the "
    L"right. You can then type a name for the batch file, or use the one that Corvane provides. Then click "
    L"Make.",
    L"Go to the Choose Settings tab. Set the sliders to the desired settings. Note: on the Clock Speed "
    L"slider, when the display turns red, you've exceeded the manufacturers suggested limit and can damage "
    L"your card! Then select whatever options you wish to the right.",
    L"Corvane will write your settings to a batch file in the program folder. Simply double-click this file "
    L"to launch the program with the selected settings applied.",
};

TEST_F(Help, AnswersAreJoinedFromTheirPieces) {
    for (std::size_t i = 0; i < std::size(kAnswers); ++i) EXPECT_EQ(help.answers[i], kAnswers[i]);
}

TEST_F(Help, PickingATopicShowsItsAnswerLeftAligned) {
    for (const int i : {1, 1, 0, 2}) {
        ASSERT_TRUE(input::pickEntry(help.controls.topicList, i));
        EXPECT_EQ(help.controls.answer.caption(), kAnswers[static_cast<std::size_t>(i)]);
        EXPECT_EQ(help.controls.answer.alignment(), Align::Left);
    }
}

TEST_F(Help, HomepageFailureIsReportedAndTheWindowStays) {
    r.shell.result = 32;
    ASSERT_TRUE(input::press(help.controls.homepageButton));
    ASSERT_EQ(r.shell.opened, std::vector<std::wstring>{kHomepage});
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].prompt, L"Error: site could not be opened");
    EXPECT_EQ(r.messages.shown[0].buttons, 48);
    EXPECT_EQ(r.messages.shown[0].title, L"3dfx Corvane");
    EXPECT_TRUE(help.loaded);
    r.shell.result = 33;
    input::press(help.controls.homepageButton);
    EXPECT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.shell.opened.size(), 2u);
}

TEST(About, OpensModallyAndEveryOpeningStartsAfresh) {
    Rig r;
    r.start();
    int opening = 0;
    r.windows.whileShown = [&](Window& dialog, Window&) {
        ++opening;
        ComboBox& combo = dialog.get<ComboBox>("Combo1");
        EXPECT_EQ(combo.listCount(), 3) << opening;
        EXPECT_EQ(dialog.get<Label>("Label2").caption(), L"Select a topic above.");
        EXPECT_EQ(dialog.get<Label>("Label2").alignment(), Align::Center);
        // The main window takes no input while the help window is shown.
        EXPECT_FALSE(input::press(r.form.controls.exitButton));
        EXPECT_FALSE(input::clickTab(r.form.controls.tabs, 2));
        input::pickEntry(combo, 1);
        if (opening == 1) {
            EXPECT_TRUE(input::press(dialog.get<CommandButton>("Command1")));  // "&Return"
        }
        if (opening == 2) { EXPECT_TRUE(input::escape(dialog)); }
    };
    ASSERT_TRUE(input::press(r.form.controls.aboutButton));
    ASSERT_TRUE(input::press(r.form.controls.aboutButton));  // the second time closed by Esc
    ASSERT_TRUE(input::press(r.form.controls.aboutButton));  // the third by the title bar
    EXPECT_EQ(r.windows.shown, 3);
    EXPECT_FALSE(input::escape(r.form.window));  // Esc means nothing in the main window
    EXPECT_EQ(r.windows.caption, L"About 3dfx Corvane");
    EXPECT_FALSE(r.windows.ownerTookInput);
    EXPECT_EQ(r.program.ends, 0);
    // Afterwards the main window takes input again.
    EXPECT_TRUE(input::clickTab(r.form.controls.tabs, 2));
    EXPECT_TRUE(r.form.controls.settingsPage.visible());
}

// What the layout must hold together: each etched separator is a dark line
// with a white one a pixel under it; the credit label reaches down to the
// separator, which is drawn over it, not hidden behind it; the picture in
// front of the title, the button in front of the topics.
TEST(About, DescriptionHangsTogether) {
    Rig r;
    HelpWindow help(r.services);
    const ControlRow& grey = help.window["Line1(0)"].row();
    for (const char* i : {"(0)", "(1)"}) {
        const ControlRow& dark = help.window[std::string("Line1") + i].row();
        const ControlRow& light = help.window[std::string("Line2") + i].row();
        EXPECT_EQ(light.box.top - dark.box.top, 15) << i;  // one pixel under it
        EXPECT_EQ(dark.colour, kGrey) << i;
        EXPECT_EQ(light.colour, kWhite) << i;
    }
    // The credit label's box reaches down to the separator: the line is
    // drawn over it, not hidden behind it.
    const Box& credit = help.window["Label3"].row().box;
    EXPECT_GE(credit.top + credit.height, grey.box.top);
    EXPECT_TRUE(win32::inFrontOf(kHelpWindow, help.window["Line1(0)"].row(), help.window["Label3"].row()));
    EXPECT_TRUE(win32::inFrontOf(kHelpWindow, help.window["Image1"].row(), help.window["Label1"].row()));
    EXPECT_TRUE(win32::inFrontOf(kHelpWindow, help.window["Command1"].row(), help.window["Combo1"].row()));  // the focus order
}

}  // namespace
}  // namespace corvane
