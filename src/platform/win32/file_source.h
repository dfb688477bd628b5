// Random access to a file on disk, for readers that ask for exactly the bytes
// they need.
#pragma once

#include <memory>
#include <string>

#include "platform/byte_source.h"
#include "platform/services.h"

namespace corvane::win32 {

// The file opened for reading, shared with writers; null when it can't be.
std::unique_ptr<ByteSource> openFile(const std::wstring& path);

class ImageFiles final : public ImageFileService {
public:
    std::unique_ptr<ByteSource> open(const std::wstring& path) override { return openFile(path); }
};

}  // namespace corvane::win32
