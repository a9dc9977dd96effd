#include "ReferenceDecimal.h"

#include <algorithm>
#include <cmath>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace {

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsSign(char16_t c) {
    return c == u'+' || c == u'-';
}

std::u16string_view StripSpaces(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);
    return text;
}

// Whether the digits, read as a whole number, make at least 500.
bool AtLeast500(std::u16string_view digits) {
    while (!digits.empty() && digits.front() == u'0')
        digits.remove_prefix(1);
    if (digits.size() != 3)
        return digits.size() > 3;
    return digits >= std::u16string_view(u"500"); // three digits, no leading zero
}

// The exponent digits are read one by one; a digit that comes after digits
// making 500 or more is not read, and then the text is not a number.
bool ExponentDigitsAllRead(std::u16string_view digits) {
    for (size_t before = 1; before < digits.size(); ++before) {
        if (AtLeast500(digits.substr(0, before)))
            return false;
    }
    return true;
}

std::string Ascii(std::u16string_view text) {
    std::string ascii;
    for (char16_t c : text)
        ascii += static_cast<char>(c); // only called on ASCII digits
    return ascii;
}

long double ReadInCLocale(const std::string& text, bool& wholeTextRead) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    char* end = nullptr;
    const long double value = strtold_l(text.c_str(), &end, cLocale);
    wholeTextRead = end == text.c_str() + text.size();
    return value;
}

} // namespace

std::optional<long double> ReferenceDecimal(std::u16string_view text, char16_t separator) {
    std::u16string_view rest = StripSpaces(text);

    bool negative = false;
    if (!rest.empty() && IsSign(rest.front())) {
        negative = rest.front() == u'-';
        rest.remove_prefix(1);
    }

    // The mantissa runs up to the first E or e; what follows it is the exponent.
    const size_t e = rest.find_first_of(u"Ee");
    const bool hasExponent = e != std::u16string_view::npos;
    const std::u16string_view mantissa = rest.substr(0, e);
    std::u16string_view exponent = hasExponent ? rest.substr(e + 1) : std::u16string_view();

    if (mantissa.empty())
        return std::nullopt;
    if (std::count(mantissa.begin(), mantissa.end(), separator) > 1)
        return std::nullopt;
    for (char16_t c : mantissa) {
        if (c != separator && !IsAsciiDigit(c))
            return std::nullopt;
    }

    bool negativeExponent = false;
    if (!exponent.empty() && IsSign(exponent.front())) {
        negativeExponent = exponent.front() == u'-';
        exponent.remove_prefix(1);
    }
    if (!std::all_of(exponent.begin(), exponent.end(), IsAsciiDigit))
        return std::nullopt;
    if (!ExponentDigitsAllRead(exponent))
        return std::nullopt;

    // The same number in the C library's own notation: -0123.45e-0006. The
    // leading 0 gives a lone separator its value 0 and changes no other value.
    std::string normal = negative ? "-0" : "0";
    for (char16_t c : mantissa)
        normal += c == separator ? '.' : static_cast<char>(c);
    normal += negativeExponent ? "e-" : "e+";
    normal += exponent.empty() ? std::string("0") : Ascii(exponent);

    bool wholeTextRead = false;
    const long double value = ReadInCLocale(normal, wholeTextRead);
    if (!wholeTextRead || std::isinf(value) || std::isnan(value))
        return std::nullopt;
    return value;
}
