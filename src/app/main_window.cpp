#include "app/main_window.h"

#include "batch/glide_lines.h"
#include "help/help_window.h"

namespace corvane {

MainWindow::MainWindow(Services& s)
    : services(s),
      window(kMainWindow, s.folders),
      controls(window),
      glideFinder(s.folders, s.versions, s.images, s.codePage, settingVariables()),
      picker({.folders = controls.folders,
              .programs = controls.programs,
              .batchName = controls.batchName,
              .batchNameCaption = controls.batchNameCaption,
              .switches = controls.switches,
              .switchesCaption = controls.switchesCaption,
              .glideWords = controls.glideWords,
              .programPath = controls.programPath,
              .make = controls.makeButton},
             {.messages = s.messages, .app = s.app}, programName),
      settings({.clock = controls.clock,
                .refresh = controls.refresh,
                .gamma = controls.gamma,
                .clockCaption = controls.clockCaption,
                .refreshCaption = controls.refreshCaption,
                .gammaCaption = controls.gammaCaption,
                .trueColour = controls.trueColour},
               refreshHz),
      batch({.folders = controls.folders,
             .batchName = controls.batchName,
             .switches = controls.switches,
             .scratch = controls.scratch,
             .programPath = controls.programPath,
             .batchPath = controls.lastBatchPath,
             .values = controls.values(),
             .make = controls.makeButton},
            {.messages = s.messages, .folderService = s.folders, .files = s.files, .codePage = s.oemCodePage, .app = s.app},
            programName, refreshHz, gameGlideReads),
      settingsFile({.folders = controls.folders,
                    .batchName = controls.batchName,
                    .switches = controls.switches,
                    .settingsPage = controls.settingsPage,
                    .values = controls.values()},
                   {.files = s.files, .codePage = s.oemCodePage}, settings, gameGlideReads),
      glideReach({.values = controls.values(), .refresh = controls.refresh}, settings),
      drivers({.driverFiles = controls.driverFiles,
               .voodoo = controls.voodooVersion,
               .glide = controls.glideVersion,
               .glide3 = controls.glide3Version,
               .openGl = controls.openGlVersion,
               .directX16 = controls.directX16Version,
               .directX32 = controls.directX32Version},
              s.folders, s.versions, s.codePage, installedGlide) {
    picker.onPicked = [this] { programPicked(); };
    controls.tabs.onClick = [this] { showSelectedPage(); };
    controls.exitButton.onClick = [this] { exitProgram(); };
    controls.aboutButton.onClick = [this] { openHelp(); };
    window.onDropFiles = [this](const std::vector<std::wstring>& paths) { pickFromOutside(paths); };
}

void MainWindow::load() {
    if (services.instance.previousRunning()) {
        if (!commandPaths.empty()) services.instance.handOver(window.caption(), commandPaths);
        services.program.end();
        return;
    }
    picker.showFolder(L"C:\\");
    controls.tabs.selectTab(1);
    showSelectedPage();
    controls.splash.setValue(1);
    drivers.scan();
}

void MainWindow::programPicked() {
    gameGlide = glideFinder.find(controls.programPath.caption());
    gameGlideReads = gameGlide.cards(installedGlide);
    const std::wstring summary = gameGlide.summary();
    controls.glideWords.setCaption(summary.empty() ? std::wstring() : L"Glide: " + summary);
    controls.glideWords.setToolTip(gameGlide.words());
    glideReach.show(gameGlideReads, gameGlide.known(), summary);
    settingsFile.programPicked();
}

void MainWindow::showSelectedPage() {
    const TabStrip& tabs = controls.tabs;
    // Asked tab by tab; with none selected the pages stay as they are.
    for (int tab = 1; tab <= 3; ++tab) {
        if (!tabs.tabSelected(tab)) continue;
        controls.settingsPage.setVisible(tab == 2);
        controls.programPage.setVisible(tab == 1);
        controls.driversPage.setVisible(tab == 3);
        return;
    }
}

void MainWindow::exitProgram() { services.program.end(); }

void MainWindow::openHelp() { showHelp(services, window); }

}  // namespace corvane
