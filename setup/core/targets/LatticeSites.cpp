#include "targets/LatticeSites.h"

#include "targets/GeneratorFrame.h"

namespace velkor {

namespace {

// Triangular net of spacing s: rows of constant i are offset by i s/2 along x.
Offset TriangularSite(long double s, long double shiftX, long double shiftY, int32_t m, int32_t i) {
    return {Single(shiftX + (m + i * 0.5L) * s), Single(shiftY + i * kHalfSqrt3 * s), 0};
}

}  // namespace

Offset Fcc100Site(long double a, long double d, int32_t m, int32_t i, int32_t n) {
    Offset p{m * d, i * d, n * a / 2};
    if (IsOddLayer(n)) p = p + Offset{d / 2, d / 2, 0};
    return p;
}

Offset Fcc110Site(long double a, long double d, int32_t m, int32_t i, int32_t n) {
    Offset p{m * a, i * d, n * d / 2};
    if (IsOddLayer(n)) p = p + Offset{a / 2, d / 2, 0};
    return p;
}

Offset Fcc111Site(long double a, long double d, int32_t m, int32_t i, int32_t n) {
    long double shiftX = 0, shiftY = 0;  // StackShiftX, StackShiftY
    switch (-n % 3) {
        case 1:
            shiftX = Single(d * 0.5L);
            shiftY = Single(d * 0.5L * kInvSqrt3);
            break;
        case 2:
            shiftX = Single(d);
            shiftY = Single(d * kInvSqrt3);
            break;
        default:
            break;
    }
    Offset p = TriangularSite(d, shiftX, shiftY, m, i);
    p.z = Single(n * kInvSqrt3 * a);
    return p;
}

Offset FccSite(FccSurface surface, long double a, long double d, int32_t m, int32_t i, int32_t n) {
    switch (surface) {
        case FccSurface::S100:
            return Fcc100Site(a, d, m, i, n);
        case FccSurface::S110:
            return Fcc110Site(a, d, m, i, n);
        case FccSurface::S111:
            return Fcc111Site(a, d, m, i, n);
    }
    return {};
}

Offset Bcc100Site(long double a, int32_t m, int32_t i, int32_t n) {
    Offset p{m * a, i * a, n * a / 2};
    if (IsOddLayer(n)) p = p + Offset{a / 2, a / 2, 0};
    return p;
}

Offset Hcp0001Site(long double a1, long double a3, int32_t m, int32_t i, int32_t n) {
    long double shiftX = 0, shiftY = 0;  // HcpShiftX, HcpShiftY
    if ((-n) % 2 != 0) {
        shiftX = Single(a1 * 0.5L);
        shiftY = Single(a1 * 0.5L * kInvSqrt3);
    }
    Offset p = TriangularSite(a1, shiftX, shiftY, m, i);
    p.z = Single(n * a3 * 0.5L);
    return p;
}

}  // namespace velkor
