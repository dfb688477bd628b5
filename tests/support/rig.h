// A main window on scripted services: a memory disk, a message box that
// answers from a script, and recorders for the program's end.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "app/app_info.h"
#include "app/main_window.h"
#include "support/code_pages.h"
#include "platform/input.h"
#include "support/memory_disk.h"

namespace corvane::test {

struct Message {
    std::wstring prompt;
    int buttons;
    std::wstring title;
};

class ScriptedMessages final : public MessageBoxService {
public:
    std::vector<Message> shown;
    std::deque<int> answers;  // an empty script answers OK
    int show(const std::wstring& prompt, int buttons, const std::wstring& title) override {
        shown.push_back({prompt, buttons, title});
        if (answers.empty()) return kAnswerOk;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FakeInstance final : public InstanceService {
public:
    bool running = false;
    std::vector<std::pair<std::wstring, std::vector<std::wstring>>> handedOver;
    bool previousRunning() override { return running; }
    void handOver(const std::wstring& caption, const std::vector<std::wstring>& paths) override {
        handedOver.emplace_back(caption, paths);
    }
};

class EndRecorder final : public ProgramService {
public:
    int ends = 0;
    void end() override { ++ends; }
};

// Version blocks by path; queries answer from a table of sub-block paths.
class TableVersions final : public VersionService {
public:
    struct Entry {
        std::vector<std::uint8_t> block;
        std::map<std::string, std::pair<std::size_t, std::uint32_t>> values;
    };
    std::map<std::wstring, Entry> files;
    std::vector<std::wstring> asked;
    const Entry* current = nullptr;

    std::uint32_t size(const std::wstring& path) override {
        asked.push_back(path);
        auto it = files.find(path);
        current = it == files.end() ? nullptr : &it->second;
        return current ? static_cast<std::uint32_t>(current->block.size()) : 0;
    }
    bool read(const std::wstring&, std::vector<std::uint8_t>& block) override {
        if (!current) return false;
        std::copy(current->block.begin(), current->block.end(), block.begin());
        return true;
    }
    bool query(std::vector<std::uint8_t>&, std::string_view sub, std::size_t& offset,
               std::uint32_t& length) override {
        if (!current) return false;
        auto it = current->values.find(std::string(sub));
        if (it == current->values.end()) return false;
        offset = it->second.first;
        length = it->second.second;
        return true;
    }
};

class FakeShell final : public ShellService {
public:
    std::intptr_t result = 42;
    std::vector<std::wstring> opened;
    std::intptr_t open(const std::wstring& target) override {
        opened.push_back(target);
        return result;
    }
    std::map<std::wstring, std::wstring> links;  // shortcuts by path, and what each points at
    std::optional<std::wstring> linkTarget(const std::wstring& link) override {
        const auto it = links.find(link);
        return it == links.end() ? std::nullopt : std::optional(it->second);
    }
};

// Shows a modal window by running a script of what the user does in it.
class ScriptedWindows final : public WindowService {
public:
    std::function<void(Window& dialog, Window& owner)> whileShown;
    int shown = 0;
    bool ownerTookInput = false;
    std::wstring caption;
    void showModal(Window& dialog, Window& owner, const std::function<bool()>& unloaded,
                   const std::function<void()>& closeButton) override {
        ++shown;
        caption = dialog.caption();
        ownerTookInput = owner.acceptsInput();
        if (whileShown) whileShown(dialog, owner);
        // A user who has not returned yet closes the window by its title bar.
        if (!unloaded()) closeButton();
    }
};

struct Rig {
    MemoryDisk disk;
    ScriptedMessages messages;
    Windows1252 codePage;
    Cp437 oemCodePage;
    FakeInstance instance;
    EndRecorder program;
    TableVersions versions;
    FakeShell shell;
    ScriptedWindows windows;
    // The rig's services, with the file store or the version service replaced.
    struct Replacing {
        FileStore* files = nullptr;
        VersionService* versions = nullptr;
    };
    Services servicesWith(Replacing r) {
        return {.messages = messages,
                .folders = disk,
                .files = r.files != nullptr ? *r.files : disk,
                .codePage = codePage,
                .oemCodePage = oemCodePage,
                .instance = instance,
                .program = program,
                .versions = r.versions != nullptr ? *r.versions : versions,
                .images = disk,
                .shell = shell,
                .windows = windows,
                .app = corvaneInfo()};
    }
    Services services = servicesWith({});
    MainWindow form{services};

    void start() { form.load(); }
};

}  // namespace corvane::test
