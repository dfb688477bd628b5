#include "help/form2.h"


namespace corvane {

Form2::Form2(Services& s)
    : services(s),
      window(kForm2, s.folders),
      Combo1(window.get<ComboBox>("Combo1")),
      Command1(window.get<CommandButton>("Command1")),
      Command2(window.get<CommandButton>("Command2")),
      Label2(window.get<Label>("Label2")),
      Label5(window.get<Label>("Label5")),
      Image1(window.get<Image>("Image1")) {
    Combo1.onClick = [this] { Combo1_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    window.onEscape = [this] { Command1_Click(); };
}

void Form2::Form_Load() {
    const AppInfo& app = services.app;
    window.setCaption(L"About " + app.title);
    Command1.setToolTip(L"Return to " + app.title + L".");
    Command2.setToolTip(L"Visit " + app.title + L" homepage.");
    Image1.setPicture(Picture::Icon);
    Label5.setCaption(L"Version " + app.version());
    LoadHelpTopics();
    LoadHelpTexts();
    for (const std::wstring& topic : HelpTopics) Combo1.addItem(L"How do I " + topic);
}

void Form2::LoadHelpTopics() {
    HelpTopics[0] = L"select a program?";
    HelpTopics[1] = L"choose settings?";
    HelpTopics[2] = L"apply the settings to the program?";
}

void Form2::LoadHelpTexts() {
    HelpTexts[0] = std::wstring(L"On the Select Program tab, browse for the program folder and select the program in "
                                L"the list to the right. ") +
                   L"You can then type a name for the batch file, or use the one that Corvane provides. Then click "
                   L"Make.";
    HelpTexts[1] = std::wstring(L"Go to the Choose Settings tab. Set the sliders to the desired settings. Note: on the "
                                L"Clock Speed slider, when the ") +
                   L"display turns red, you've exceeded the manufacturers suggested limit and can damage your card! "
                   L"Then select whatever options you " +
                   L"wish to the right.";
    HelpTexts[2] = std::wstring(L"Corvane will write your settings to a batch file in the program folder. Simply "
                                L"double-click this file to launch the ") +
                   L"program with the selected settings applied.";
}

void Form2::Combo1_Click() {
    if (Combo1.text().empty()) return;
    const int i = Combo1.listIndex();
    if (i < 0 || i >= static_cast<int>(HelpTexts.size())) return;
    Label2.setAlignment(Align::Left);
    Label2.setCaption(HelpTexts[static_cast<std::size_t>(i)]);
}

void Form2::Command1_Click() { loaded = false; }

void Form2::Command2_Click() { OpenWebsite(kHomepage); }

void Form2::OpenWebsite(const std::wstring& strWebsite) {
    if (services.shell.open(strWebsite) < 33) {
        services.messages.show(L"Error: site could not be opened", kExclamation, services.app.title);
    }
}

void showHelp(Services& services, Window& owner) {
    Form2 help(services);
    help.Form_Load();
    struct Blocked {
        Window& w;
        explicit Blocked(Window& window) : w(window) { w.block(); }
        ~Blocked() { w.unblock(); }
    } blocked(owner);
    services.windows.showModal(help.window, owner, [&help] { return !help.loaded; },
                               [&help] { help.Command1_Click(); });
}

}  // namespace corvane
