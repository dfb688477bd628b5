#include "drivers/version_reader.h"

#include <algorithm>

#include "drivers/resource_reader.h"
#include "drivers/version_block.h"

namespace corvane {

VersionReader::VersionReader(Opener open, const CodePageService& codePage, std::uint16_t userLanguage)
    : open_(std::move(open)), codePage_(codePage), userLanguage_(userLanguage) {}

const std::vector<std::uint8_t>* VersionReader::resourceOf(const std::wstring& path) {
    if (path != cachedPath_) {
        cachedPath_ = path;
        cachedFound_ = false;
        cached_.clear();
        if (auto file = open_(path)) {
            if (auto found = findVersionResource(*file, userLanguage_)) {
                cached_ = std::move(found->bytes);
                cachedNe_ = found->fromNe;
                cachedFound_ = true;
            }
        }
    }
    return cachedFound_ ? &cached_ : nullptr;
}

std::uint32_t VersionReader::size(const std::wstring& path) {
    const auto* resource = resourceOf(path);
    return resource == nullptr ? 0u : static_cast<std::uint32_t>(versionBlockSize(*resource, cachedNe_));
}

bool VersionReader::read(const std::wstring& path, std::vector<std::uint8_t>& block) {
    const auto* resource = resourceOf(path);
    if (resource == nullptr) return false;
    const std::size_t n = std::min(resource->size(), block.size());
    std::copy_n(resource->begin(), n, block.begin());
    lastResourceSize_ = n;
    return true;
}

bool VersionReader::query(std::vector<std::uint8_t>& block, std::string_view subBlock, std::size_t& offset,
                          std::uint32_t& length) {
    return queryVersionValue(block, lastResourceSize_, subBlock, codePage_, offset, length);
}

}  // namespace corvane
