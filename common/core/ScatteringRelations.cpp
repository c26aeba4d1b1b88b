#include "ScatteringRelations.h"

#include <cmath>

#include "NumberText.h"
#include "RangeCheck.h"
#include "ShortString.h"
#include "StrictConversions.h"

namespace halvern {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
constexpr long double kRadiansPerDegree = 0.017453292519943295769L;
constexpr long double kDegreesPerRadian = 180.0L / kPi;
constexpr const char* kNone = "<None>";
constexpr const char* kInvalid = "<Invalid>";

std::string ResultText(long double x) {
    return CutRealText(ShortestRealText(x), kScatterTextWidth);
}

// The mass of a text within range, else the last good one with its text put back.
long double TakeMass(std::string& text, long double& lastGood, MessageSink& sink) {
    long double mass = 0;
    if (ParseReal(text, mass) && kScatterMassMin <= mass && mass <= kScatterMassMax) {
        lastGood = mass;
        return mass;
    }
    text = ShortestRealText(lastGood);
    sink.beep();
    return lastGood;
}

// asin for |x| <= 1; any other argument is reported and gives 0.
long double ArcSin(long double x, MessageSink& sink) {
    if (std::fabs(x) < 1) return std::atan(x / std::sqrt(1 - x * x));
    if (x == 1) return kPi / 2;
    sink.error("Illegal data (" + ShortestRealText(x) + ").");
    return 0;
}

// The two energy fractions of a centre-of-mass angle text; a text that cannot be read back
// gives no fractions.
void EnergyFractions(const std::string& comText, long double A, std::string& e1, std::string& e2) {
    long double degrees = 0;
    if (!ParseReal(comText, degrees)) {
        e1 = e2 = kInvalid;
        return;
    }
    const long double half = std::sin(degrees * kRadiansPerDegree / 2);
    const long double sum2 = (A + 1) * (A + 1);
    e1 = ResultText((sum2 - 4 * A * half * half) / sum2);
    e2 = ResultText(4 * A / sum2 * half * half);
}

std::string RecoilAngle(const std::string& comText) {
    long double degrees = 0;
    if (!ParseReal(comText, degrees)) return kInvalid;
    return ResultText((kPi / 2 - degrees * kRadiansPerDegree / 2) * kDegreesPerRadian);
}

}  // namespace

bool EvaluateScattering(TScatterInput& input, TScatterMasses& lastGood, TScatterResults& results,
                        MessageSink& sink) {
    const long double m1 = TakeMass(input.m1, lastGood.m1, sink);
    const long double m2 = TakeMass(input.m2, lastGood.m2, sink);
    long double angle = 0;
    if (!StrToReal(sink, input.labAngle, angle)) return false;
    if (angle < kScatterAngleMin || angle > kScatterAngleMax) {
        sink.beep();
        sink.error(RangeMessageReal(kScatterAngleMin, kScatterAngleMax));
        return false;
    }
    const long double theta1 = angle * kRadiansPerDegree;
    if (m1 >= m2 && (std::sin(theta1) > m2 / m1 || theta1 > kPi / 2)) {
        sink.error(kImpossibleAngleText);
        return false;
    }

    const long double A = m2 / m1;
    const long double s = std::sin(theta1) / A;
    const bool real = std::fabs(s) <= 1;
    TScatterResults r;
    r.comAngle1 = real ? ResultText((theta1 + ArcSin(s, sink)) * kDegreesPerRadian) : kInvalid;
    if (A >= 1)
        r.comAngle2 = kNone;
    else
        r.comAngle2 =
            real ? ResultText((theta1 + kPi - ArcSin(s, sink)) * kDegreesPerRadian) : kInvalid;
    // The recoil angle and the fractions come from the angles as written, not the unrounded ones.
    r.recoilAngle = RecoilAngle(r.comAngle1);
    EnergyFractions(r.comAngle1, A, r.e1Ratio1, r.e2Ratio1);
    if (r.comAngle2.front() == '<')
        r.e1Ratio2 = r.e2Ratio2 = kNone;
    else
        EnergyFractions(r.comAngle2, A, r.e1Ratio2, r.e2Ratio2);
    results = r;
    return true;
}

}  // namespace halvern
