#include "platform/folder_reads.h"

namespace corvane {

const std::optional<std::vector<DirEntry>>& FolderReads::list(const std::wstring& folder) {
    if (depth_ == 0) read_.clear();
    for (const auto& r : read_) {
        if (r->folder == folder) return r->listing;
    }
    read_.push_back(std::make_unique<Read>(Read{folder, folders_.list(folder)}));
    return read_.back()->listing;
}

}  // namespace corvane
