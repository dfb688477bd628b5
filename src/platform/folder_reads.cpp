#include "platform/folder_reads.h"

namespace corvane {

const std::optional<std::vector<DirEntry>>& FolderReads::list(const std::wstring& folder) {
    if (depth_ == 0) read_.clear();
    auto it = read_.find(folder);
    if (it == read_.end()) it = read_.emplace(folder, folders_.list(folder)).first;
    return it->second;
}

}  // namespace corvane
