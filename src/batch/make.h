// "&Make": confirms the batch file's path and writes it beside the program.
#pragma once

#include <cstdint>
#include <string>

#include "drivers/glide_family.h"
#include "platform/model.h"
#include "platform/services.h"

namespace corvane {

struct BatchControls {
    Control& Dir1;
    Control& Text1;
    Control& Text2;   // scratch: a long name is cut at its blanks here
    Control& Label3;  // the picked program's full path
    Control& lbl1;    // the batch file's path, last made or asked
    Control& cMem;
    Control& cPci;
    Control& cBuff;
    Control& cRefresh;
    Control& cColor;
    Control& Check1;
    Control& sGamma;
    Control& sClock;
};

struct BatchServices {
    MessageBoxService& messages;
    FolderService& folders;
    FileStore& files;
    const CodePageService& codePage;
    const std::wstring& title;
};

class BatchMaker : BatchControls {
public:
    // Reads the window's ProgramName, RefreshHz and the installed Glide's
    // cards when pressed.
    BatchMaker(const BatchControls& controls, const BatchServices& services, const std::wstring& programName,
               const std::int16_t& refreshHz, const GlideCards& cards)
        : BatchControls(controls), services_(services), ProgramName(programName), RefreshHz(refreshHz), cards_(cards) {}

    void Command1_Click();

private:
    BatchServices services_;
    const std::wstring& ProgramName;
    const std::int16_t& RefreshHz;
    const GlideCards& cards_;
};

}  // namespace corvane
