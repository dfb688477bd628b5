#include <array>
#include <string_view>

#include "drivers/scan.h"
#include "platform/names.h"

namespace corvane {

namespace {

constexpr const wchar_t* kSystemFolder = L"c:\\Windows\\System";
constexpr const wchar_t* kSystemPrefix = L"C:\\Windows\\System\\";
constexpr const wchar_t* kDriverPattern = L"glide2x.dll;glide3x.dll;*3dfx*.drv;3dfx*GL.dll;*3dfx16*.dll;*3dfx32*.dll";

// A file belongs to the first row whose words its name all contains.
struct DriverRow {
    std::wstring_view first;
    std::wstring_view second;  // empty: one word is enough
};

// The first two rows are Glide's, whose ProductName tells the cards.
constexpr std::size_t kGlideRows = 2;
constexpr std::array<DriverRow, 6> kRows = {{
    {L"glide2x.dll", L""},  // glide
    {L"glide3x.dll", L""},  // glide3
    {L"3dfx", L".drv"},     // voodoo
    {L"3dfx", L"GL.dll"},   // openGl
    {L"3dfx", L"16"},       // directX16
    {L"3dfx", L"32"},       // directX32
}};

}  // namespace

void DriverScan::scan() {
    // The pattern goes first so that the folder is read once. A folder that
    // can't be read lists nothing, and every row keeps "Not Available".
    driverFiles.setPattern(kDriverPattern);
    driverFiles.setPath(kSystemFolder);
    Label* const labels[kRows.size()] = {&glide, &glide3, &voodoo, &openGl, &directX16, &directX32};
    const int n = driverFiles.listCount();
    for (int i = 0; i < n; ++i) {
        const std::wstring& name = driverFiles.list(i);
        // As fileVersion reads it, the block read once for the row and the family.
        std::optional<std::vector<std::uint8_t>> block = versionBlock(kSystemPrefix + name);
        const std::wstring version = block ? fileVersionIn(*block) : std::wstring();
        for (std::size_t r = 0; r < kRows.size(); ++r) {
            if (containsNoCase(name, kRows[r].first) && containsNoCase(name, kRows[r].second)) {
                labels[r]->setCaption(version);
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

}  // namespace corvane
