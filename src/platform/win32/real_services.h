// Every real service, wired together as the program uses them.
#pragma once

#include "app/app_info.h"
#include "app/form1.h"
#include "platform/win32/modal_host.h"
#include "platform/win32/services.h"

namespace corvane::win32 {

struct RealServices {
    MessageBoxes messages;
    Folders folders;
    Files files;
    AnsiCodePage codePage;
    SingleInstance instance;
    Program program;
    VersionDll versions;
    Shell shell;
    ModalHost windows;
    Services services{messages, folders, files, codePage, instance, program, versions, shell, windows, corvaneInfo()};
};

}  // namespace corvane::win32
