#include <array>
#include <string_view>

#include "drivers/scan.h"
#include "drivers/file_version.h"
#include "drivers/version_block.h"
#include "platform/names.h"

namespace corvane {

namespace {

constexpr const wchar_t* kSystemFolder = L"c:\\Windows\\System";
constexpr const wchar_t* kSystemPrefix = L"C:\\Windows\\System\\";
constexpr const wchar_t* kDriverPattern = L"glide2x.dll;glide3x.dll;*3dfx*.drv;3dfx*GL.dll;*3dfx16*.dll;*3dfx32*.dll";

// A file belongs to the first row whose words its name all contains, and
// its version goes to the row's label.
struct DriverRow {
    std::wstring_view first;
    std::wstring_view second;  // empty: one word is enough
    Label& (*label)(DriverControls&);
};

// The first two rows are Glide's, whose ProductName tells the cards.
constexpr std::size_t kGlideRows = 2;
constexpr std::array<DriverRow, 6> kRows = {{
    {L"glide2x.dll", L"", [](DriverControls& c) -> Label& { return c.glide; }},
    {L"glide3x.dll", L"", [](DriverControls& c) -> Label& { return c.glide3; }},
    {L"3dfx", L".drv", [](DriverControls& c) -> Label& { return c.voodoo; }},
    {L"3dfx", L"GL.dll", [](DriverControls& c) -> Label& { return c.openGl; }},
    {L"3dfx", L"16", [](DriverControls& c) -> Label& { return c.directX16; }},
    {L"3dfx", L"32", [](DriverControls& c) -> Label& { return c.directX32; }},
}};

}  // namespace

void DriverScan::scan() {
    // The pattern goes first so that the folder is read once. A folder that
    // can't be read lists nothing, and every row keeps "Not Available".
    driverFiles.setPattern(kDriverPattern);
    driverFiles.setPath(kSystemFolder);
    const int n = driverFiles.listCount();
    for (int i = 0; i < n; ++i) {
        const std::wstring& name = driverFiles.list(i);
        // As fileVersion reads it, the block read once for the row and the family.
        std::optional<std::vector<std::uint8_t>> block = versionBlock(kSystemPrefix + name);
        const std::wstring version = block ? fileVersionIn(*block) : std::wstring();
        for (std::size_t r = 0; r < kRows.size(); ++r) {
            if (containsNoCase(name, kRows[r].first) && containsNoCase(name, kRows[r].second)) {
                kRows[r].label(*this).setCaption(version);
                if (r < kGlideRows && block) cards_.add(familyIn(*block));
                break;
            }
        }
    }
    // Windows NT keeps the Glide DLLs in its own system folder (System32),
    // and a Windows 9x may live in another folder or drive: the cards are
    // told from there too, unless it is the folder just read.
    std::wstring own = folders_.systemFolder();
    if (own.size() > 3 && own.back() == L'\\') own.pop_back();
    if (own.empty() || equalNoCase(own, kSystemFolder)) return;
    for (std::size_t r = 0; r < kGlideRows; ++r) {
        if (std::optional<std::vector<std::uint8_t>> block = versionBlock(joinPath(own, kRows[r].first))) {
            cards_.add(familyIn(*block));
        }
    }
}

std::optional<std::vector<std::uint8_t>> DriverScan::versionBlock(const std::wstring& path) {
    const std::uint32_t size = versions_.size(path);
    if (size == 0) return std::nullopt;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(size) + 1, 0);
    versions_.read(path, block);
    return block;
}

std::wstring DriverScan::fileVersionIn(std::vector<std::uint8_t>& block) {
    std::size_t at = 0;
    std::uint32_t length = 0;
    if (!versions_.query(block, "\\VarFileInfo\\Translation", at, length) || length == 0) return {};
    const std::string t = bytesAt(block, at, length);
    // Fewer than four bytes name no table.
    if (t.size() < 4) return {};
    const std::string sub = "\\StringFileInfo\\" + translationKey(t) + "\\FileVersion";
    if (!versions_.query(block, sub, at, length) || length == 0) return {};
    return stringAt(block, at, codePage_);
}

GlideFamily DriverScan::familyIn(std::vector<std::uint8_t>& block) {
    return familyOf(versionStrings(versions_, block, "ProductName", codePage_));
}

std::wstring DriverScan::fileVersion(const std::wstring& path) {
    std::optional<std::vector<std::uint8_t>> block = versionBlock(path);
    return block ? fileVersionIn(*block) : std::wstring();
}

}  // namespace corvane
