#include "CutDecimals.h"

#include "DecimalDigits.h"
#include "GeneralFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kFormatDigits = 18;

__extension__ typedef unsigned __int128 u128;

constexpr uint64_t kPowersOfTen[] = {1ULL,
                                     10ULL,
                                     100ULL,
                                     1000ULL,
                                     10000ULL,
                                     100000ULL,
                                     1000000ULL,
                                     10000000ULL,
                                     100000000ULL,
                                     1000000000ULL,
                                     10000000000ULL,
                                     100000000000ULL,
                                     1000000000000ULL,
                                     10000000000000ULL,
                                     100000000000000ULL,
                                     1000000000000000ULL,
                                     10000000000000000ULL,
                                     100000000000000000ULL,
                                     1000000000000000000ULL,
                                     10000000000000000000ULL};

QString Signed(bool negative, uint64_t hundredths) {
    const uint64_t integer = hundredths / 100;
    if (negative && hundredths != 0)
        return QLatin1Char('-') + QString::number(integer);
    return QString::number(integer);
}

// The same rule by exact integer arithmetic on the value's 64-bit mantissa,
// for the figures a calculation run usually makes (0.01 <= |v| < 1E17);
// false for any other value.
bool CutDecimalsFast(long double value, QString& out) {
    const long double magnitude = std::fabs(value);
    if (!(magnitude >= 0.01L && magnitude < 1e17L))
        return false;
    int binaryExponent = 0;
    const long double fraction = std::frexp(magnitude, &binaryExponent);   // magnitude = fraction * 2^binaryExponent
    const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64)); // exact: 64 mantissa bits
    const int shift = 64 - binaryExponent;                                 // magnitude = mantissa / 2^shift, 7..71

    // k: the power of ten of the leading digit, -2..16. The magnitude lies in
    // [2^(binaryExponent-1), 2^binaryExponent), so k is floor((binaryExponent-1)
    // * log10 2) or one more; 1233/4096 stands for log10 2, and the exact
    // comparisons settle the last step either way.
    const u128 scaled = static_cast<u128>(mantissa);
    auto atLeastPowerOfTen = [&](int power) {
        if (power >= 0)
            return scaled >= (static_cast<u128>(kPowersOfTen[power]) << shift);
        return scaled * kPowersOfTen[-power] >= (static_cast<u128>(1) << shift);
    };
    int k = std::clamp(((binaryExponent - 1) * 1233) >> 12, -2, 16);
    if (k < 16 && atLeastPowerOfTen(k + 1))
        ++k;
    else if (k > -2 && !atLeastPowerOfTen(k))
        --k;

    // the 18 significant digits, ties to even: digits = round(magnitude * 10^-p)
    int p = k - (kFormatDigits - 1); // place of the 18th digit, -19..-1
    const u128 product = scaled * kPowersOfTen[-p];
    uint64_t digits = static_cast<uint64_t>(product >> shift);
    const u128 rest = product & ((static_cast<u128>(1) << shift) - 1);
    const u128 half = static_cast<u128>(1) << (shift - 1);
    if (rest > half || (rest == half && (digits & 1)))
        ++digits;
    if (digits == kPowersOfTen[kFormatDigits]) { // 99...9 rounded up to a nineteenth digit
        digits = kPowersOfTen[kFormatDigits - 1];
        ++p;
    }

    // that digit string rounded at hundredths, halves away from zero
    uint64_t hundredths = digits;
    const int dropped = -2 - p;
    if (dropped > 0) {
        const uint64_t unit = kPowersOfTen[dropped];
        hundredths = digits / unit;
        if ((digits % unit) * 2 >= unit)
            ++hundredths;
    } else {
        hundredths = digits * kPowersOfTen[-dropped];
    }
    out = Signed(value < 0, hundredths);
    return true;
}

} // namespace

QString CutDecimalsByPrinting(long double value, QChar separator) {
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

QString CutDecimals(long double value, QChar separator) {
    QString out;
    if (CutDecimalsFast(value, out))
        return out;
    return CutDecimalsByPrinting(value, separator);
}
