// The main window on the real folders, files, code page, version files and
// modal windows, with the message box, a running instance, the program's end
// and the shell scripted: what the Wine tests, the screenshots and the
// benchmarks run the window on.
#pragma once

#include "app/main_window.h"
#include "main/real_services.h"
#include "support/rig.h"

namespace corvane::test {

template <class FolderT = win32::Folders>
struct WindowsRig {
    ScriptedMessages messages;
    FolderT folders;
    win32::Files files;
    win32::AnsiCodePage codePage;
    win32::OemCodePage oemCodePage;
    FakeInstance instance;
    EndRecorder program;
    VersionReader versions{fileVersions(codePage)};
    win32::ImageFiles images;
    FakeShell shell;
    win32::ModalHost windows;
    Services services = servicesOf(*this, corvaneInfo());
    MainWindow form{services};
};

}  // namespace corvane::test
