#pragma once

#include <string>

// A value written as sign, significant digits and a decimal exponent:
// value = (negative ? -1 : 1) * 0.d1d2d3... * 10^(exponent + 1), i.e. d1 is the
// digit of the 10^exponent place. `digits` never starts with '0' unless the
// value is zero ("0", exponent 0).
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The exact value of `value` rounded to `count` significant digits, halves
// away from zero (count between 1 and 40).
DecimalDigits RoundedHalfAway(long double value, int count);

// The value rounded to `count` significant digits, ties to even.
DecimalDigits RoundedHalfEven(long double value, int count);

// Rounds the digit string at `keep` digits (halves away from zero); a carry
// out of the first digit raises the exponent. Trailing zeros are removed.
void RoundDigitsHalfAway(DecimalDigits& d, int keep);
