// Positions of the lattice sites relative to the origin atom, for the surfaces the generators
// cut. The surface normal is z; layer n <= 0 lies at or below the origin. Callers pass the
// lengths already rounded to the precision their generator holds them in.
#pragma once

#include <cstdint>

namespace velkor {

struct Offset {
    long double x = 0, y = 0, z = 0;
};

inline Offset operator+(const Offset& p, const Offset& q) {
    return {p.x + q.x, p.y + q.y, p.z + q.z};
}

// The constants of the close-packed nets, used as written rather than 1/sqrt(3) and sqrt(3)/2,
// so that files stay the same as earlier versions wrote them.
inline constexpr long double kInvSqrt3 = 0.5773502692L;
inline constexpr long double kHalfSqrt3 = 0.866025404L;

// FCC (100): square net of spacing d = a/sqrt(2), layers a/2 apart, odd layers shifted by
// (d/2, d/2).
Offset Fcc100Site(long double a, long double d, int32_t m, int32_t i, int32_t n);
// FCC (110): rectangular net a by d, layers d/2 apart, odd layers shifted by (a/2, d/2).
Offset Fcc110Site(long double a, long double d, int32_t m, int32_t i, int32_t n);
// FCC (111): triangular net of spacing d, layers a/sqrt(3) apart, stacked A B C; every offset
// is held in single precision.
Offset Fcc111Site(long double a, long double d, int32_t m, int32_t i, int32_t n);
enum class FccSurface { S100, S110, S111 };
Offset FccSite(FccSurface surface, long double a, long double d, int32_t m, int32_t i, int32_t n);

// BCC (100): square net of spacing a, layers a/2 apart, odd layers shifted by (a/2, a/2).
Offset Bcc100Site(long double a, int32_t m, int32_t i, int32_t n);
// HCP (0001): triangular net of spacing a1, layers a3/2 apart, stacked A B; single precision.
Offset Hcp0001Site(long double a1, long double a3, int32_t m, int32_t i, int32_t n);

}  // namespace velkor
