// Random access to a file on disk, for readers that ask for exactly the bytes
// they need.
#pragma once

#include <memory>
#include <string>

#include "platform/byte_source.h"

namespace corvane::win32 {

// The file opened for reading, shared with writers; null when it can't be.
std::unique_ptr<ByteSource> openFile(const std::wstring& path);

}  // namespace corvane::win32
