// Text the code page of batch files can't hold, in words.
#pragma once

#include "platform/services.h"

namespace corvane {

// Why a name can't go into a batch file: 'The <what> "<name>" holds
// characters that batch files on this system (code page N) cannot hold.'
std::wstring codePageLacks(std::wstring_view what, std::wstring_view name, unsigned codePage);

}  // namespace corvane
