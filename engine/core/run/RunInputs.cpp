#include "run/RunInputs.h"

#include <numbers>

#include "input/InelasticFile.h"
#include "input/ModelFile.h"
#include "input/RunFile.h"
#include "input/TargetFile.h"
#include "miscutil.h"
#include "output/OutputWriters.h"
#include "run/ImpactSetUp.h"

namespace halvern {

namespace {

double RadiansToDegrees(double radians) {
    return radians * 360.0 * 0.5 / std::numbers::pi;
}

}  // namespace

bool ReadInelasticFile(const std::string& name, TRunState& rs) {
    const TSimulationOptions before = rs.options;
    const bool ok = ReadInelasticFile(name, rs.inelastic.params, rs.options, *rs.host);
    for (uint8_t TSimulationOptions::*model :
         {&TSimulationOptions::LssModel, &TSimulationOptions::OenRobinsonModel,
          &TSimulationOptions::ShapiroTombrelloModel})
        if (before.*model && !(rs.options.*model)) WriteBackOption(rs, model, 0);
    return ok;
}

int32_t ReadRunFile(const std::string& fileName, TRunState& rs) {
    const int32_t result = ReadRunFile(fileName, rs.run, *rs.host);
    // The filter expression of option 8 is compiled once by the run routine before the report.
    rs.OutputWriter = SelectOutputWriter(rs.run.OutputOption);
    return result;
}

bool ReadTargetFile(const std::string& targetFile, const std::string& modelFile, int32_t N,
                    TRunState& rs) {
    SeedRandomFromClock(rs.random, rs.globals->RandomSeed);
    return ReadTargetAtoms(targetFile, N, rs.particles, *rs.host, [&](int32_t i) {
        if (i == 1) {
            PlaceProjectile(rs);
            const TModelFileInputs inputs{rs.options, rs.run.CutOff, rs.particles};
            if (!ReadModelFile(modelFile, inputs, rs.model, rs.potentials, *rs.host)) return false;
        }
        if (rs.model.VibrationFlag == 0) ApplyThermalDisplacements(i, rs);
        return true;
    });
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

}  // namespace halvern
