// The "Driver Information" page: which 3dfx driver files the system folder
// holds, and the file version of each.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drivers/glide_family.h"

#include "platform/model.h"
#include "platform/services.h"

namespace corvane {

struct DriverControls {
    FileList& driverFiles;  // File2: lists the system folder's driver files
    Label& voodoo;          // l1
    Label& glide;           // l2
    Label& glide3;          // l3
    Label& openGl;          // l4
    Label& directX16;       // l7
    Label& directX32;       // l8
};

class DriverScan : DriverControls {
public:
    // The scan tells `cards` which cards the Glide DLLs it finds are for.
    DriverScan(const DriverControls& controls, FolderService& folders, VersionService& versions,
               const CodePageService& codePage, GlideCards& cards)
        : DriverControls(controls), folders_(folders), versions_(versions), codePage_(codePage), cards_(cards) {}

    // Fills each row with the version of its driver file, and notes the
    // family of each Glide DLL there and in the system's own system folder;
    // run once at start-up.
    void scan();
    // The FileVersion of a file's version resource in its first translation;
    // empty where there is none.
    std::wstring fileVersion(const std::wstring& path);

private:
    // A file's version block, read once for all that is asked of it.
    std::optional<std::vector<std::uint8_t>> versionBlock(const std::wstring& path);
    std::wstring fileVersionIn(std::vector<std::uint8_t>& block);
    // The family the ProductName of any of its string tables names.
    GlideFamily familyIn(std::vector<std::uint8_t>& block);

    FolderService& folders_;
    VersionService& versions_;
    const CodePageService& codePage_;
    GlideCards& cards_;
};

}  // namespace corvane
