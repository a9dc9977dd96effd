#include "Winding.h"

#include "CheckedFloat.h"

#include <numbers>

namespace Winding {

using namespace CheckedFloat;

namespace {
constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kNestGain = 0.134L;
constexpr long double kMillimetresPerMetre = 1000;
} // namespace

long double Layers(double D, double B, double m, double d) {
    const long double room = Sub(Sub(D, B), Mul(2, m));
    return Div(room, Mul(2, d));
}

long double Turns(double W, double k, double d) {
    return Div(Mul(W, k), d);
}

long double LengthConservative(long double N, long double T, double B, double d) {
    const long double turnsAround = Mul(Mul(N, kPi), T);
    const long double meanDiameter = Add(Mul(N, d), B);
    return Div(Mul(turnsAround, meanDiameter), kMillimetresPerMetre);
}

long double LengthNested(long double n, long double Lc) {
    if (n == 0)
        return Lc;
    const long double gain = Div(Mul(Sub(n, 1), kNestGain), n);
    return Mul(Add(gain, 1), Lc);
}

} // namespace Winding
