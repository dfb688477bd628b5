// The "Driver Information" page: which 3dfx driver files the system folder
// holds, and the file version of each.
#pragma once

#include <string>

#include "platform/model.h"
#include "platform/services.h"

namespace corvane {

struct DriverControls {
    Control& File2;  // lists the system folder's driver files
    Control& l1;     // Voodoo driver
    Control& l2;     // Glide
    Control& l3;     // Glide3
    Control& l4;     // OpenGL
    Control& l7;     // 16-bit DirectX
    Control& l8;     // 32-bit DirectX
};

class DriverScan : DriverControls {
public:
    DriverScan(const DriverControls& controls, VersionService& versions, const CodePageService& codePage)
        : DriverControls(controls), versions_(versions), codePage_(codePage) {}

    // Fills each row with the version of its driver file; run once at start-up.
    void ScanDrivers();
    // The FileVersion of a file's version resource in its first translation;
    // empty where there is none.
    void VerInfo(const std::wstring& PathName, std::wstring& VerFileVer);

private:
    VersionService& versions_;
    const CodePageService& codePage_;
};

}  // namespace corvane
