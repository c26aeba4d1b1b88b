#include "composite/SplineComposite.h"

#include <algorithm>
#include <cmath>

#include "FileSafety.h"
#include "NumberText.h"
#include "ScreenedCoulomb.h"
#include "Spline.h"
#include "Units.h"
#include "composite/SplineDataFile.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

constexpr double kRadiusStep = 1e-12;     // m
constexpr double kLargestRadius = 2e-10;  // the files never start beyond 2 Angstrom
// Beyond this a spline range is no potential the engine could use, and the files would not end.
constexpr double kRangeLimit = 1e-8;
// eV per joule of the coefficient box, and eV per Angstrom per newton of FORCE.SPL.
constexpr double kBoxEvPerJoule = 6.241506363094028e18;
constexpr double kEvPerAngstromPerNewton = 624150636.3094028;

halvern::TSplineFit FitOf(const TCompositeParams& p) {
    return {p.Z1, p.Z2, p.kind, p.a, p.D, p.alpha, p.r0, false, nullptr};
}

// V(r) and dV/dr of the piece that holds r.
struct PieceValue {
    double v, slope;
};

PieceValue CompositeAt(const TCompositeParams& p, const TSplineCoefficients& s,
                       halvern::TSplineFit& fit, double r) {
    if (r <= p.Rlow) return {halvern::RepulsiveValue(fit, r), halvern::RepulsiveDerivative(fit, r)};
    if (r < p.Rhigh) return {halvern::SplineValue(s.c, r), halvern::SplineDerivative(s.c, r)};
    return {halvern::MorseValue(fit, r), halvern::MorseDerivative(fit, r)};
}

template <class Column>
std::string CompositeText(const TCompositeParams& p, const TSplineCoefficients& s, Column column) {
    halvern::TSplineFit fit = FitOf(p);
    std::string text;
    for (double r : CompositeRadii(p.Rlow, p.Rhigh))
        text += SplineDataLine(r / halvern::units::Angstrom, column(CompositeAt(p, s, fit, r)));
    return text;
}

bool WriteComposite(const std::string& path, const std::string& text, halvern::MessageSink& sink) {
    const halvern::WriteOutcome written = halvern::WriteFileReplacing(path, text);
    if (written) return true;
    sink.error(written.failureText("Cannot create " + path + "."));
    return false;
}

std::string CoefficientLine(const char* name, double value, const char* unit) {
    return std::string(" ") + name + ": " + halvern::FormatScientific(value, 14) + " " + unit;
}

bool RangeUsable(const TCompositeParams& p) {
    return p.Rhigh > p.Rlow && p.Rlow > 0 && p.Rhigh <= kRangeLimit;
}

}  // namespace

std::vector<double> CompositeRadii(double Rlow, double Rhigh) {
    std::vector<double> radii;
    if (!(Rlow > 0 && Rhigh > Rlow && Rhigh <= kRangeLimit)) return radii;
    for (double r = std::min(0.8 * Rlow, kLargestRadius); r < 2 * Rhigh; r += kRadiusStep)
        radii.push_back(r);
    return radii;
}

std::string CompositePotentialText(const TCompositeParams& p, const TSplineCoefficients& s) {
    return CompositeText(p, s, [](PieceValue v) { return v.v * halvern::units::EvPerJoule; });
}

std::string CompositeForceText(const TCompositeParams& p, const TSplineCoefficients& s) {
    return CompositeText(p, s, [](PieceValue v) { return -v.slope * kEvPerAngstromPerNewton; });
}

std::string CoefficientBoxText(const TSplineCoefficients& s) {
    return "Calculated coefficients for cubic spline\r(a0 + a1*r + a2*r2 + a3*r3):\r\r" +
           CoefficientLine("a0", s.c[0] * kBoxEvPerJoule, "eV") + "\r" +
           CoefficientLine("a1", s.c[1] * 1e-10 * kBoxEvPerJoule, "eV/A") + "\r" +
           CoefficientLine("a2", s.c[2] * 1e-20 * kBoxEvPerJoule, "eV/A2") + "\r" +
           CoefficientLine("a3", s.c[3] * 1e-30 * kBoxEvPerJoule, "eV/A3") +
           "\r\rComposite potential data written to View files (FORCE.SPL, POTENTL.SPL). View "
           "now?";
}

bool FitComposite(const TCompositeParams& p, TSplineCoefficients& s, halvern::MessageSink& sink) {
    if (!RangeUsable(p)) {
        sink.error(kCompositeRangeErrorText);
        return false;
    }
    if (p.kind < 0 || p.kind > 2) {
        sink.error(halvern::kSplineFunctionErrorText);
        return false;
    }
    return halvern::FitPotentialSpline(p.Z1, p.Z2, p.kind, p.a, p.Rlow, p.Rhigh, p.D, p.alpha, p.r0,
                                       s.c[0], s.c[1], s.c[2], s.c[3], &sink);
}

bool SplineComposite(const TCompositeParams& p, const std::string& directory,
                     TCompositeFiles& files, halvern::MessageSink& sink) {
    TSplineCoefficients s;
    if (!FitComposite(p, s, sink)) return false;
    const std::string folder =
        directory.empty() || directory.back() == '/' ? directory : directory + "/";
    files.potentialPath = folder + kPotentialFileName;
    files.forcePath = folder + kForceFileName;
    // The box says the files were written, so it comes only after both are.
    if (!WriteComposite(files.potentialPath, CompositePotentialText(p, s), sink)) return false;
    if (!WriteComposite(files.forcePath, CompositeForceText(p, s), sink)) return false;
    return sink.askYesNo(CoefficientBoxText(s), halvern::BoxIcon::Information);
}

bool CompositeParamsOf(const TCompositeRequest& request, TCompositeParams& p,
                       halvern::MessageSink& sink) {
    if (request.kind < 0 || request.kind > 2) {
        sink.error(kCompositeKindErrorText);
        return false;
    }
    const auto real = [&sink](const std::string& text) {
        return static_cast<double>(TextToReal(sink, text));
    };
    p.Z1 = p.Z2 = static_cast<int16_t>(request.Z);
    p.kind = static_cast<int16_t>(request.kind);
    // The correction enters as the engine's factor does, so that the fit is the engine's.
    halvern::ScreeningLengthOfKind(request.kind, request.Z, request.Z, real(request.correction),
                                   p.a);
    p.D = real(request.D) * halvern::units::ElectronVolt;
    p.alpha = real(request.alpha) / halvern::units::Angstrom;
    p.r0 = real(request.r0) * halvern::units::Angstrom;
    p.Rlow = real(request.low) * halvern::units::Angstrom;
    p.Rhigh = real(request.high) * halvern::units::Angstrom;
    return true;
}

}  // namespace velkor
