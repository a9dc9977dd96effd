#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The program's one rule for reading a decimal number from text:
//   [spaces] [+|-] digits [sep digits] [(E|e) [+|-] digits] [spaces]
// with at least a digit or the separator in the mantissa (a lone separator
// reads as 0), ASCII digits only, an exponent without digits counting as 0,
// and an exponent digit taken only while the exponent read so far is below 500.
// Only the space counts as blank (no tabs), there are no thousands separators,
// and a value beyond the extended range (about 1.19e4932 in size) fails.
// `separator` is the decimal separator of the user's regional settings.
std::optional<long double> ParseDecimal(QStringView text, QChar separator);

inline bool IsDecimalNumber(QStringView text, QChar separator) {
    return ParseDecimal(text, separator).has_value();
}

// Like ParseDecimal, but a text that fails raises ActionError with the
// conversion message "'<text>' is not a valid floating point value".
long double ParseDecimalOrThrow(QStringView text, QChar separator);
