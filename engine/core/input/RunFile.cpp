#include "input/RunFile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "TextReader.h"
#include "Units.h"
#include "input/InputChecks.h"
#include "miscutil.h"

namespace halvern {

namespace {

constexpr size_t kFilterExpressionLength = 255;

double DegreesToRadians(double degrees) {
    return degrees * 2.0 * std::numbers::pi / 360.0;
}

// The values as the file holds them, for the messages that name them.
struct RawRunValues {
    int32_t sampleMode = 0;
    int32_t sampleInterval = 0;
    int32_t outputOption = 0;
    double thetaDegrees = 0;
    double phiDegrees = 0;
    double tMaxFs = 0;
    double tMinFs = 0;
    double cutOffAngstrom = 0;
};

// A 16-bit field of the run: a value outside it is held at its nearest end, so that it can never
// wrap into one that passes the checks (65536 into 0); CheckRunValues names the value read.
uint16_t SixteenBits(int32_t value) {
    return static_cast<uint16_t>(std::clamp(value, 0, 65535));
}

RawRunValues ReadRunValues(TextReader& r, TRunParameters& p) {
    RawRunValues raw;
    raw.sampleMode = r.readInt();
    p.SampleMode = SixteenBits(raw.sampleMode);
    r.skipLine();
    raw.sampleInterval = r.readInt();
    p.SampleInterval = SixteenBits(raw.sampleInterval);
    r.skipLine();
    raw.outputOption = r.readInt();
    p.OutputOption = SixteenBits(raw.outputOption);
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
    raw.tMaxFs = static_cast<double>(r.readReal());
    raw.tMinFs = static_cast<double>(r.readReal());
    p.TMax = raw.tMaxFs * units::Femtosecond;
    p.TMin = raw.tMinFs * units::Femtosecond;
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

void LogParameterError(EngineHost& host, const std::string& text) {
    LogLine(host, "  ++++ Error ++++", colour::Red);
    LogLine(host, text, colour::Red);
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

// The integer fields outside the ranges the set-up program writes: they would wrap in their
// 16-bit fields or select nothing.
void CheckRunFields(ValueChecks& check, const RawRunValues& raw) {
    check.require(raw.sampleMode >= 0 && raw.sampleMode <= 3, "Sample mode",
                  ValueText(raw.sampleMode), 1, "must lie in 0..3");
    if (raw.sampleMode == 2 || raw.sampleMode == 3)
        check.require(limits::SamplingInterval.holds(raw.sampleInterval), "Sampling interval",
                      ValueText(raw.sampleInterval), 2,
                      LimitRule(limits::SamplingInterval) + " when sampling periodically");
    check.require(raw.outputOption >= 0 && raw.outputOption <= kMaxOutputOption, "Output option",
                  ValueText(raw.outputOption), 3, "must lie in 0..8");
}

// Times that end a run: a time step from the run dialog's range, and no more than 1e9 of them
// before t_max.
void CheckRunTimes(ValueChecks& check, const TRunParameters& p, const RawRunValues& raw) {
    const bool stepInRange = limits::TimeStep.holds(p.TimeStep);
    check.inLimit("Initial time step", p.TimeStep, 6, limits::TimeStep, " s");
    const std::string tMax = "t_max";
    if (!(raw.tMaxFs >= 0))
        check.require(false, tMax, ValueText(raw.tMaxFs), 8, "must not be negative");
    else if (stepInRange)
        check.require(p.TMax / p.TimeStep <= limits::MaxSteps, tMax, ValueText(raw.tMaxFs), 8,
                      "must not exceed " + ValueText(limits::MaxSteps * p.TimeStep * 1e15) +
                          " fs (1E9 time steps)");
    const std::string tMin = "t_min";
    if (!(raw.tMinFs >= 0))
        check.require(false, tMin, ValueText(raw.tMinFs), 8, "must not be negative");
    else
        check.require(std::isfinite(raw.tMinFs), tMin, ValueText(raw.tMinFs), 8,
                      "must be a finite number");
}

// Values that would divide by zero, never rebuild the partner lists, allocate rows of no slot,
// wrap, or never end; checked only on a file that was read whole.
bool CheckRunValues(const TRunParameters& p, const RawRunValues& raw, const std::string& fileName,
                    EngineHost& host) {
    ValueChecks check{host, fileName};
    CheckRunFields(check, raw);
    if (limits::Angle.holds(raw.thetaDegrees) && !PolarAngleAccepted(raw.thetaDegrees))
        check.require(false, "Polar angle", ValueText(raw.thetaDegrees), 4,
                      "must not be a multiple of 180 degrees");
    else
        check.inLimit("Polar angle", raw.thetaDegrees, 4, limits::Angle, " degrees");
    check.inLimit("Azimuthal angle", raw.phiDegrees, 5, limits::Angle, " degrees");
    CheckRunTimes(check, p, raw);
    check.inLimit("Rebuild interval", p.RebuildInterval, 7, limits::RebuildInterval);
    check.inLimit("Cut-off radius", raw.cutOffAngstrom, 9, limits::CutOff,
                  " A (Morse table range)");
    // Above the limit the run file has its own three-line message.
    check.require(p.PartnerLimit >= limits::PartnerLimit.min, "No. of partners",
                  ValueText(p.PartnerLimit), 10, LimitRule(limits::PartnerLimit));
    return check.ok;
}

}  // namespace

int32_t ReadRunFile(const std::string& fileName, TRunParameters& p, EngineHost& host) {
    LogLine(host, "  " + std::string(98, '-'), colour::Black);
    int32_t result = 0;

    TextReader reader;
    const bool opened = reader.open(fileName);
    p = TRunParameters{};
    const RawRunValues raw = ReadRunValues(reader, p);
    const bool readWhole = opened && !reader.failed();
    if (!readWhole) {
        LogParameterError(host, "  Format error in .RUN file");
        result = 1;
    }

    if (p.OutputOption > kMaxOutputOption) {
        LogParameterError(host, "  Parameter error in .RUN file");
        result = 1;
    }

    LogLine(host, "  SIMULATION PARAMETERS", colour::Black);
    LogLine(host, OutputLine(p), colour::Blue);

    if (p.SampleMode >= 4) {
        LogParameterError(host, "  Parameter error in .RUN file (sample mode)");
        result = 1;
    }
    if (p.PartnerLimit > kMaxPartnerLimit) {
        LogLine(host, "  ++++ Error ++++", colour::Red);
        LogLine(host,
                "  No. of partners parameter (set at " + IntToText(p.PartnerLimit) +
                    ") in .RUN file is larger",
                colour::Red);
        LogLine(host,
                "  than the maximum allowed value of " + IntToText(kMaxPartnerLimit) +
                    ". Decrease the former",
                colour::Red);
        LogLine(host,
                "  in the .RUN file, or increase the latter in the source file (if available).",
                colour::Red);
        result = 1;
    }
    if (readWhole && !CheckRunValues(p, raw, fileName, host)) result = 1;
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

void ReportRunRefused(EngineHost& host) {
    LogLine(host, "  ...Simulation aborted", colour::Red);
}

}  // namespace halvern
