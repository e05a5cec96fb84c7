#include "core/iPlotMath.h"

#include "rtl/Exception.h"
#include "rtl/RtlMath.h"

#include <algorithm>
#include <cmath>

double PlotLog10(double x) { return double(std::log2(static_cast<long double>(x)) * std::log10(2.0L)); }

double PlotPower(double base, double exponent) { return std::exp(exponent * std::log(base)); }

void SplineSecondDerivatives(const std::vector<double>& X, const std::vector<double>& Y, int n,
                             std::vector<double>& Y2) {
    Y2.assign(std::size_t(n) + 1, 0.0);
    if (n < 2) return;
    std::vector<double> u(std::size_t(n) + 1, 0.0);
    // The end slopes are always the chord slopes of the end segments.
    const double s1 = (Y[2] - Y[1]) / (X[2] - X[1]);
    const double sN = (Y[n] - Y[n - 1]) / (X[n] - X[n - 1]);
    if (s1 <= 0.99e30) {
        Y2[1] = -0.5;
        u[1] = (3 / (X[2] - X[1])) * ((Y[2] - Y[1]) / (X[2] - X[1]) - s1);
    }
    for (int i = 2; i <= n - 1; ++i) {
        const double sig = (X[i] - X[i - 1]) / (X[i + 1] - X[i - 1]);
        const double p = sig * Y2[i - 1] + 2;
        Y2[i] = (sig - 1) / p;
        u[i] = (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]) - (Y[i] - Y[i - 1]) / (X[i] - X[i - 1]);
        u[i] = (6 * u[i] / (X[i + 1] - X[i - 1]) - sig * u[i - 1]) / p;
    }
    double qn = 0, un = 0;
    if (sN <= 0.99e30) {
        qn = 0.5;
        un = (3 / (X[n] - X[n - 1])) * (sN - (Y[n] - Y[n - 1]) / (X[n] - X[n - 1]));
    }
    Y2[n] = (un - qn * u[n - 1]) / (qn * Y2[n - 1] + 1);
    for (int k = n - 1; k >= 1; --k) Y2[k] = Y2[k] * Y2[k + 1] + u[k];
}

double SplineInterpolate(const std::vector<double>& XA, const std::vector<double>& YA,
                         const std::vector<double>& Y2A, int n, double x) {
    int klo = 1, khi = n;
    while (khi - klo > 1) {
        const int k = (khi + klo) / 2;
        if (x < XA[k])
            khi = k;
        else
            klo = k;
    }
    const double h = XA[khi] - XA[klo];
    if (h == 0) throw Exception(QStringLiteral("Splint Error - xa's must be distinct"));
    const double a = (XA[khi] - x) / h, b = (x - XA[klo]) / h;
    return a * YA[klo] + b * YA[khi] + ((a * a * a - a) * Y2A[klo] + (b * b * b - b) * Y2A[khi]) * h * h / 6;
}

namespace {

// The tableau step shared by both interpolations: take the correction from the upper or
// lower branch, whichever keeps the path through the middle, and add it.
void AddCorrection(const std::vector<double>& C, const std::vector<double>& D, int& ns, int n, int m, double& y,
                   double& dy) {
    if (2 * ns < n - m) {
        dy = C[std::size_t(ns) + 1];
    } else {
        dy = D[std::size_t(ns)];
        ns = ns - 1;
    }
    y = y + dy;
}

}  // namespace

void PolynomialInterpolate(const std::vector<double>& XA, const std::vector<double>& YA, int n, double x, double& y,
                           double& dy) {
    std::vector<double> C(std::size_t(n) + 2, 0.0), D(std::size_t(n) + 2, 0.0);
    int ns = 1;
    double dif = std::fabs(x - XA[1]);
    for (int i = 1; i <= n; ++i) {
        const double dift = std::fabs(x - XA[i]);
        if (dift < dif) {
            ns = i;
            dif = dift;
        }
        C[i] = YA[i];
        D[i] = YA[i];
    }
    y = YA[ns];
    ns = ns - 1;
    dy = 0;
    for (int m = 1; m <= n - 1; ++m) {
        for (int i = 1; i <= n - m; ++i) {
            const double ho = XA[i] - x, hp = XA[i + m] - x;
            const double w = C[i + 1] - D[i];
            double den = ho - hp;
            if (den == 0) throw Exception(QStringLiteral("Polynomial Interpolation Error - Pause in Routine Data"));
            den = w / den;
            D[i] = hp * den;
            C[i] = ho * den;
        }
        AddCorrection(C, D, ns, n, m, y, dy);
    }
}

void RationalInterpolate(const std::vector<double>& XA, const std::vector<double>& YA, int n, double x, double& y,
                         double& dy) {
    std::vector<double> C(std::size_t(n) + 2, 0.0), D(std::size_t(n) + 2, 0.0);
    int ns = 1;
    double hh = std::fabs(x - XA[1]);
    for (int i = 1; i <= n; ++i) {
        const double h = std::fabs(x - XA[i]);
        if (h == 0) {
            y = YA[i];
            dy = 0;
            return;
        }
        if (h < hh) {
            ns = i;
            hh = h;
        }
        C[i] = YA[i];
        D[i] = YA[i] + 1e-25;
    }
    y = YA[ns];
    ns = ns - 1;
    dy = 0;
    for (int m = 1; m <= n - 1; ++m) {
        for (int i = 1; i <= n - m; ++i) {
            const double w = C[i + 1] - D[i];
            const double h = XA[i + m] - x;
            const double t = (XA[i] - x) * D[i] / h;
            double dd = t - C[i + 1];
            if (dd == 0) throw Exception(QStringLiteral("Rational Interpolation Error - Pause in Routine Data"));
            dd = w / dd;
            D[i] = C[i + 1] * dd;
            C[i] = t * dd;
        }
        AddCorrection(C, D, ns, n, m, y, dy);
    }
}

void LineThroughPoints(const TPoint& p1, const TPoint& p2, double& slope, double& intercept) {
    if (p1.X == p2.X)
        slope = 1e30;
    else
        slope = double(p2.Y - p1.Y) / double(p2.X - p1.X);
    intercept = p1.Y - p1.X * slope;
}

bool SegmentsIntersect(const TPoint& a1, const TPoint& a2, const TPoint& b1, const TPoint& b2) {
    double slopeA, interceptA, slopeB, interceptB;
    LineThroughPoints(a1, a2, slopeA, interceptA);
    LineThroughPoints(b1, b2, slopeB, interceptB);
    if (slopeA == slopeB) return false;
    // The crossing's X is rounded as a pixel: held in range first, so that a near-parallel
    // pair cannot overflow the conversion.
    const double crossing = (interceptB - interceptA) / (slopeA - slopeB);
    const std::int64_t x = Round(std::clamp(crossing, -1e15, 1e15));
    auto within = [x](const TPoint& p, const TPoint& q) {
        return x >= std::min(p.X, q.X) && x <= std::max(p.X, q.X);
    };
    return within(a1, a2) && within(b1, b2);
}

bool SegmentIntersectsRect(const TPoint& p, const TPoint& q, const TRect& r) {
    if (SegmentsIntersect(p, q, {r.Left, r.Top}, {r.Left, r.Bottom})) return true;
    if (SegmentsIntersect(p, q, {r.Left, r.Top}, {r.Right, r.Top})) return true;
    if (SegmentsIntersect(p, q, {r.Right, r.Top}, {r.Right, r.Bottom})) return true;
    if (SegmentsIntersect(p, q, {r.Right, r.Bottom}, {r.Left, r.Bottom})) return true;
    auto inside = [&r](const TPoint& a) { return a.X >= r.Left && a.X <= r.Right && a.Y >= r.Top && a.Y <= r.Bottom; };
    return inside(p) || inside(q);
}
