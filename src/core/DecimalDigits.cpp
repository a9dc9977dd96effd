#include "DecimalDigits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Parses the output of printf's %.*Le: "-d.ddddde+XX".
DecimalDigits FromScientific(const char* text) {
    DecimalDigits d;
    const char* p = text;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.')
            d.digits += *p;
    }
    if (*p == 'e')
        d.exponent = std::atoi(p + 1);
    return d;
}

void StripTrailingZeros(DecimalDigits& d) {
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits == "0")
        d.exponent = 0;
}

} // namespace

void RoundDigitsHalfAway(DecimalDigits& d, int keep) {
    if (keep < 0) {
        d.digits = "0";
        d.exponent = 0;
        return;
    }
    if (static_cast<size_t>(keep) >= d.digits.size()) {
        StripTrailingZeros(d);
        return;
    }
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
            d.digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.digits.empty())
        d.digits = "0";
    StripTrailingZeros(d);
}

DecimalDigits RoundedHalfEven(long double value, int count) {
    if (value == 0)
        return DecimalDigits{std::signbit(value), "0", 0};
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.*Le", count - 1, value);
    return FromScientific(buffer);
}

DecimalDigits RoundedHalfAway(long double value, int count) {
    if (value == 0)
        return DecimalDigits{std::signbit(value), "0", 0};
    // Print 24 guard digits beyond the ones kept (ties to even on the exact
    // value). Only when the guard digits read 5000... or 4999... can printf's
    // own rounding have hidden which side of the half the exact value lies on;
    // then print the exact expansion in full (an extended value has at most
    // about 16500 significant digits) and decide on that.
    constexpr int kGuard = 24;
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Le", count + kGuard - 1, value);
    DecimalDigits d = FromScientific(buffer);
    const std::string guard = d.digits.substr(static_cast<size_t>(count));
    const bool nearHalf = guard.find_first_not_of('0', 1) == std::string::npos && guard[0] == '5';
    const bool justBelowHalf = guard.find_first_not_of('9', 1) == std::string::npos && guard[0] == '4';
    if (nearHalf || justBelowHalf) {
        static thread_local std::string exact(17000, '\0');
        std::snprintf(exact.data(), exact.size(), "%.16500Le", value);
        d = FromScientific(exact.c_str());
    }
    RoundDigitsHalfAway(d, count);
    return d;
}
