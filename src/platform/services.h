// The services that event handlers reach the outside world through. Each has
// a real implementation in platform/win32 and a scripted one for the tests.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/byte_source.h"
#include "platform/decimal.h"
#include "platform/file_store.h"

namespace corvane {

// Buttons values and answers of the message box, as the handlers pass them.
inline constexpr int kOkCancel = 1;
inline constexpr int kExclamation = 48;
inline constexpr int kSecondDefault = 256;  // the second button, Cancel, is pressed by Enter
inline constexpr int kAnswerOk = 1;

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Modal; returns the button pressed (1 for OK).
    virtual int show(const std::wstring& prompt, int buttons, const std::wstring& title) = 0;
};

struct DirEntry {
    std::wstring name;  // bare name, no folder
    bool isFolder = false;
    bool hidden = false;
    bool system = false;
};

class FolderService {
public:
    virtual ~FolderService() = default;
    // Everything directly inside a DOS path such as "C:\" or "C:\GAMES", in
    // any order, without "." and "..". nullopt when the folder can't be read.
    virtual std::optional<std::vector<DirEntry>> list(const std::wstring& folder) = 0;
    // The last part of the system's short (8.3) form of a file's path: the
    // file's short name where the volume keeps one, its long name where the
    // volume keeps none. nullopt when the system can't say (the file is gone,
    // the call fails).
    virtual std::optional<std::wstring> shortName(const std::wstring& path) = 0;
    // The system's own system folder, as the system names it: SYSTEM in the
    // Windows folder on 9x, System32 on NT; empty when it can't say.
    virtual std::wstring systemFolder() = 0;
    // The roots of the system's drives ("A:\", "C:\"), in order; none when
    // it can't say.
    virtual std::vector<std::wstring> drives() = 0;
    // An absolute path ("C:\PROG~FBU\HOVE~4WI.EXE") with each of its names
    // as the disk keeps it, short names given becoming the long ones;
    // nullopt where a name is not there, or holds a wildcard.
    virtual std::optional<std::wstring> longPath(const std::wstring& path) = 0;
};

// One of the system's code pages: the ANSI one, which version strings and
// the ANSI functions use, or the OEM one, in which COMMAND.COM and CMD read
// a batch file's bytes.
class CodePageService {
public:
    virtual ~CodePageService() = default;
    virtual unsigned number() const = 0;
    // nullopt when some character has no byte in this code page.
    virtual std::optional<std::string> encode(std::wstring_view text) const = 0;
    // As the system converts text it only shows: a character without a byte
    // becomes the code page's default character.
    virtual std::string encodeLossy(std::wstring_view text) const = 0;
    virtual std::wstring decode(std::string_view bytes) const = 0;
};

class InstanceService {
public:
    virtual ~InstanceService() = default;
    // True when another copy of the program is already running.
    virtual bool previousRunning() = 0;
    // Gives `paths` to the running copy's window, the one captioned
    // `caption`, and brings that window to the front.
    virtual void handOver(const std::wstring& caption, const std::vector<std::wstring>& paths) = 0;
};

class ProgramService {
public:
    virtual ~ProgramService() = default;
    // Ends the program at once. Callers return straight after the call, so a
    // scripted implementation may simply record it.
    virtual void end() = 0;
};

// A file's version resource, as the version functions of the system give it.
class VersionService {
public:
    virtual ~VersionService() = default;
    // Size in bytes of the resource; 0 when there is none or the file can't be read.
    virtual std::uint32_t size(const std::wstring& path) = 0;
    // Fills `block` (at least `size` bytes) with the resource.
    virtual bool read(const std::wstring& path, std::vector<std::uint8_t>& block) = 0;
    // Looks up a sub-block such as "\VarFileInfo\Translation" in a block that
    // read() filled; on success sets the value's offset in the block and its
    // length. The block may be written to: the system keeps converted text
    // in its spare room.
    virtual bool query(std::vector<std::uint8_t>& block, std::string_view subBlock,
                       std::size_t& offset, std::uint32_t& length) = 0;
};

// Programs and DLLs opened to read their parts by seeking: which Glide a
// game loads is told from them.
class ImageFileService {
public:
    virtual ~ImageFileService() = default;
    // The file opened for reading; null where it can't be.
    virtual std::unique_ptr<ByteSource> open(const std::wstring& path) = 0;
};

class ShellService {
public:
    virtual ~ShellService() = default;
    // Opens `target` with the operation "open"; returns the shell's result
    // code, where 32 or less means failure.
    virtual std::intptr_t open(const std::wstring& target) = 0;
    // The path a shortcut (a .lnk file) points at, read through the shell's
    // own link reader; nullopt where it can't be read or points at no file.
    virtual std::optional<std::wstring> linkTarget(const std::wstring& link) = 0;
};

class Window;

// Modal windows. The caller loads the window, then waits here while it is
// shown; the owner takes no input meanwhile.
class WindowService {
public:
    virtual ~WindowService() = default;
    // Shows `dialog` centred over `owner` and returns once `unloaded` answers
    // true. `closeButton` is what the title bar's close button does.
    virtual void showModal(Window& dialog, Window& owner, const std::function<bool()>& unloaded,
                           const std::function<void()>& closeButton) = 0;
};

struct AppInfo {
    std::wstring title;
    int major = 0;
    int minor = 0;
    int revision = 0;
    // "1.0.35"
    std::wstring version() const { return decimal(major) + L"." + decimal(minor) + L"." + decimal(revision); }
};

// Every service, as the program is put together with them.
struct Services {
    MessageBoxService& messages;
    FolderService& folders;
    FileStore& files;
    CodePageService& codePage;     // ANSI
    CodePageService& oemCodePage;  // batch files
    InstanceService& instance;
    ProgramService& program;
    VersionService& versions;
    ImageFileService& images;
    ShellService& shell;
    WindowService& windows;
    AppInfo app;
};

// The services of a set that holds one of each under these names.
template <class Set>
Services servicesOf(Set& set, AppInfo app) {
    return {.messages = set.messages,
            .folders = set.folders,
            .files = set.files,
            .codePage = set.codePage,
            .oemCodePage = set.oemCodePage,
            .instance = set.instance,
            .program = set.program,
            .versions = set.versions,
            .images = set.images,
            .shell = set.shell,
            .windows = set.windows,
            .app = std::move(app)};
}

}  // namespace corvane
