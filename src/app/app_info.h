// Facts about the program itself that its windows show.
#pragma once

#include "platform/services.h"

namespace corvane {

inline constexpr const wchar_t* kAppTitle = L"3dfx Corvane";

inline AppInfo corvaneInfo() { return AppInfo{kAppTitle, 1, 0, 35}; }

}  // namespace corvane
