#pragma once

#include <QChar>
#include <QString>

// The text form of a stored number: rounded to 15 significant digits (halves
// away from zero), no trailing zeros and no trailing separator, exponent form
// (1E-5, 1.5E15) below 0.0001 and from 1E15 up in size; 0 and -0 give "0".
QString FormatGeneral(double value, QChar separator);

// The same rule for extended values (used where a computed figure is too large
// for two decimals).
QString FormatGeneral(long double value, QChar separator);
