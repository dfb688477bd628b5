// Finds a file's version resource the way the system's version functions
// do, in 32-bit PE and PE32+ images and in 16-bit NE images, reading only
// the headers and the one resource by seeking.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/byte_source.h"

namespace corvane {

// A version resource never exceeds its root block's 16-bit length.
inline constexpr std::size_t kMaxVersionResource = 0xFFFF;

struct FoundResource {
    std::vector<std::uint8_t> bytes;
    bool fromNe = false;  // a 16-bit module's resource
};

// The version resource (type 16, name 1) of a PE image, in the language that
// is neutral, else `userLanguage`, else 0x0409, else the first one listed;
// of an NE image, type 0x8010 with id 0x8001. nullopt when there is none or
// the file does not hold together.
std::optional<FoundResource> findVersionResource(ByteSource& file, std::uint16_t userLanguage);

}  // namespace corvane
