// The about and help window: version line, three "How do I " answers and the
// homepage button. Each opening loads it afresh.
#pragma once

#include <array>
#include <string>

#include "platform/model.h"
#include "platform/services.h"

namespace corvane {

extern const WindowDesc kHelpWindow;

// The program's own homepage and the credit line's name.
inline constexpr const wchar_t* kHomepage = L"https://corvane.example/";

// The help window's controls that the program works on, reached through
// their rows of the description (help_window_desc.cpp).
struct HelpControls {
    explicit HelpControls(const Window& window);

    ComboBox& topicList;            // Combo1: "How do I " and each topic
    CommandButton& returnButton;    // Command1 "&Return"
    CommandButton& homepageButton;  // Command2 "&Visit Hompage"
    Label& answer;                  // Label2
    Label& versionLine;             // Label5
    Image& icon;                    // Image1
};

class HelpWindow {
public:
    explicit HelpWindow(Services& services);
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    Services& services;
    Window window;
    HelpControls controls;
    bool loaded = true;  // until unloaded by "&Return" or the close button

    // The questions, and the answer of each at the same index.
    std::array<std::wstring, 3> topics;
    std::array<std::wstring, 3> answers;

    // Fills the captions, tooltips, picture, version line and topic list.
    void load();
    // Shows the answer of the topic picked in the list.
    void topicPicked();
    // Unloads the window, as "&Return", Esc and the close button do.
    void returnToMain();
    void visitHomepage();
    // Opens `url` in the web browser, or says that it could not.
    void openWebsite(const std::wstring& url);

private:
    void loadTopics();
    void loadAnswers();
};

// Loads the help window afresh and shows it modally over `owner`, which
// takes no input until it is unloaded.
void showHelp(Services& services, Window& owner);

}  // namespace corvane
