#include "settings/number_text.h"

#include <charconv>
#include <cmath>

namespace corvane {

std::wstring numberText(double value) {
    if (!std::isfinite(value)) return L"0";
    // Decimals needed for 15 significant digits at this magnitude.
    int magnitude = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = 14 - magnitude;
    if (decimals < 0) decimals = 0;
    if (decimals > 340) decimals = 340;
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return L"0";
    std::string text(buf, end);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return std::wstring(text.begin(), text.end());
}

}  // namespace corvane
