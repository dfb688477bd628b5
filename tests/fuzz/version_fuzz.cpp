// libFuzzer target: any bytes as a file, read for its version the way
// fileVersion reads it and for its product name in every string table, plus
// sub-block queries taken from the input itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "drivers/resource_reader.h"
#include "drivers/file_version.h"
#include "drivers/version_block.h"
#include "drivers/version_reader.h"
#include "support/code_pages.h"
#include "support/memory_source.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Windows1252 cp;
    const std::string file(reinterpret_cast<const char*>(data), size);
    VersionReader reader([&](const std::wstring&) { return std::make_unique<MemorySource>(file); }, cp);
    const std::uint32_t blockSize = reader.size(L"f");
    if (blockSize == 0) return 0;
    std::vector<std::uint8_t> block(blockSize + 1, 0);
    reader.read(L"f", block);
    std::size_t at = 0;
    std::uint32_t length = 0;
    if (reader.query(block, "\\VarFileInfo\\Translation", at, length)) {
        const std::string t = bytesAt(block, at, length);
        if (t.size() >= 4 && reader.query(block, "\\StringFileInfo\\" + translationKey(t) + "\\FileVersion", at, length)) {
            (void)stringAt(block, at, cp);
        }
    }
    // Paths from the input's last bytes reach keys no fixed path names.
    const std::string tail = file.substr(file.size() > 24 ? file.size() - 24 : 0);
    if (reader.query(block, tail, at, length)) (void)bytesAt(block, at, length);
    if (reader.query(block, "\\", at, length)) (void)bytesAt(block, at, length);
    // Every string table's ProductName, as the driver scan asks for the family.
    for (const std::string& table : stringTables(block, cp)) {
        if (reader.query(block, "\\StringFileInfo\\" + table + "\\ProductName", at, length)) {
            (void)stringAt(block, at, cp);
        }
    }
    return 0;
}
