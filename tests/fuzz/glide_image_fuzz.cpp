// libFuzzer target: any bytes as a game's program and as a Glide DLL. The
// import read ends, within its bounds, with names no longer than it takes;
// the names scan finds exactly the names a plain search finds zero-ended
// in the bytes it scans.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "drivers/glide_image.h"
#include "support/memory_source.h"

using namespace corvane;

namespace {

constexpr std::string_view kNames[] = {"SST_GAMMA", "SSTV2_GAMMA", "FX_GLIDE_REFRESH", "A", "SST_SWAP_EN_WAIT_ON_VSYNC"};

bool nameByte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Every place the name stands with a zero after it and no name byte before.
bool plainlyHeld(const std::string& bytes, std::string_view name) {
    const std::string zeroEnded = std::string(name) + '\0';
    for (std::size_t at = bytes.find(zeroEnded); at != std::string::npos; at = bytes.find(zeroEnded, at + 1)) {
        if (at == 0 || !nameByte(bytes[at - 1])) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    MemorySource file(bytes);
    if (const auto imports = importedModules(file)) {
        if (imports->size() > kMostImports) std::abort();
        for (const std::string& name : *imports) {
            if (name.size() > kLongestImportName || name.find('\0') != std::string::npos) std::abort();
        }
    }
    const std::uint64_t held = namesHeld(file, kNames);
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        if (((held >> i) & 1) != (plainlyHeld(bytes, kNames[i]) ? 1u : 0u)) std::abort();
    }
    if (held >> std::size(kNames) != 0) std::abort();
    return 0;
}
