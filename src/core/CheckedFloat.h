#pragma once

#include <QString>

// Extended-precision arithmetic that stops at the first floating-point failure
// instead of letting an infinity or an undefined value travel on. Each failure
// raises ActionError with its report text:
//   division of a non-zero number by zero  -> "Floating point division by zero"
//   0/0, inf-inf, 0*inf, any NaN           -> "Invalid floating point operation"
//   a finite operation leaving the range   -> "Floating point overflow"
namespace CheckedFloat {

enum class Failure { DivisionByZero, InvalidOperation, Overflow };

QString FailureText(Failure failure);
[[noreturn]] void Raise(Failure failure);

long double Add(long double a, long double b);
long double Sub(long double a, long double b);
long double Mul(long double a, long double b);
long double Div(long double a, long double b);

// A value held as a double-precision number: beyond the double range it
// overflows.
double ToDouble(long double value);

// A result about to be written out must be an ordinary number.
long double Finite(long double value);

} // namespace CheckedFloat
