// Decimal text of a number as the settings captions and the batch file show
// it: at most 15 significant digits, no exponent, no trailing zeros, no bare
// separator, a 0 before the point below 1, and always "." as the separator
// (the driver reads its variables with a C-locale parser).
#pragma once

#include <string>

namespace corvane {

std::wstring numberText(double value);

// The gamma that a position of the gamma slider stands for, as text.
inline std::wstring gammaText(int position) { return numberText(position / 100.0); }

}  // namespace corvane
