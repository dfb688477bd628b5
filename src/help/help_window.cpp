#include "help/help_window.h"


namespace corvane {

HelpWindow::HelpWindow(Services& s) : services(s), window(kHelpWindow, s.folders), controls(window) {
    controls.topicList.onClick = [this] { topicPicked(); };
    controls.returnButton.onClick = [this] { returnToMain(); };
    controls.homepageButton.onClick = [this] { visitHomepage(); };
    window.onEscape = [this] { returnToMain(); };
}

void HelpWindow::load() {
    const AppInfo& app = services.app;
    window.setCaption(L"About " + app.title);
    controls.returnButton.setToolTip(L"Return to " + app.title + L".");
    controls.homepageButton.setToolTip(L"Visit " + app.title + L" homepage.");
    controls.icon.setPicture(Picture::Icon);
    controls.versionLine.setCaption(L"Version " + app.version());
    loadTopics();
    loadAnswers();
    for (const std::wstring& topic : topics) controls.topicList.addItem(L"How do I " + topic);
}

void HelpWindow::loadTopics() {
    topics[0] = L"select a program?";
    topics[1] = L"choose settings?";
    topics[2] = L"apply the settings to the program?";
}

void HelpWindow::loadAnswers() {
    answers[0] = std::wstring(L"On the Select Program tab, browse for the program folder and select the program in "
                                L"the list to the right. ") +
                   L"You can then type a name for the batch file, or use the one that Corvane provides. Then click "
                   L"Make.";
    answers[1] = std::wstring(L"Go to the Choose Settings tab. Set the sliders to the desired settings. Note: on the "
                                L"Clock Speed slider, when the ") +
                   L"display turns red, you've exceeded the manufacturers suggested limit and can damage your card! "
                   L"Then select whatever options you " +
                   L"wish to the right.";
    answers[2] = std::wstring(L"Corvane will write your settings to a batch file in the program folder. Simply "
                                L"double-click this file to launch the ") +
                   L"program with the selected settings applied.";
}

void HelpWindow::topicPicked() {
    if (controls.topicList.text().empty()) return;
    const int i = controls.topicList.listIndex();
    if (i < 0 || i >= static_cast<int>(answers.size())) return;
    controls.answer.setAlignment(Align::Left);
    controls.answer.setCaption(answers[static_cast<std::size_t>(i)]);
}

void HelpWindow::returnToMain() { loaded = false; }

void HelpWindow::visitHomepage() { openWebsite(kHomepage); }

void HelpWindow::openWebsite(const std::wstring& url) {
    if (services.shell.open(url) < 33) {
        services.messages.show(L"Error: site could not be opened", kExclamation, services.app.title);
    }
}

void showHelp(Services& services, Window& owner) {
    HelpWindow help(services);
    help.load();
    struct Blocked {
        Window& w;
        explicit Blocked(Window& window) : w(window) { w.block(); }
        ~Blocked() { w.unblock(); }
    } blocked(owner);
    services.windows.showModal(help.window, owner, [&help] { return !help.loaded; },
                               [&help] { help.returnToMain(); });
}

}  // namespace corvane
