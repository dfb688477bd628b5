// The main window as the tests reach it: its controls by the description's
// names, each as its kind.
#pragma once

#include "app/form1.h"

namespace corvane {

struct TestForm : Form1 {
    using Form1::Form1;

    template <class T>
    T& control(const char* name) const {
        return window.get<T>(name);
    }

    CommandButton& Command1 = control<CommandButton>("Command1");
    CommandButton& Command2 = control<CommandButton>("Command2");
    CommandButton& Command3 = control<CommandButton>("Command3");
    TabStrip& TabStrip1 = control<TabStrip>("TabStrip1");
    Frame& Frame1 = control<Frame>("Frame1");
    Frame& Frame2 = control<Frame>("Frame2");
    Frame& Frame3 = control<Frame>("Frame3");
    DirList& Dir1 = control<DirList>("Dir1");
    FileList& File1 = control<FileList>("File1");
    FileList& File2 = control<FileList>("File2");
    TextBox& Text1 = control<TextBox>("Text1");
    TextBox& Text2 = control<TextBox>("Text2");
    Label& Label1 = control<Label>("Label1");
    Label& Label3 = control<Label>("Label3");
    Slider& sClock = control<Slider>("sClock");
    Slider& sRefresh = control<Slider>("sRefresh");
    Slider& sGamma = control<Slider>("sGamma");
    Label& lblClock = control<Label>("lblClock");
    Label& lblRefresh = control<Label>("lblRefresh");
    Label& lblGamma = control<Label>("lblGamma");
    Label& lbl1 = control<Label>("lbl1");
    CheckBox& cMem = control<CheckBox>("cMem");
    CheckBox& cPci = control<CheckBox>("cPci");
    CheckBox& cBuff = control<CheckBox>("cBuff");
    CheckBox& cRefresh = control<CheckBox>("cRefresh");
    CheckBox& cColor = control<CheckBox>("cColor");
    CheckBox& Check1 = control<CheckBox>("Check1");
};

}  // namespace corvane
