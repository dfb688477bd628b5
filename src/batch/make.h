// "&Make": confirms the batch file's path and writes it beside the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "batch/batch_text.h"
#include "batch/read_back.h"
#include "batch/value_controls.h"
#include "drivers/glide_family.h"
#include "platform/model.h"
#include "platform/services.h"

namespace corvane {

// The batch file's path: `folder`, a backslash where it has none at its
// end, the batch name and ".bat".
std::wstring batchPathFor(std::wstring_view folder, std::wstring_view name);

struct BatchControls {
    DirList& folders;         // Dir1: the folder the file goes to
    TextBox& batchName;       // Text1
    TextBox& switches;        // Text3: what the game is started with after its name
    TextBox& scratch;         // Text2: a long name is cut at its blanks here
    Label& programPath;       // Label3: the picked program's full path
    Label& batchPath;         // lbl1: the batch file's path, last made or asked
    ValueControls values;     // what the file carries
    CommandButton& make;      // Command1
};

struct BatchServices {
    MessageBoxService& messages;
    FolderService& folderService;  // the system's short names
    FileStore& files;
    const CodePageService& codePage;  // the one batch files are read in: the OEM code page
    const AppInfo& app;
};

class BatchMaker : BatchControls {
public:
    // Reads the window's program name, rate chosen and what the Glide the
    // game loads reads when pressed; "&Make" is wired to it here.
    BatchMaker(const BatchControls& controls, const BatchServices& services, const std::wstring& programName,
               const std::int16_t& refreshHz, const GlideCards& cards);
    BatchMaker(const BatchMaker&) = delete;
    BatchMaker& operator=(const BatchMaker&) = delete;

    void makeBatchFile();

private:
    // The steps of "&Make": the path, the question, the settings, the write.
    std::wstring batchPathShown();
    bool confirmed(const std::wstring& path, const std::wstring& startName);
    // Why the file can't be made at `path`, in words; empty where it can.
    std::wstring refusal(const std::wstring& path, const std::wstring& startName) const;
    // The question before the file at `path` is made or replaced; nullopt
    // after saying why it can't be.
    struct Question {
        std::wstring prompt;
        int buttons;
    };
    std::optional<Question> question(const std::wstring& path, const std::wstring& startName);
    BatchSettings settingsFor(const std::wstring& path, const std::wstring& startName);
    bool write(const std::wstring& path, const BatchFile& file);

    BatchServices services_;
    const std::wstring& programName_;
    const std::int16_t& refreshHz_;
    const GlideCards& cards_;
    std::vector<UserLine> kept_;  // the user's lines of the file there, kept by the next write
};

}  // namespace corvane
