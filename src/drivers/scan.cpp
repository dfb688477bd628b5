// The "Driver Information" page: which 3dfx driver files the system folder
// holds, and the file version of each.
#include <array>
#include <string_view>

#include "app/form1.h"
#include "platform/names.h"

namespace corvane {

namespace {

constexpr const wchar_t* kSystemFolder = L"c:\\Windows\\System";
constexpr const wchar_t* kSystemPrefix = L"C:\\Windows\\System\\";
constexpr const wchar_t* kDriverPattern = L"glide2x.dll;glide3x.dll;*3dfx*.drv;3dfx*GL.dll;*3dfx16*.dll;*3dfx32*.dll";

// A file belongs to the first row whose words its name all contains.
struct DriverRow {
    const char* label;
    std::wstring_view first;
    std::wstring_view second;  // empty: one word is enough
};

constexpr std::array<DriverRow, 6> kRows = {{
    {"l2", L"glide2x.dll", L""},
    {"l3", L"glide3x.dll", L""},
    {"l1", L"3dfx", L".drv"},
    {"l4", L"3dfx", L"GL.dll"},
    {"l7", L"3dfx", L"16"},
    {"l8", L"3dfx", L"32"},
}};

}  // namespace

void Form1::ScanDrivers() {
    // The pattern goes first so that the folder is read once. A folder that
    // can't be read lists nothing, and every row keeps "Not Available".
    File2.setPattern(kDriverPattern);
    File2.setPath(kSystemFolder);
    const int n = File2.listCount();
    for (int i = 0; i < n; ++i) {
        const std::wstring& name = File2.list(i);
        std::wstring version;
        VerInfo(kSystemPrefix + name, version);
        for (const DriverRow& row : kRows) {
            if (containsNoCase(name, row.first) && containsNoCase(name, row.second)) {
                window[row.label].setCaption(version);
                break;
            }
        }
    }
}

}  // namespace corvane
