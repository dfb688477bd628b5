#include "app/form1.h"

#include "help/form2.h"

namespace corvane {

Form1::Form1(Services& s)
    : services(s),
      window(kForm1, s.folders),
      pages{window.get<TabStrip>("TabStrip1"), window.get<Frame>("Frame2"),         window.get<Frame>("Frame1"),
            window.get<Frame>("Frame3"),       window.get<CheckBox>("Check1"),      window.get<CommandButton>("Command2"),
            window.get<CommandButton>("Command3")},
      picker({window.get<DirList>("Dir1"), window.get<FileList>("File1"), window.get<TextBox>("Text1"),
              window.get<Label>("Label1"), window.get<Label>("Label3"), window.get<CommandButton>("Command1")},
             ProgramName),
      settings({window.get<Slider>("sClock"), window.get<Slider>("sRefresh"), window.get<Slider>("sGamma"),
                window.get<Label>("lblClock"), window.get<Label>("lblRefresh"), window.get<Label>("lblGamma"),
                window.get<CheckBox>("cColor")},
               RefreshHz),
      batch({window.get<DirList>("Dir1"), window.get<TextBox>("Text1"), window.get<TextBox>("Text2"),
             window.get<Label>("Label3"), window.get<Label>("lbl1"), window.get<CheckBox>("cMem"),
             window.get<CheckBox>("cPci"), window.get<CheckBox>("cBuff"), window.get<CheckBox>("cRefresh"),
             window.get<CheckBox>("cColor"), window.get<CheckBox>("Check1"), window.get<Slider>("sGamma"),
             window.get<Slider>("sClock"), window.get<CommandButton>("Command1")},
            {s.messages, s.folders, s.files, s.codePage, s.app.title}, ProgramName, RefreshHz, InstalledGlide),
      drivers({window.get<FileList>("File2"), window.get<Label>("l1"), window.get<Label>("l2"), window.get<Label>("l3"),
               window.get<Label>("l4"), window.get<Label>("l7"), window.get<Label>("l8")},
              s.folders, s.versions, s.codePage, InstalledGlide) {
    pages.tabs.onClick = [this] { TabStrip1_Click(); };
    pages.exit.onClick = [this] { Command2_Click(); };
    pages.about.onClick = [this] { Command3_Click(); };
    window.onDropFiles = [this](const std::vector<std::wstring>& paths) { DropFiles(paths); };
}

void Form1::Form_Load() {
    if (services.instance.previousRunning()) {
        if (!CommandPaths.empty()) services.instance.handOver(window.caption(), CommandPaths);
        services.program.end();
        return;
    }
    picker.Show(L"C:\\");
    pages.tabs.selectTab(1);
    TabStrip1_Click();
    pages.splash.setValue(1);
    drivers.ScanDrivers();
}

void Form1::TabStrip1_Click() {
    const TabStrip& tabs = pages.tabs;
    if (tabs.tabSelected(1)) {
        pages.settingsPage.setVisible(false);
        pages.programPage.setVisible(true);
        pages.driversPage.setVisible(false);
    } else if (tabs.tabSelected(2)) {
        pages.settingsPage.setVisible(true);
        pages.programPage.setVisible(false);
        pages.driversPage.setVisible(false);
    } else if (tabs.tabSelected(3)) {
        pages.settingsPage.setVisible(false);
        pages.programPage.setVisible(false);
        pages.driversPage.setVisible(true);
    }
}

void Form1::Command2_Click() { services.program.end(); }

void Form1::Command3_Click() { showHelp(services, window); }

}  // namespace corvane
