#include "input/ModelFile.h"

#include <cmath>

#include "Colours.h"
#include "TextReader.h"
#include "Units.h"
#include "input/InputChecks.h"
#include "miscutil.h"
#include "potentials/MorseTable.h"

namespace halvern {

namespace {

constexpr double kMassTolerance = 0.1;  // amu
constexpr const char* kMassMismatchText =
    "Masses specified in .TRG & .MDL files differ by > 0.1 amu. Proceed anyway?";

double ReadRealLine(TextReader& r) {
    const double v = static_cast<double>(r.readReal());
    r.skipLine();
    return v;
}

int32_t ReadIntLine(TextReader& r) {
    const int32_t v = r.readInt();
    r.skipLine();
    return v;
}

// Lines 1 to 21 in SI units; returns the lattice mass of line 12 (amu), which is only checked.
double ReadModelValues(TextReader& r, TModelParameters& m) {
    m = TModelParameters{};
    m.PtKind = ReadIntLine(r);
    m.PtFactor = ReadRealLine(r);
    m.TtKind = ReadIntLine(r);
    m.TtFactor = ReadRealLine(r);
    m.MorseOption = ReadIntLine(r);
    m.MorseD = ReadRealLine(r) * units::ElectronVolt;
    m.MorseAlpha = ReadRealLine(r) / units::Angstrom;
    m.MorseR0 = ReadRealLine(r) * units::Angstrom;
    m.SplineLow = ReadRealLine(r) * units::Angstrom;
    m.SplineHigh = ReadRealLine(r) * units::Angstrom;
    m.VibrationFlag = ReadIntLine(r);
    const double latticeMass = ReadRealLine(r);
    for (int line = 13; line <= 15; ++line) r.skipLine();  // Debye temperatures
    m.SurfaceBinding = ReadRealLine(r) * units::ElectronVolt;
    m.BulkBinding = ReadRealLine(r) * units::ElectronVolt;
    m.TerminationEnergy = ReadRealLine(r) * units::ElectronVolt;
    m.BulkVariance = static_cast<double>(r.readReal());
    m.PerpendicularVariance = static_cast<double>(r.readReal());
    m.ParallelVariance = static_cast<double>(r.readReal());
    r.skipLine();
    m.Temperature = ReadRealLine(r);
    m.TestProjectileOnly = ReadIntLine(r) != 0 ? 1 : 0;
    return latticeMass;
}

}  // namespace

bool CheckModelValues(const TModelParameters& m, const TSimulationOptions& o,
                      const std::string& fileName, EngineHost& host) {
    ValueChecks check{host, fileName};
    check.inLimit("Screening-length factor", m.PtFactor, 2, limits::ScreeningFactor);
    check.inLimit("Screening-length factor", m.TtFactor, 4, limits::ScreeningFactor);
    if (m.MorseOption == 0) {
        check.inLimit("Morse D", m.MorseD / units::ElectronVolt, 6, limits::MorseValue, " eV");
        check.inLimit("Morse a", m.MorseAlpha * units::Angstrom, 7, limits::MorseValue, " 1/A");
        check.inLimit("Morse r0", m.MorseR0 / units::Angstrom, 8, limits::MorseValue, " A");
        check.inLimit("Spline inner radius", m.SplineLow / units::Angstrom, 9, limits::SplineInner,
                      " A");
        // Within the limit the spline's end lies inside the Morse table.
        check.inLimit("Spline outer radius", m.SplineHigh / units::Angstrom, 10,
                      limits::SplineOuter, " A (Morse table range)");
    }
    check.inLimit("Surface binding energy", m.SurfaceBinding / units::ElectronVolt, 16,
                  limits::ModelEnergy, " eV");
    check.inLimit("Bulk binding energy", m.BulkBinding / units::ElectronVolt, 17,
                  limits::ModelEnergy, " eV");
    check.inLimit("Termination energy", m.TerminationEnergy / units::ElectronVolt, 18,
                  limits::ModelEnergy, " eV");
    if (m.VibrationFlag == 0) {
        for (double v : {m.BulkVariance, m.PerpendicularVariance, m.ParallelVariance})
            check.inLimit("Vibration amplitude", v, 19, limits::VibrationVariance, " square A");
    } else if (o.HotTarget) {
        check.inLimit("Lattice temperature", m.Temperature, 20, limits::Temperature, " K");
    }
    return check.ok;
}

bool ReadModelFile(const std::string& fileName, const TModelFileInputs& inputs, TModelParameters& m,
                   TPairPotentials& potentials, EngineHost& host) {
    TextReader r;
    if (!r.open(fileName)) {
        LogLine(host, "  Cannot open " + fileName + " ...Aborting", colour::Red);
        return false;
    }
    bool ok = true;
    const TSimulationOptions& options = inputs.options;
    const TParticleArrays& particles = inputs.particles;
    const double latticeMass = ReadModelValues(r, m);
    if (m.VibrationFlag == 0 && std::fabs(latticeMass - particles.mass[1]) > kMassTolerance &&
        !host.sink().askYesNo(kMassMismatchText, BoxIcon::Warning))
        ok = false;

    if (options.HotTarget)
        LogLine(host, "  Hot target: T = " + RealToTextDigits(m.Temperature, 2) + " K",
                colour::Black);

    if (r.failed()) {
        host.sink().error("Format error in " + fileName + ".");
        return false;
    }
    if (!CheckModelValues(m, options, fileName, host)) return false;

    TPotentialInputs in;
    in.ptKind = m.PtKind;
    in.ptFactor = m.PtFactor;
    in.ttKind = m.TtKind;
    in.ttFactor = m.TtFactor;
    in.MorseOption = m.MorseOption;
    in.D = m.MorseD;
    in.alpha = m.MorseAlpha;
    in.r0 = m.MorseR0;
    in.Rlow = m.SplineLow;
    in.Rhigh = m.SplineHigh;
    in.Rc = inputs.cutOff;
    in.projectileZ = particles.Z[0];
    in.targetZ = particles.Z[1];
    in.MinForce = options.MinForce;
    in.Verbose = options.Verbose != 0;
    if (!PreparePotentials(in, potentials, host)) ok = false;
    return ok;
}

bool ReadModelFileAhead(const std::string& fileName, TModelParameters& model) {
    TextReader r;
    if (!r.open(fileName)) return false;
    ReadModelValues(r, model);
    return !r.failed();
}

}  // namespace halvern
