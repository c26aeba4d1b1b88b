// The totals of a run that its trajectories add to in impact order, and the report lines that
// show them: a trajectory hands its own figures to a TrajectoryReport, which adds them to the
// totals and logs the lines, at once (DirectReport) or when the trajectory is committed.
#pragma once

#include <cstdint>

#include "host/EngineHost.h"

namespace halvern {

struct TRunTotals {
    double CumulativeEnergyError = 0;  // sum of the per-trajectory errors, percent
    double CumulativeLssLoss = 0;      // J
    double CumulativeOrLoss = 0;       // J
    double CumulativeStLoss = 0;       // J
    // Trajectories whose energy error entered CumulativeEnergyError.
    int32_t BalancedTrajectories = 0;
    int32_t LargestPartnerCount = 0;
};

// One trajectory's inelastic loss sums, J (negative for a loss).
struct TLosses {
    double lss = 0;
    double oenRobinson = 0;
    double shapiroTombrello = 0;
};

// What the balance line of a trajectory is made of.
struct TBalance {
    double E0 = 0;           // eV
    double E1 = 0;           // eV
    double barrierSums = 0;  // J
    TLosses losses;
};

class TrajectoryReport {
  public:
    virtual ~TrajectoryReport() = default;
    // "Maximum no. of collision partners required was: " with the run's largest count so far.
    virtual void partnersLine(int32_t trajectoryLargest) = 0;
    virtual void balanceLines(const TBalance& balance) = 0;
    virtual void lossLines(const TLosses& losses) = 0;
};

// Adds to the totals and logs through the host at once.
class DirectReport : public TrajectoryReport {
  public:
    DirectReport(EngineHost& host, TRunTotals& totals) : host_(host), totals_(totals) {}
    void partnersLine(int32_t trajectoryLargest) override;
    void balanceLines(const TBalance& balance) override;
    void lossLines(const TLosses& losses) override;

  private:
    EngineHost& host_;
    TRunTotals& totals_;
};

void ReportLargestPartnerCount(EngineHost& host, TRunTotals& totals, int32_t trajectoryLargest);

// The balance line of a trajectory: barrier sums against the change of energy and the inelastic
// losses; adds the trajectory to the cumulative error.
void ReportEnergyBalance(EngineHost& host, TRunTotals& totals, const TBalance& balance);

// The LSS, Oen-Robinson and Shapiro-Tombrello lines; adds the trajectory's sums to the run's.
void ReportInelasticLosses(EngineHost& host, TRunTotals& totals, const TLosses& losses);

}  // namespace halvern
