#pragma once

#include <QChar>
#include <QString>

// Turns a computed winding figure into its integer text: the value rounded to
// 18 significant digits (ties to even), that digit string rounded at the second
// decimal (halves away from zero), the two decimals then cut off. A result that
// rounded to zero carries no minus sign; any other negative one does, so -0.4
// gives "-0" and -0.004 gives "0".
//
// Figures of 1E18 and above in size have no two-decimal form worth cutting;
// they are written in the general 15-digit format (such as 1.5E18), which
// is also how the stored figure reads back.
//
// The value must be finite: the winding formulas raise their floating-point
// errors before a value gets here.
QString CutDecimals(long double value, QChar separator);

// The same rule worked out by printing the value's digits, for any finite
// value; CutDecimals takes a faster exact route where it can.
QString CutDecimalsByPrinting(long double value, QChar separator);
