#include "GeneralFormat.h"

#include "DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int kSignificantDigits = 15;

QString Render(const DecimalDigits& d, QChar separator) {
    QString out;
    if (d.negative)
        out += u'-';
    const QString digits = QString::fromLatin1(d.digits);
    const int x = d.exponent;
    if (x < -4 || x >= kSignificantDigits) {
        out += digits[0];
        if (digits.size() > 1) {
            out += separator;
            out += digits.mid(1);
        }
        out += u'E';
        out += QString::number(x);
    } else if (x < 0) {
        out += u'0';
        out += separator;
        out += QString(-x - 1, u'0');
        out += digits;
    } else if (digits.size() <= x + 1) {
        out += digits;
        out += QString(x + 1 - digits.size(), u'0');
    } else {
        out += digits.left(x + 1);
        out += separator;
        out += digits.mid(x + 1);
    }
    return out;
}

QString RenderSpecial(long double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// The shortest text that reads back as the same double. When it has no more
// than 15 significant digits it is already the 15-digit rounding: the double
// lies within half a unit of its last bit of that text, far closer than the
// half step between neighbouring 15-digit numbers. Denormals have too few
// bits for this and take the exact route.
bool ShortestDigits(double value, DecimalDigits& d) {
    if (std::fabs(value) < std::numeric_limits<double>::min())
        return false;
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const char* p = buffer;
    d.negative = std::signbit(value);
    d.digits.clear();
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            d.digits += *p;
    }
    if (d.digits.size() > static_cast<size_t>(kSignificantDigits))
        return false;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent);
    d.exponent = exponent;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return true;
}

} // namespace

QString FormatGeneral(double value, QChar separator) {
    if (value == 0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return RenderSpecial(value);
    DecimalDigits d;
    if (!ShortestDigits(value, d))
        d = RoundedHalfAway(value, kSignificantDigits);
    return Render(d, separator);
}

QString FormatGeneral(long double value, QChar separator) {
    if (value == 0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return RenderSpecial(value);
    return Render(RoundedHalfAway(value, kSignificantDigits), separator);
}
