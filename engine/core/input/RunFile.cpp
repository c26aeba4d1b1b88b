#include "input/RunFile.h"

#include <cmath>
#include <numbers>

#include "TextReader.h"
#include "Units.h"
#include "input/InputChecks.h"
#include "miscutil.h"
#include "run/RunState.h"

namespace halvern {

namespace {

constexpr size_t kFilterExpressionLength = 255;

double DegreesToRadians(double degrees) {
    return degrees * 2.0 * std::numbers::pi / 360.0;
}
double RadiansToDegrees(double radians) {
    return radians * 360.0 * 0.5 / std::numbers::pi;
}

// The values as the file holds them, for the messages that name them.
struct RawRunValues {
    double thetaDegrees = 0;
    double phiDegrees = 0;
    double cutOffAngstrom = 0;
};

RawRunValues ReadRunValues(TextReader& r, TRunParameters& p) {
    RawRunValues raw;
    p.SampleMode = static_cast<uint16_t>(r.readInt());
    r.skipLine();
    p.SampleInterval = static_cast<uint16_t>(r.readInt());
    r.skipLine();
    p.OutputOption = static_cast<uint16_t>(r.readInt());
    r.skipLine();
    raw.thetaDegrees = static_cast<double>(r.readReal());
    p.Theta = DegreesToRadians(raw.thetaDegrees);
    r.skipLine();
    raw.phiDegrees = static_cast<double>(r.readReal());
    p.Phi = DegreesToRadians(raw.phiDegrees);
    r.skipLine();
    p.TimeStep = static_cast<double>(r.readReal());
    r.skipLine();
    p.RebuildInterval = r.readInt();
    r.skipLine();
    p.TMax = static_cast<double>(r.readReal()) * units::Femtosecond;
    p.TMin = static_cast<double>(r.readReal()) * units::Femtosecond;
    r.skipLine();
    raw.cutOffAngstrom = static_cast<double>(r.readReal());
    p.CutOff = raw.cutOffAngstrom * units::Angstrom;
    r.skipLine();
    p.PartnerLimit = r.readInt();
    r.skipLine();
    p.FilterExpression = r.readString(kFilterExpressionLength);
    r.skipLine();
    return raw;
}

void LogParameterError(TRunState& rs, const std::string& text) {
    Log(rs, "  ++++ Error ++++", colour::Red);
    Log(rs, text, colour::Red);
}

std::string OutputLine(const TRunParameters& p) {
    if (p.SampleMode == 0) return "  No output specified.";
    switch (p.OutputOption) {
        case 0:
            return "  Output: for all particles";
        case 1:
            return "  Output: for projectile only";
        case 2:
            return "  Output: all particles with KE > 1 eV";
        case 3:
            return "  Output: all particles with KE > 10 eV";
        case 4:
            return "  Output: all particles with KE > 100 eV";
        case 5:
            return "  Output: all particles emitted from surface";
        case 6:
            return "  Output: emitted (reflected) projectiles";
        case 7:
            // The degree sign, as this platform's text shows it.
            return "  Output: all particles emitted within 5\u00B0 of surface normal";
        case 8:
            return "  Output: user-programmed = " + p.FilterExpression;
        default:
            return "  Parameter error in .RUN file";
    }
}

// Values that would divide by zero, never rebuild the partner lists or allocate rows of no
// slot; checked only on a file that was read whole.
bool CheckRunValues(TRunState& rs, const RawRunValues& raw, const std::string& fileName) {
    const TRunParameters& p = rs.run;
    EngineHost& host = *rs.host;
    bool ok = true;
    if (std::fmod(raw.thetaDegrees, 180.0) == 0) {
        ReportBadValue(host, "Polar angle", ValueText(raw.thetaDegrees), 4, fileName,
                       "must not be a multiple of 180 degrees");
        ok = false;
    }
    if (!(p.TimeStep > 0)) {
        ReportBadValue(host, "Initial time step", ValueText(p.TimeStep), 6, fileName,
                       "must be above 0");
        ok = false;
    }
    if (p.RebuildInterval < 1 || p.RebuildInterval > kMaxRebuildInterval) {
        ReportBadValue(host, "Rebuild interval", ValueText(p.RebuildInterval), 7, fileName,
                       "must lie in 1..65535");
        ok = false;
    }
    if (!(p.CutOff > 0)) {
        ReportBadValue(host, "Cut-off radius", ValueText(raw.cutOffAngstrom), 9, fileName,
                       "must be above 0");
        ok = false;
    }
    if (p.PartnerLimit < 1) {
        ReportBadValue(host, "No. of partners", ValueText(p.PartnerLimit), 10, fileName,
                       "must be at least 1");
        ok = false;
    }
    return ok;
}

}  // namespace

int32_t ReadRunFile(const std::string& fileName, TRunState& rs) {
    Log(rs, "  " + std::string(98, '-'), colour::Black);
    int32_t result = 0;

    TextReader reader;
    const bool opened = reader.open(fileName);
    TRunParameters& p = rs.run;
    p = TRunParameters{};
    const RawRunValues raw = ReadRunValues(reader, p);
    const bool readWhole = opened && !reader.failed();
    if (!readWhole) {
        LogParameterError(rs, "  Format error in .RUN file");
        result = 1;
    }

    // The filter expression of option 8 is compiled once by the run routine before the report.
    rs.OutputWriter = SelectOutputWriter(p.OutputOption);
    if (p.OutputOption > kMaxOutputOption) {
        LogParameterError(rs, "  Parameter error in .RUN file");
        result = 1;
    }

    Log(rs, "  SIMULATION PARAMETERS", colour::Black);
    Log(rs, OutputLine(p), colour::Blue);

    if (p.SampleMode >= 4) {
        LogParameterError(rs, "  Parameter error in .RUN file (sample mode)");
        result = 1;
    }
    if (p.PartnerLimit > kMaxPartnerLimit) {
        Log(rs, "  ++++ Error ++++", colour::Red);
        Log(rs,
            "  No. of partners parameter (set at " + IntToText(p.PartnerLimit) +
                ") in .RUN file is larger",
            colour::Red);
        Log(rs,
            "  than the maximum allowed value of " + IntToText(kMaxPartnerLimit) +
                ". Decrease the former",
            colour::Red);
        Log(rs, "  in the .RUN file, or increase the latter in the source file (if available).",
            colour::Red);
        result = 1;
    }
    if (readWhole && !CheckRunValues(rs, raw, fileName)) result = 1;
    return result;
}

std::string AlgorithmName(int32_t algorithm) {
    switch (algorithm) {
        case 0:
            return "HGE (B)";
        case 1:
            return "Two-Step (A)";
        case 2:
            return "Beeman";
        case 3:
            return "Verlet";
        default:
            return "***** UNDEFINED *****";
    }
}

int32_t ReportRunParameters(int32_t projectileZ, const std::string& name, int32_t N, double energy,
                            double mass, TRunState& rs) {
    const TRunParameters& p = rs.run;
    const TSimulationOptions& o = rs.options;
    Log(rs, "  Integration algorithm: " + AlgorithmName(o.Algorithm), colour::Black);

    const std::string every = "  Sampling periodically (every " + IntToText(p.SampleInterval);
    if (p.SampleMode == 1)
        Log(rs, "  Sampling at termination", colour::Blue);
    else if (p.SampleMode == 3)
        Log(rs, every + " timesteps) and at termination", colour::Blue);
    else if (p.SampleMode == 2)
        Log(rs, every + " timesteps) but not at termination", colour::Blue);

    Log(rs,
        "  Projectile: " + RealToTextDigits(energy, 3) + " keV " + name +
            "+ (Z=" + IntToText(projectileZ) + ", mass=" + RealToText8(mass) + ", " +
            "theta = " + RealToTextDigits(RadiansToDegrees(p.Theta), 2) +
            ", phi = " + RealToTextDigits(RadiansToDegrees(p.Phi), 2) + ")",
        colour::Blue);
    Log(rs, "  Number of atoms in target: " + IntToText(N), colour::Magenta);
    Log(rs, "  General parameters: ", colour::Black);
    Log(rs,
        "   - Calculations will start with " + RealToTextDigits(p.TimeStep * 1e15, 4) +
            " fs timestep",
        colour::Black);
    Log(rs,
        "   - Time before termination tests begin: " + RealToTextDigits(p.TMin * 1e15, 2) + " fs",
        colour::Black);
    Log(rs,
        "   - Time before compulsory termination: " + RealToTextDigits(p.TMax * 1e15, 2) + " fs",
        colour::Black);
    Log(rs,
        rs.model.TestProjectileOnly == 1 ? "   - Testing projectile only for term. energy"
                                         : "   - Testing all particles for termination energy",
        colour::Black);
    Log(rs, " ", colour::Black);
    Log(rs, "   - Potential cuts off at " + RealToTextDigits(p.CutOff * 1e10, 3) + " A",
        colour::Black);
    Log(rs, "   - Max. No. of collision partners = " + IntToText(p.PartnerLimit), colour::Black);
    if (!InelasticModelSelected(o)) {
        Log(rs, "    - Ignoring inelastic effects ", colour::Black);
    } else {
        std::string models;
        if (o.LssModel) models += "LSS, ";
        if (o.OenRobinsonModel) models += "OR, ";
        if (o.ShapiroTombrelloModel) models += "ST, ";
        Log(rs, "   - Including inelastic effects: " + models + "model(s) ", colour::Black);
    }
    Log(rs, " ", colour::Black);
    Log(rs, "  ==> Ready to run calculations in earnest.", colour::Blue);

    if (rs.batch) return 0;
    return rs.host->sink().askYesNo("Proceed with simulation now?") ? 0 : 1;
}

void ReportRunRefused(EngineHost& host) {
    LogLine(host, "  ...Simulation aborted", colour::Red);
}

}  // namespace halvern
