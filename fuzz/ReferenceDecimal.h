#pragma once

#include <optional>
#include <string_view>

// A second, slow reader of the decimal numbers the user types, kept apart from
// the program's own reader so that the two can be compared on any text.
//
// A text is a number when, after stripping spaces (U+0020) at both ends, it is
//   [+|-] mantissa [(E|e) [+|-] exponent-digits]
// where the mantissa is made of ASCII digits and at most one `separator`, and
// is not empty (a lone separator reads as 0), and the exponent digits may be
// absent (exponent 0). An exponent digit is only read while the exponent read
// before it is below 500, so "1e0500" is a number and "1e5000" is not.
// A number beyond the extended range (about 1.19e4932 in size) is refused;
// one that underflows reads as 0 or as a denormal.
//
// `separator` must not be a digit, a sign, a space, 'E' or 'e'.
std::optional<long double> ReferenceDecimal(std::u16string_view text, char16_t separator);
