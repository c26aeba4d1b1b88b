#include "apsis/PairPotentialCalculator.h"

#include "NumberText.h"
#include "ShortString.h"
#include "StrictConversions.h"
#include "apsis/ApsisSolver.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

constexpr size_t kPotentialTextWidth = 10;

bool ReadReals(halvern::MessageSink& sink, std::initializer_list<const std::string*> texts,
               std::initializer_list<long double*> values) {
    auto value = values.begin();
    for (const std::string* text : texts)
        if (!halvern::StrToReal(sink, *text, **value++)) return false;
    return true;
}

}  // namespace

bool EvaluatePairPotential(const TPairPotentialInput& in, TPairPotentialOutput& out,
                           halvern::MessageSink& sink) {
    const long double r = TextToReal(sink, in.distance);
    const long double c = TextToReal(sink, in.correction);
    long double Z1 = 0, Z2 = 0, m1 = 0, m2 = 0, p = 0, E = 0;
    if (!ReadReals(sink, {&in.Z1, &in.Z2}, {&Z1, &Z2})) return false;
    if (!(r > 0 && c > 0 && Z1 > 0 && Z2 > 0)) {
        sink.error(kParameterRangeErrorText);
        return false;
    }
    if (!ReadReals(sink, {&in.M1, &in.M2, &in.impactParameter, &in.labEnergy}, {&m1, &m2, &p, &E}))
        return false;
    if (!(m1 > 0 && m2 > 0 && E > 0 && p >= 0)) {
        sink.error(kParameterRangeErrorText);
        return false;
    }

    const TPairParams pair{in.kind, static_cast<double>(Z1), static_cast<double>(Z2),
                           static_cast<double>(c)};
    const TCollision collision{static_cast<double>(m1), static_cast<double>(m2),
                               static_cast<double>(p), static_cast<double>(E)};
    TPairPotentialOutput result;
    result.comEnergy = halvern::FormatFixed(CentreOfMassEnergy(collision), 1, 6);
    const TApsis apsis = ApsidalDistance(pair, collision);
    switch (apsis.status) {
        case ApsisStatus::Ok:
            result.apsis = halvern::FormatFixed(apsis.r, 1, 6);
            break;
        case ApsisStatus::OutsideRange:
            sink.info(kApsisOutsideRangeText);
            break;
        case ApsisStatus::NotConverged:
            sink.info(kApsisNotConvergedText);
            break;
    }
    result.potential = halvern::CutRealText(
        halvern::FormatFixed(PairPotential(pair, static_cast<double>(r)), 1, 6),
        kPotentialTextWidth);
    result.screeningLabel =
        "Screening len. = " + halvern::FormatFixed(EffectiveScreeningLength(pair), 1, 6) + " A";
    out = result;
    return true;
}

std::optional<std::array<std::vector<TPotentialPoint>, kPairPotentialKinds>> PlotPotentials(
    const TPairPotentialInput& in) {
    long double c = 0, Z1 = 0, Z2 = 0;
    if (!halvern::ParseReal(in.correction, c) || !halvern::ParseReal(in.Z1, Z1) ||
        !halvern::ParseReal(in.Z2, Z2) || !(c > 0 && Z1 > 0 && Z2 > 0))
        return std::nullopt;
    std::array<std::vector<TPotentialPoint>, kPairPotentialKinds> series;
    for (int32_t kind = 0; kind < kPairPotentialKinds; ++kind)
        series[static_cast<size_t>(kind)] = PotentialSeries(
            {kind, static_cast<double>(Z1), static_cast<double>(Z2), static_cast<double>(c)});
    return series;
}

}  // namespace velkor
