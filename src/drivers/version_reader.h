// The version functions answered by the program's own reader from the files
// themselves: the size, the block, and sub-block queries. Every offset and
// length a file gives is checked against the file, the resource and the
// enclosing block, so that a malformed or hostile driver file reads as one
// without a version, and the program needs no version.dll. It stays the
// program's own: reading which Glide a game loads needs the same checked
// access to a game's import table and to the names in a Glide DLL.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/byte_source.h"
#include "platform/services.h"

namespace corvane {

class VersionReader final : public VersionService {
public:
    using Opener = std::function<std::unique_ptr<ByteSource>(const std::wstring& path)>;
    VersionReader(Opener open, const CodePageService& codePage, std::uint16_t userLanguage = 0x0409);

    std::uint32_t size(const std::wstring& path) override;
    bool read(const std::wstring& path, std::vector<std::uint8_t>& block) override;
    bool query(std::vector<std::uint8_t>& block, std::string_view subBlock, std::size_t& offset,
               std::uint32_t& length) override;

private:
    // The last file's resource, so that size() and read() open it once.
    const std::vector<std::uint8_t>* resourceOf(const std::wstring& path);

    Opener open_;
    const CodePageService& codePage_;
    std::uint16_t userLanguage_;
    std::wstring cachedPath_;
    bool cachedFound_ = false;
    bool cachedNe_ = false;
    std::vector<std::uint8_t> cached_;
    std::size_t lastResourceSize_ = 0;
};

}  // namespace corvane
