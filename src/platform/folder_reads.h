// The folder listings of one model event. A change of folder makes several
// lists read the same folder (the directory list its subfolders, the file
// list its files): within one event the folder is read once, whichever list
// asks first. The event's scope ends however its handlers end.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace corvane {

class FolderReads {
public:
    explicit FolderReads(FolderService& folders) : folders_(folders) {}
    FolderReads(const FolderReads&) = delete;
    FolderReads& operator=(const FolderReads&) = delete;

    FolderService& service() const { return folders_; }

    // The folder's listing; nullopt when it can't be read. Valid until the
    // outermost scope ends, or until the next call outside any scope.
    const std::optional<std::vector<DirEntry>>& list(const std::wstring& folder);

    // Held for the length of one event; scopes nest.
    class Scope {
    public:
        explicit Scope(FolderReads& reads) : reads_(reads) { ++reads_.depth_; }
        ~Scope() {
            if (--reads_.depth_ == 0) reads_.read_.clear();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        FolderReads& reads_;
    };

private:
    FolderService& folders_;
    int depth_ = 0;
    struct Read {
        std::wstring folder;
        std::optional<std::vector<DirEntry>> listing;
    };
    std::vector<std::unique_ptr<Read>> read_;  // a few folders; each stays where it is
};

}  // namespace corvane
