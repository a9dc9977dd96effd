#include "CheckedFloat.h"

#include "ActionError.h"

#include <cmath>

namespace CheckedFloat {

QString FailureText(Failure failure) {
    switch (failure) {
    case Failure::DivisionByZero:
        return QStringLiteral("Floating point division by zero");
    case Failure::InvalidOperation:
        return QStringLiteral("Invalid floating point operation");
    case Failure::Overflow:
        return QStringLiteral("Floating point overflow");
    }
    return {};
}

void Raise(Failure failure) {
    throw ActionError(FailureText(failure));
}

namespace {

long double Checked(long double result, long double a, long double b) {
    if (std::isnan(result))
        Raise(Failure::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        Raise(Failure::Overflow);
    return result;
}

} // namespace

long double Add(long double a, long double b) {
    return Checked(a + b, a, b);
}

long double Sub(long double a, long double b) {
    return Checked(a - b, a, b);
}

long double Mul(long double a, long double b) {
    return Checked(a * b, a, b);
}

long double Div(long double a, long double b) {
    if (std::isnan(a) || std::isnan(b))
        Raise(Failure::InvalidOperation);
    if (b == 0)
        Raise(a == 0 || std::isinf(a) ? Failure::InvalidOperation : Failure::DivisionByZero);
    return Checked(a / b, a, b);
}

double ToDouble(long double value) {
    if (std::isnan(value))
        Raise(Failure::InvalidOperation);
    const double held = static_cast<double>(value);
    if (std::isinf(held) && std::isfinite(value))
        Raise(Failure::Overflow);
    return held;
}

long double Finite(long double value) {
    if (std::isnan(value))
        Raise(Failure::InvalidOperation);
    if (std::isinf(value))
        Raise(Failure::Overflow);
    return value;
}

} // namespace CheckedFloat
