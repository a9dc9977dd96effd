#include "DecimalNumber.h"

#include "ActionError.h"

#include <cerrno>
#include <cmath>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace {

bool IsDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// strtold honours the process locale, which Qt sets from the environment; the
// normalised text below always uses a point, so it is read in the C locale.
locale_t CNumericLocale() {
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return c;
}

constexpr int kExponentDigitLimit = 500;

QString NotAFloatMessage(QStringView text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

} // namespace

std::optional<long double> ParseDecimal(QStringView text, QChar separator) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;

    std::string normal; // the same number written for strtold: -123.45e-6
    normal.reserve(static_cast<size_t>(n) + 8);
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            normal += '-';
        ++i;
    }

    bool mantissaSeen = false;
    bool anyDigit = false;
    while (i < n && IsDigit(text[i])) {
        normal += static_cast<char>(text[i].unicode());
        anyDigit = mantissaSeen = true;
        ++i;
    }
    if (i < n && text[i] == separator) {
        mantissaSeen = true;
        normal += '.';
        ++i;
        while (i < n && IsDigit(text[i])) {
            normal += static_cast<char>(text[i].unicode());
            anyDigit = true;
            ++i;
        }
    }
    if (!mantissaSeen)
        return std::nullopt;
    if (!anyDigit)
        normal += '0'; // a lone separator reads as 0

    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negative = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            negative = text[i] == u'-';
            ++i;
        }
        int exponent = 0;
        while (i < n && IsDigit(text[i]) && exponent < kExponentDigitLimit) {
            exponent = exponent * 10 + (text[i].unicode() - '0');
            ++i;
        }
        normal += negative ? "e-" : "e";
        normal += std::to_string(exponent);
    }

    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return std::nullopt;

    errno = 0;
    char* end = nullptr;
    const long double value = strtold_l(normal.c_str(), &end, CNumericLocale());
    if (end != normal.c_str() + normal.size())
        return std::nullopt;
    if (std::isinf(value))
        return std::nullopt; // beyond the extended range
    return value;
}

long double ParseDecimalOrThrow(QStringView text, QChar separator) {
    const auto value = ParseDecimal(text, separator);
    if (!value)
        throw ActionError(NotAFloatMessage(text));
    return *value;
}
