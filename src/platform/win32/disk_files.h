// The real file store: how a batch file is written so that its old bytes or
// the whole new file are there whatever fails, and what a write that was cut
// short leaves is put right by the next one.
#pragma once

#include "platform/services.h"

namespace corvane::win32 {

class Files final : public FileStore {
public:
    FileStart readStart(const std::wstring& path, std::size_t most) override;
    FileStatus createTemp(const std::wstring& folder, std::wstring& path) override;
    FileStatus append(const std::wstring& path, std::string_view bytes) override;
    FileStatus replace(const std::wstring& from, const std::wstring& to) override;
    void remove(const std::wstring& path) override;
    FileStatus recover(const std::wstring& target, std::string_view written) override;
};

}  // namespace corvane::win32
