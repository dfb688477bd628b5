// The real Windows services bound to the program: what corvane.exe runs on.
#pragma once

#include "app/app_info.h"
#include "drivers/version_reader.h"
#include "platform/services.h"
#include "platform/win32/file_source.h"
#include "platform/win32/modal_host.h"
#include "platform/win32/system_services.h"

namespace corvane {

// Version resources read with the program's own reader from the files
// themselves, in the user's language where a file has several.
inline VersionReader fileVersions(const CodePageService& codePage) {
    return VersionReader(win32::openFile, codePage, LANGIDFROMLCID(GetUserDefaultLCID()));
}

struct RealServices {
    win32::MessageBoxes messages;
    win32::Folders folders;
    win32::Files files;
    win32::AnsiCodePage codePage;
    win32::OemCodePage oemCodePage;
    win32::SingleInstance instance;
    win32::Program program;
    VersionReader versions{fileVersions(codePage)};
    win32::ImageFiles images;
    win32::Shell shell;
    win32::ModalHost windows;
    Services services = servicesOf(*this, corvaneInfo());
};

}  // namespace corvane
