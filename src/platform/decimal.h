// Integers as plain decimal digits, without the C runtime's formatting.
#pragma once

#include <string>

namespace corvane {

template <class Char = wchar_t>
std::basic_string<Char> decimal(long long value) {
    Char digits[24];
    int n = 0;
    // Negated digit by digit, so that the smallest value has no overflow.
    const bool negative = value < 0;
    do {
        const int d = static_cast<int>(value % 10);
        digits[n++] = static_cast<Char>('0' + (negative ? -d : d));
        value /= 10;
    } while (value != 0);
    std::basic_string<Char> out;
    if (negative) out += static_cast<Char>('-');
    while (n > 0) out += digits[--n];
    return out;
}

}  // namespace corvane
