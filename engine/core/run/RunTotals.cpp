#include "run/RunTotals.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Colours.h"
#include "miscutil.h"
#include "run/EnergyBalance.h"

namespace halvern {

namespace {

constexpr double kEvPerJoule = 6.241449214576031e18;

}  // namespace

void DirectReport::partnersLine(int32_t trajectoryLargest) {
    ReportLargestPartnerCount(host_, totals_, trajectoryLargest);
}

void DirectReport::balanceLines(const TBalance& balance) {
    ReportEnergyBalance(host_, totals_, balance);
}

void DirectReport::lossLines(const TLosses& losses) {
    ReportInelasticLosses(host_, totals_, losses);
}

void ReportLargestPartnerCount(EngineHost& host, TRunTotals& totals, int32_t trajectoryLargest) {
    totals.LargestPartnerCount = std::max(totals.LargestPartnerCount, trajectoryLargest);
    LogLine(host,
            "  Maximum no. of collision partners required was: " +
                IntToText(totals.LargestPartnerCount),
            colour::Black);
}

void ReportEnergyBalance(EngineHost& host, TRunTotals& totals, const TBalance& b) {
    const TLosses& l = b.losses;
    const double dE = (b.barrierSums - (l.lss + l.oenRobinson + l.shapiroTombrello)) * kEvPerJoule +
                      b.E1 - b.E0;
    if (std::fabs(b.E0) < kNegligibleEnergy) {
        // The relative error has no meaning; the trajectory stays out of the mean.
        LogLine(host, "  dE = " + RealToText8(dE) + " eV", colour::Blue);
        LogLine(host, "  Initial system energy is about 0 eV: left out of the cumulative error.",
                colour::Blue);
        return;
    }
    const double error = dE * 100 / b.E0;
    totals.CumulativeEnergyError += error;
    totals.BalancedTrajectories += 1;
    LogLine(host,
            "  dE = " + RealToText8(dE) + " eV; dE/(KE+PE) = " + RealToTextDigits(error, 4) +
                " %; " + " (Cumulative: " +
                RealToTextDigits(totals.CumulativeEnergyError / totals.BalancedTrajectories, 4) +
                " %)",
            colour::Blue);
}

void ReportInelasticLosses(EngineHost& host, TRunTotals& totals, const TLosses& losses) {
    const struct {
        const char* title;
        double trajectory;
        double& cumulative;
    } lines[] = {{"  LSS loss (eV): This run: ", losses.lss, totals.CumulativeLssLoss},
                 {"  OR loss  (eV): This run: ", losses.oenRobinson, totals.CumulativeOrLoss},
                 {"  ST loss  (eV): This run: ", losses.shapiroTombrello, totals.CumulativeStLoss}};
    for (const auto& l : lines) {
        l.cumulative += l.trajectory;
        LogLine(host,
                l.title + RealToText8(l.trajectory * kEvPerJoule) +
                    ", cumulative: " + RealToText8(l.cumulative * kEvPerJoule),
                colour::Blue);
    }
}

}  // namespace halvern
