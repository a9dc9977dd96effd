#include "CutDecimals.h"

#include "DecimalDigits.h"
#include "GeneralFormat.h"

#include <cmath>

namespace {
constexpr int kFormatDigits = 18;
} // namespace

QString CutDecimals(long double value, QChar separator) {
    DecimalDigits d = RoundedHalfEven(value, kFormatDigits);
    if (d.digits != "0" && d.exponent >= kFormatDigits)
        return FormatGeneral(value, separator);
    // keep every digit up to and including the second decimal
    RoundDigitsHalfAway(d, d.exponent + 3);
    if (d.digits == "0")
        return QStringLiteral("0");
    QString out;
    if (d.negative)
        out += u'-';
    if (d.exponent < 0)
        return out + u'0';
    const QString digits = QString::fromLatin1(d.digits);
    const int integerDigits = d.exponent + 1;
    if (digits.size() >= integerDigits)
        return out + digits.left(integerDigits);
    return out + digits + QString(integerDigits - digits.size(), u'0');
}
