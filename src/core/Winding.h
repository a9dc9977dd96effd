#pragma once

// How much cable of outer diameter d (mm) a reel holds. The reel's values come
// as double-precision numbers (flange diameter D, barrel diameter B, barrel
// width W and winding margin m in mm, width coefficient k); every expression is
// evaluated in extended precision. A floating-point failure raises ActionError
// (see CheckedFloat).
namespace Winding {

// Layers N = (D - B - 2m) / (2d): the radial room above the barrel, below the
// margin under the flange rim, in cable diameters.
long double Layers(double D, double B, double m, double d);

// Turns per layer T = W*k / d: the usable share of the barrel width in cable
// diameters.
long double Turns(double W, double k, double d);

// Conservative length in metres, layers stacked plainly:
// L = ((N*pi)*T)*(N*d + B) / 1000 with the unrounded N and T; B + N*d is the
// mean diameter of the wound layers in mm.
long double LengthConservative(long double N, long double T, double B, double d);

// Nested length in metres from the cut layer count n and the cut conservative
// length Lc: every layer after the first settles into the grooves of the one
// below and takes 13.4 % more, spread over all n layers:
// Q = (((n - 1) * 0.134) / n + 1) * Lc. With no whole layer (n = 0) there is
// nothing to nest and Q = Lc.
long double LengthNested(long double n, long double Lc);

} // namespace Winding
