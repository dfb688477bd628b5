#include "support/faults.h"

#include "platform/fatal.h"
#include "platform/names.h"

namespace corvane::test {

const wchar_t* faultText(FaultKind kind) {
    switch (kind) {
        case FaultKind::AccessDenied: return L"Access is denied.";
        case FaultKind::DiskFull: return L"There is not enough space on the disk.";
        case FaultKind::PathNotFound: return L"The system cannot find the path specified.";
        case FaultKind::SharingViolation:
            return L"The process cannot access the file because it is being used by another process.";
    }
    return L"";
}

FaultyServices::FaultyServices(FaultPlan& plan, MemoryDisk& disk, ScriptedMessages& messages, Windows1252& codePage,
                               Cp437& oemCodePage, FakeInstance& instance, EndRecorder& program,
                               VersionService& versions, FakeShell& shell, ScriptedWindows& windows)
    : plan_(plan),
      disk_(disk),
      messagesInner_(messages),
      codePageLayer_(*this, codePage),
      oemCodePageLayer_(*this, oemCodePage),
      instanceInner_(instance),
      program_(program),
      versionsInner_(versions),
      shellInner_(shell),
      windowsInner_(windows) {}

Services FaultyServices::services() {
    return {.messages = messages_,
            .folders = folders_,
            .files = files_,
            .codePage = codePageLayer_,
            .oemCodePage = oemCodePageLayer_,
            .instance = instance_,
            .program = program_,
            .versions = versions_,
            .images = images_,
            .shell = shell_,
            .windows = windowsLayer_,
            .app = corvaneInfo()};
}

// A box the system can't show answers 0, which is no button.
int FaultyServices::Messages::show(const std::wstring& prompt, int buttons, const std::wstring& title) {
    if (s.plan_.hit("message box")) return 0;
    return s.messagesInner_.show(prompt, buttons, title);
}

std::optional<std::vector<DirEntry>> FaultyServices::Folders::list(const std::wstring& folder) {
    if (s.plan_.hit("folder listing")) return std::nullopt;
    return s.disk_.list(folder);
}

std::optional<std::wstring> FaultyServices::Folders::shortName(const std::wstring& path) {
    if (s.plan_.hit("short name")) return std::nullopt;
    return s.disk_.shortName(path);
}

std::wstring FaultyServices::Folders::systemFolder() {
    if (s.plan_.hit("system folder")) return {};
    return s.disk_.systemFolder();
}

FileStart FaultyServices::Files::readStart(const std::wstring& path, std::size_t most) {
    if (s.plan_.hit("read")) {
        FileStart failed;
        failed.found = true;
        failed.error = s.plan_.failure().error;
        return failed;
    }
    return s.disk_.readStart(path, most);
}

FileStatus FaultyServices::Files::createTemp(const std::wstring& folder, std::wstring& path) {
    if (s.plan_.hit("temporary name")) return s.plan_.failure();
    return s.disk_.createTemp(folder, path);
}

FileStatus FaultyServices::Files::append(const std::wstring& path, std::string_view bytes) {
    if (s.plan_.hit("write")) {
        // Out of room, the system writes what fits first.
        if (s.plan_.kind == FaultKind::DiskFull) s.disk_.append(path, bytes.substr(0, bytes.size() / 2));
        return s.plan_.failure();
    }
    return s.disk_.append(path, bytes);
}

FileStatus FaultyServices::Files::replace(const std::wstring& from, const std::wstring& to) {
    if (s.plan_.hit("rename")) return s.plan_.failure();
    return s.disk_.replace(from, to);
}

void FaultyServices::Files::remove(const std::wstring& path) {
    if (s.plan_.hit("delete")) return;
    s.disk_.remove(path);
}

FileStatus FaultyServices::Files::recover(const std::wstring& target, std::string_view written) {
    if (s.plan_.hit("recover")) return s.plan_.failure();
    return s.disk_.recover(target, written);
}

std::optional<std::string> FaultyServices::CodePage::encode(std::wstring_view text) const {
    if (s.plan_.hit("code page")) return std::nullopt;
    return inner.encode(text);
}

// The lock that tells of a running copy can't be made: as none running.
bool FaultyServices::Instance::previousRunning() {
    if (s.plan_.hit("single instance")) return false;
    return s.instanceInner_.previousRunning();
}

void FaultyServices::Instance::handOver(const std::wstring& caption, const std::vector<std::wstring>& paths) {
    if (s.plan_.hit("hand-over")) return;
    s.instanceInner_.handOver(caption, paths);
}

std::uint32_t FaultyServices::Versions::size(const std::wstring& path) {
    if (s.plan_.hit("version size")) return 0;
    return s.versionsInner_.size(path);
}

bool FaultyServices::Versions::read(const std::wstring& path, std::vector<std::uint8_t>& block) {
    if (s.plan_.hit("version read")) return false;
    return s.versionsInner_.read(path, block);
}

bool FaultyServices::Versions::query(std::vector<std::uint8_t>& block, std::string_view sub, std::size_t& offset,
                                     std::uint32_t& length) {
    if (s.plan_.hit("version query")) return false;
    return s.versionsInner_.query(block, sub, offset, length);
}

// The shell's "access denied".
std::intptr_t FaultyServices::Shell::open(const std::wstring& target) {
    if (s.plan_.hit("shell")) return 5;
    return s.shellInner_.open(target);
}

// A window the system refuses to make ends the program, as the real view does.
void FaultyServices::Windows::showModal(Window& dialog, Window& owner, const std::function<bool()>& unloaded,
                                        const std::function<void()>& closeButton) {
    if (s.plan_.hit("modal window")) fatal(L"the window could not be created");
    s.windowsInner_.showModal(dialog, owner, unloaded, closeButton);
}

}  // namespace corvane::test
