// Decimal text of the settings' numbers as the captions and the batch file
// show them: no exponent, no trailing zeros, no bare separator, a 0 before
// the point below 1, and always "." as the separator (the driver reads its
// variables with a C-locale parser).
#pragma once

#include <string>

namespace corvane {

// A number of hundredths (130 is 1.3), as exact text; integer work only.
std::wstring hundredthsText(long long hundredths);

// The gamma that a position of the gamma slider stands for: the position
// over 100.
inline std::wstring gammaText(int position) { return hundredthsText(position); }

}  // namespace corvane
