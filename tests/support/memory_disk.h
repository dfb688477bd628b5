// An in-memory disk for the tests: folders and files with attributes,
// folders that refuse to be listed, and writes that fail on demand.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/services.h"

namespace corvane::test {

class MemoryDisk final : public FolderService, public FileStore, public ImageFileService {
public:
    MemoryDisk();

    void addFolder(const std::wstring& path);
    void addFile(const std::wstring& path, std::string bytes = {}, bool hidden = false, bool system = false);
    void remove(const std::wstring& path) override;
    bool exists(const std::wstring& path) const;
    std::optional<std::string> read(const std::wstring& path) const;
    // A file's bytes to seek in; null for a file that is not there or is locked.
    std::unique_ptr<ByteSource> open(const std::wstring& path) override;
    std::multiset<std::wstring> opened;  // the paths open() was asked for
    // Every path on the disk, as stored.
    std::vector<std::wstring> paths() const;

    // Failures on demand.
    std::set<std::wstring> unreadable;   // folders whose listing fails
    std::set<std::wstring> readOnly;     // folders in which no file can be made
    std::set<std::wstring> locked;       // files that can't be read or replaced
    std::optional<std::size_t> spaceLeft;  // bytes that still fit on the disk

    int listings = 0;  // calls of list()

    // Each file gets a short name as a volume with short names makes it, in
    // the order the files are added (the lowest free "~n"); this answers
    // for a path in its place: a name the system made otherwise, the long
    // name (a volume without short names), or nullopt (the call fails).
    void setShortName(const std::wstring& path, std::optional<std::wstring> answer);
    std::optional<std::wstring> shortName(const std::wstring& path) override;
    // The system's own system folder: as 9x names the fixed one, unless set.
    std::wstring systemDir = L"C:\\WINDOWS\\SYSTEM";
    std::wstring systemFolder() override { return systemDir; }
    // The roots it holds; a root in `unreadable` is a drive without its disk.
    std::vector<std::wstring> drives() override;
    std::optional<std::wstring> longPath(const std::wstring& path) override;

    std::optional<std::vector<DirEntry>> list(const std::wstring& folder) override;
    FileStart readStart(const std::wstring& path, std::size_t most) override;
    FileStatus createTemp(const std::wstring& folder, std::wstring& path) override;
    FileStatus append(const std::wstring& path, std::string_view bytes) override;
    FileStatus replace(const std::wstring& from, const std::wstring& to) override;
    // Keeps nothing of its own to put right: what the real store recovers is
    // tested on the real one.
    FileStatus recover(const std::wstring&, std::string_view) override { return {}; }

private:
    struct Node {
        std::wstring path;  // as given
        bool isFolder = false;
        bool hidden = false;
        bool system = false;
        std::string bytes;
        std::optional<std::wstring> shortName;
    };
    std::wstring makeShortName(const std::wstring& parent, const std::wstring& name) const;
    static std::wstring key(std::wstring path);
    static std::wstring parentKey(const std::wstring& k);
    std::map<std::wstring, Node> nodes_;
    int temps_ = 0;
};

}  // namespace corvane::test
