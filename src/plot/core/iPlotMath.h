#pragma once
// The plot library's numeric routines: base-10 logarithm and power for log scales, cubic
// spline, polynomial and rational interpolation (arrays are 1-based: element i of n points
// is at index i, slot 0 is unused) and segment-crossing tests.
#include "graphics/Types.h"

#include <vector>

double PlotLog10(double x);
double PlotPower(double base, double exponent);

// Second derivatives of the cubic spline through n >= 2 points with strictly increasing X,
// with the chord slopes of the end segments as end slopes. Y2 is resized to n + 1.
void SplineSecondDerivatives(const std::vector<double>& X, const std::vector<double>& Y, int n,
                             std::vector<double>& Y2);
// The spline's value at x; raises "Splint Error - xa's must be distinct" when the bracketing
// X values are equal.
double SplineInterpolate(const std::vector<double>& XA, const std::vector<double>& YA,
                         const std::vector<double>& Y2A, int n, double x);
// Neville's polynomial and the diagonal rational function through n points, with the error
// estimate dy; they raise "Polynomial Interpolation Error - Pause in Routine Data" and
// "Rational Interpolation Error - Pause in Routine Data" on a zero denominator.
void PolynomialInterpolate(const std::vector<double>& XA, const std::vector<double>& YA, int n, double x, double& y,
                           double& dy);
void RationalInterpolate(const std::vector<double>& XA, const std::vector<double>& YA, int n, double x, double& y,
                         double& dy);

// The line through two pixel points: slope 1e30 for a vertical line.
void LineThroughPoints(const TPoint& p1, const TPoint& p2, double& slope, double& intercept);
// Whether the lines through two segments cross at an X within both segments' X ranges
// (parallel lines never do).
bool SegmentsIntersect(const TPoint& a1, const TPoint& a2, const TPoint& b1, const TPoint& b2);
// Whether the segment P-Q crosses an edge of the rectangle or has an end inside it.
bool SegmentIntersectsRect(const TPoint& p, const TPoint& q, const TRect& rect);
