// The real services on Windows.
#pragma once

#include "platform/services.h"
#include "platform/win32/disk_files.h"
#include "platform/win32/win32.h"

namespace corvane::win32 {

class MessageBoxes final : public MessageBoxService {
public:
    int show(const std::wstring& prompt, int buttons, const std::wstring& title) override;
};

class Folders final : public FolderService {
public:
    std::optional<std::vector<DirEntry>> list(const std::wstring& folder) override;
    std::optional<std::wstring> shortName(const std::wstring& path) override;
    std::wstring systemFolder() override;
    std::vector<std::wstring> drives() override;
    std::optional<std::wstring> longPath(const std::wstring& path) override;
};

// The ANSI code page (CP_ACP) or the OEM one (CP_OEMCP), converted as the
// system converts it.
class SystemCodePage : public CodePageService {
public:
    explicit SystemCodePage(UINT which) : which_(which) {}
    unsigned number() const override { return which_ == CP_OEMCP ? GetOEMCP() : GetACP(); }
    std::optional<std::string> encode(std::wstring_view text) const override;
    std::string encodeLossy(std::wstring_view text) const override;
    std::wstring decode(std::string_view bytes) const override;

private:
    UINT which_;
};

struct AnsiCodePage final : SystemCodePage {
    AnsiCodePage() : SystemCodePage(CP_ACP) {}
};

struct OemCodePage final : SystemCodePage {
    OemCodePage() : SystemCodePage(CP_OEMCP) {}
};

class SingleInstance final : public InstanceService {
public:
    bool previousRunning() override;
    void handOver(const std::wstring& caption, const std::vector<std::wstring>& paths) override;
    ~SingleInstance() override;

private:
    HANDLE mutex_ = nullptr;
};

class Program final : public ProgramService {
public:
    void end() override;
};

class Shell final : public ShellService {
public:
    std::intptr_t open(const std::wstring& target) override;
    std::optional<std::wstring> linkTarget(const std::wstring& link) override;
};

}  // namespace corvane::win32
