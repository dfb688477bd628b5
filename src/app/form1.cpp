#include "app/form1.h"

#include "help/form2.h"

namespace corvane {

Form1::Form1(Services& s)
    : services(s),
      window(kForm1, s.folders),
      Command1(window["Command1"]),
      Command2(window["Command2"]),
      Command3(window["Command3"]),
      TabStrip1(window["TabStrip1"]),
      Frame1(window["Frame1"]),
      Frame2(window["Frame2"]),
      Frame3(window["Frame3"]),
      Dir1(window["Dir1"]),
      File1(window["File1"]),
      File2(window["File2"]),
      Text1(window["Text1"]),
      Text2(window["Text2"]),
      Label1(window["Label1"]),
      Label3(window["Label3"]),
      sClock(window["sClock"]),
      sRefresh(window["sRefresh"]),
      sGamma(window["sGamma"]),
      lblClock(window["lblClock"]),
      lblRefresh(window["lblRefresh"]),
      lblGamma(window["lblGamma"]),
      lbl1(window["lbl1"]),
      cMem(window["cMem"]),
      cPci(window["cPci"]),
      cBuff(window["cBuff"]),
      cRefresh(window["cRefresh"]),
      cColor(window["cColor"]),
      Check1(window["Check1"]),
      picker({Dir1, File1, Text1, Label1, Label3, Command1}, ProgramName),
      settings({sClock, sRefresh, sGamma, lblClock, lblRefresh, lblGamma, cColor}, RefreshHz),
      batch({Dir1, Text1, Text2, Label3, lbl1, cMem, cPci, cBuff, cRefresh, cColor, Check1, sGamma, sClock},
            {s.messages, s.folders, s.files, s.codePage, s.app.title}, ProgramName, RefreshHz, InstalledGlide),
      drivers({File2, window["l1"], window["l2"], window["l3"], window["l4"], window["l7"], window["l8"]}, s.versions,
              s.codePage, InstalledGlide) {
    TabStrip1.onClick = [this] { TabStrip1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Dir1.onChange = [this] { picker.Dir1_Change(); };
    File1.onPathChange = [this] { picker.File1_PathChange(); };
    File1.onClick = [this] { picker.File1_Click(); };
    Text1.onChange = [this] { picker.Text1_Change(); };
    Text1.onGotFocus = [this] { picker.Text1_GotFocus(); };
    sClock.onChange = [this] { settings.sClock_PositionChanged(); };
    sRefresh.onChange = [this] { settings.sRefresh_PositionChanged(); };
    sGamma.onChange = [this] { settings.sGamma_PositionChanged(); };
    Command1.onClick = [this] { batch.Command1_Click(); };
    window.onDropFiles = [this](const std::vector<std::wstring>& paths) { DropFiles(paths); };
}

void Form1::Form_Load() {
    if (services.instance.previousRunning()) {
        if (!CommandPaths.empty()) services.instance.handOver(window.caption(), CommandPaths);
        services.program.end();
        return;
    }
    Dir1.setPath(L"C:\\");
    TabStrip1.selectTab(1);
    TabStrip1_Click();
    Check1.setValue(1);
    drivers.ScanDrivers();
}

void Form1::TabStrip1_Click() {
    if (TabStrip1.tabSelected(1)) {
        Frame1.setVisible(false);
        Frame2.setVisible(true);
        Frame3.setVisible(false);
    } else if (TabStrip1.tabSelected(2)) {
        Frame1.setVisible(true);
        Frame2.setVisible(false);
        Frame3.setVisible(false);
    } else if (TabStrip1.tabSelected(3)) {
        Frame1.setVisible(false);
        Frame2.setVisible(false);
        Frame3.setVisible(true);
    }
}

void Form1::Command2_Click() { services.program.end(); }

void Form1::Command3_Click() { showHelp(services, window); }

}  // namespace corvane
