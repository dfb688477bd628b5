// Facts about the program itself that its windows show.
#pragma once

#include "corvane_version.h"
#include "platform/services.h"

namespace corvane {

inline constexpr const wchar_t* kAppTitle = L"3dfx Corvane";

inline AppInfo corvaneInfo() {
    return AppInfo{kAppTitle, CORVANE_VERSION_MAJOR, CORVANE_VERSION_MINOR, CORVANE_VERSION_REVISION};
}

}  // namespace corvane
