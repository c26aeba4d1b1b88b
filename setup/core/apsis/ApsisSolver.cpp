#include "apsis/ApsisSolver.h"

#include <cmath>

namespace velkor {

double CentreOfMassEnergy(const TCollision& c) {
    return c.E * c.M2 / (c.M1 + c.M2);
}

TApsisValue ApsisFunction(const TPairParams& pair, const TCollision& c, double r) {
    const double ec = CentreOfMassEnergy(c);
    const double pr = c.p / r;
    return {1.0 - PairPotential(pair, r) / ec - pr * pr,
            2.0 * c.p * c.p / (r * r * r) + PairForce(pair, r) / ec};
}

TApsis SolveApsis(const TPairParams& pair, const TCollision& c, double xacc, double x2, double x1) {
    const double fl = ApsisFunction(pair, c, x1).f;
    const double fh = ApsisFunction(pair, c, x2).f;
    const ApsisStatus bracket = fl * fh >= 0 ? ApsisStatus::OutsideRange : ApsisStatus::Ok;
    // xl keeps F < 0, xh F >= 0 when the root is bracketed.
    double xl = x1, xh = x2;
    if (fl >= 0) {
        xl = x2;
        xh = x1;
    }
    double r = (x1 + x2) / 2;
    double dxold = std::fabs(x2 - x1);
    double dx = dxold;
    TApsisValue v = ApsisFunction(pair, c, r);
    for (int round = 0; round < kApsisMaxRounds; ++round) {
        const bool outsideBracket = ((r - xh) * v.slope - v.f) * ((r - xl) * v.slope - v.f) >= 0;
        if (outsideBracket || std::fabs(2.0 * v.f) > std::fabs(dxold * v.slope)) {
            dxold = dx;
            dx = (xh - xl) / 2;
            r = xl + dx;
            if (r == xl) return {r, bracket};
        } else {
            dxold = dx;
            dx = v.f / v.slope;
            const double before = r;
            r -= dx;
            if (r == before) return {r, bracket};
        }
        if (std::fabs(dx) < xacc) return {r, bracket};
        v = ApsisFunction(pair, c, r);
        if (v.f < 0)
            xl = r;
        else
            xh = r;
    }
    return {r, bracket == ApsisStatus::Ok ? ApsisStatus::NotConverged : bracket};
}

TApsis ApsidalDistance(const TPairParams& pair, const TCollision& c) {
    return SolveApsis(pair, c, kApsisAccuracy, kApsisUpperBound, kApsisLowerBound);
}

}  // namespace velkor
