#include "app/form1.h"

#include "help/form2.h"

namespace corvane {

Form1::Form1(Services& s)
    : services(s),
      window(kForm1, s.folders),
      pages{.tabs = window.get<TabStrip>("TabStrip1"),
            .programPage = window.get<Frame>("Frame2"),
            .settingsPage = window.get<Frame>("Frame1"),
            .driversPage = window.get<Frame>("Frame3"),
            .splash = window.get<CheckBox>("Check1"),
            .exit = window.get<CommandButton>("Command2"),
            .about = window.get<CommandButton>("Command3")},
      picker({.folders = window.get<DirList>("Dir1"),
              .programs = window.get<FileList>("File1"),
              .batchName = window.get<TextBox>("Text1"),
              .batchNameLabel = window.get<Label>("Label1"),
              .programPath = window.get<Label>("Label3"),
              .make = window.get<CommandButton>("Command1")},
             ProgramName),
      settings({.clock = window.get<Slider>("sClock"),
                .refresh = window.get<Slider>("sRefresh"),
                .gamma = window.get<Slider>("sGamma"),
                .clockCaption = window.get<Label>("lblClock"),
                .refreshCaption = window.get<Label>("lblRefresh"),
                .gammaCaption = window.get<Label>("lblGamma"),
                .trueColour = window.get<CheckBox>("cColor")},
               RefreshHz),
      batch({.folders = window.get<DirList>("Dir1"),
             .batchName = window.get<TextBox>("Text1"),
             .scratch = window.get<TextBox>("Text2"),
             .programPath = window.get<Label>("Label3"),
             .batchPath = window.get<Label>("lbl1"),
             .fastMemory = window.get<CheckBox>("cMem"),
             .fastPci = window.get<CheckBox>("cPci"),
             .fastBuffering = window.get<CheckBox>("cBuff"),
             .fastRefresh = window.get<CheckBox>("cRefresh"),
             .trueColour = window.get<CheckBox>("cColor"),
             .splash = window.get<CheckBox>("Check1"),
             .gamma = window.get<Slider>("sGamma"),
             .clock = window.get<Slider>("sClock"),
             .make = window.get<CommandButton>("Command1")},
            {.messages = s.messages, .folders = s.folders, .files = s.files, .codePage = s.oemCodePage, .app = s.app},
            ProgramName, RefreshHz, InstalledGlide),
      settingsFile({.folders = window.get<DirList>("Dir1"),
                    .batchName = window.get<TextBox>("Text1"),
                    .settingsPage = window.get<Frame>("Frame1"),
                    .fastMemory = window.get<CheckBox>("cMem"),
                    .fastPci = window.get<CheckBox>("cPci"),
                    .fastBuffering = window.get<CheckBox>("cBuff"),
                    .fastRefresh = window.get<CheckBox>("cRefresh"),
                    .trueColour = window.get<CheckBox>("cColor"),
                    .splash = window.get<CheckBox>("Check1"),
                    .gamma = window.get<Slider>("sGamma"),
                    .clock = window.get<Slider>("sClock")},
                   {.files = s.files, .codePage = s.oemCodePage}, settings),
      drivers({.driverFiles = window.get<FileList>("File2"),
               .voodoo = window.get<Label>("l1"),
               .glide = window.get<Label>("l2"),
               .glide3 = window.get<Label>("l3"),
               .openGl = window.get<Label>("l4"),
               .directX16 = window.get<Label>("l7"),
               .directX32 = window.get<Label>("l8")},
              s.folders, s.versions, s.codePage, InstalledGlide) {
    picker.onPicked = [this] { settingsFile.programPicked(); };
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
