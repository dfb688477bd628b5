#include "settings/number_text.h"

#include "platform/decimal.h"

namespace corvane {

std::wstring hundredthsText(long long hundredths) {
    const bool negative = hundredths < 0;
    // Digits of the magnitude, at least three so that "0." has its 0.
    std::wstring digits = decimal(hundredths);
    if (negative) digits.erase(0, 1);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), L'0');
    std::wstring text = digits.substr(0, digits.size() - 2);
    std::wstring fraction = digits.substr(digits.size() - 2);
    while (!fraction.empty() && fraction.back() == L'0') fraction.pop_back();
    if (!fraction.empty()) text += L'.' + fraction;
    if (negative && text != L"0") text.insert(0, 1, L'-');
    return text;
}

}  // namespace corvane
