// Faults on demand in every service: each call of every service is
// counted, and the Nth one fails as the real service fails (the error
// texts are the system's own; a write that runs out of room writes part of
// its bytes first). The file store's own steps inside each call, and how
// it replaces a file on 9x, are the real store's, swept under Wine.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drivers/version_reader.h"
#include "support/rig.h"
#include "support/memory_source.h"

namespace corvane::test {

enum class FaultKind { AccessDenied, DiskFull, PathNotFound, SharingViolation };

const wchar_t* faultText(FaultKind kind);

class FaultPlan {
public:
    int failAt = 0;  // the call that fails, from 1; 0 for none
    FaultKind kind = FaultKind::AccessDenied;
    int calls = 0;
    std::string failed;  // which call failed

    // Counts a call; true when it is the one to fail.
    bool hit(const char* call) {
        if (++calls != failAt) return false;
        failed = call;
        return true;
    }
    FileStatus failure() const { return {faultText(kind)}; }
};

// The scripted services with a fault layer in front of each.
class FaultyServices {
public:
    FaultyServices(FaultPlan& plan, MemoryDisk& disk, ScriptedMessages& messages, Windows1252& codePage,
                   Cp437& oemCodePage, FakeInstance& instance, EndRecorder& program, VersionService& versions,
                   FakeShell& shell, ScriptedWindows& windows);

    Services services();

private:
    struct Messages final : MessageBoxService {
        FaultyServices& s;
        explicit Messages(FaultyServices& o) : s(o) {}
        int show(const std::wstring& prompt, int buttons, const std::wstring& title) override;
    } messages_{*this};
    struct Folders final : FolderService {
        FaultyServices& s;
        explicit Folders(FaultyServices& o) : s(o) {}
        std::optional<std::vector<DirEntry>> list(const std::wstring& folder) override;
        std::optional<std::wstring> shortName(const std::wstring& path) override;
        std::wstring systemFolder() override;
        std::vector<std::wstring> drives() override { return s.plan_.hit("drives") ? decltype(drives()){} : s.disk_.drives(); }
        std::optional<std::wstring> longPath(const std::wstring& p) override { return s.plan_.hit("long path") ? std::nullopt : s.disk_.longPath(p); }
    } folders_{*this};
    struct Files final : FileStore {
        FaultyServices& s;
        explicit Files(FaultyServices& o) : s(o) {}
        FileStart readStart(const std::wstring& path, std::size_t most) override;
        FileStatus createTemp(const std::wstring& folder, std::wstring& path) override;
        FileStatus append(const std::wstring& path, std::string_view bytes) override;
        FileStatus replace(const std::wstring& from, const std::wstring& to) override;
        void remove(const std::wstring& path) override;
        FileStatus recover(const std::wstring& target, std::string_view written) override;
    } files_{*this};
    struct CodePage final : CodePageService {
        FaultyServices& s;
        CodePageService& inner;
        CodePage(FaultyServices& o, CodePageService& i) : s(o), inner(i) {}
        unsigned number() const override { return inner.number(); }
        std::optional<std::string> encode(std::wstring_view text) const override;
        std::string encodeLossy(std::wstring_view text) const override { return inner.encodeLossy(text); }
        std::wstring decode(std::string_view bytes) const override { return inner.decode(bytes); }
    };
    struct Instance final : InstanceService {
        FaultyServices& s;
        explicit Instance(FaultyServices& o) : s(o) {}
        bool previousRunning() override;
        void handOver(const std::wstring& caption, const std::vector<std::wstring>& paths) override;
    } instance_{*this};
    struct Versions final : VersionService {
        FaultyServices& s;
        explicit Versions(FaultyServices& o) : s(o) {}
        std::uint32_t size(const std::wstring& path) override;
        bool read(const std::wstring& path, std::vector<std::uint8_t>& block) override;
        bool query(std::vector<std::uint8_t>& block, std::string_view sub, std::size_t& offset,
                   std::uint32_t& length) override;
    } versions_{*this};
    struct Images final : ImageFileService {
        FaultyServices& s;
        explicit Images(FaultyServices& o) : s(o) {}
        std::unique_ptr<ByteSource> open(const std::wstring& p) override { return s.plan_.hit("image") ? nullptr : s.disk_.open(p); }
    } images_{*this};
    struct Shell final : ShellService {
        FaultyServices& s;
        explicit Shell(FaultyServices& o) : s(o) {}
        std::intptr_t open(const std::wstring& target) override;
        std::optional<std::wstring> linkTarget(const std::wstring& l) override { return s.plan_.hit("link") ? std::nullopt : s.shellInner_.linkTarget(l); }
    } shell_{*this};
    struct Windows final : WindowService {
        FaultyServices& s;
        explicit Windows(FaultyServices& o) : s(o) {}
        void showModal(Window& dialog, Window& owner, const std::function<bool()>& unloaded,
                       const std::function<void()>& closeButton) override;
    } windowsLayer_{*this};

    FaultPlan& plan_;
    MemoryDisk& disk_;
    ScriptedMessages& messagesInner_;
    CodePage codePageLayer_;
    CodePage oemCodePageLayer_;
    FakeInstance& instanceInner_;
    EndRecorder& program_;
    VersionService& versionsInner_;
    FakeShell& shellInner_;
    ScriptedWindows& windowsInner_;
};

// A main window on the faulty services; the fault is the plan's.
struct FaultRig {
    explicit FaultRig(int failAt, FaultKind kind = FaultKind::AccessDenied) {
        plan.failAt = failAt;
        plan.kind = kind;
        layer = std::make_unique<FaultyServices>(plan, disk, messages, codePage, oemCodePage, instance, program,
                                                 versions, shell, windows);
    }
    FaultPlan plan;
    MemoryDisk disk;
    ScriptedMessages messages;
    Windows1252 codePage;
    Cp437 oemCodePage;
    FakeInstance instance;
    EndRecorder program;
    // Version resources read from the memory disk's files.
    VersionReader versions{[this](const std::wstring& path) -> std::unique_ptr<ByteSource> {
                               auto bytes = disk.read(path);
                               if (!bytes) return nullptr;
                               return std::make_unique<MemorySource>(*bytes);
                           },
                           codePage};
    FakeShell shell;
    ScriptedWindows windows;
    std::unique_ptr<FaultyServices> layer;
    // Made when the scenario starts, after the disk is laid out: a window
    // is made from its folders.
    std::unique_ptr<MainWindow> form;
    MainWindow& make() {
        services = std::make_unique<Services>(layer->services());
        form = std::make_unique<MainWindow>(*services);
        return *form;
    }

private:
    std::unique_ptr<Services> services;
};

}  // namespace corvane::test
