// The energy balance of a trajectory: total energy, momentum and angular momentum of the system,
// the final configuration report, the balance line and the inelastic loss lines.
#pragma once

#include <cstdint>

#include "dynamics/PairForce.h"
#include "dynamics/ParticleArrays.h"
#include "dynamics/TargetExtent.h"
#include "run/RunTotals.h"

namespace halvern {

struct TRunState;
struct TRunShared;
struct TTrajectoryState;
struct TInelasticState;

// The energy of a target pair at distance d < Rc by region (J).
double TargetPairEnergy(const TForceField& f, int32_t i, int32_t j, double d);

// The potential energy of particles 0..N (J): projectile-target pairs with their energy at
// min(d, Rc), target pairs with V(d) - V(Rc) inside the cut-off. Pairs are found through a cell
// list, so the cost grows as N.
double PotentialEnergy(const TForceField& f, const TParticleArrays& p, int32_t N,
                       const TForceSwitches& switches);

// With ReportEnergy set: the total energy (eV) and, with Verbose, its report lines; `final` marks
// the call at the end of a trajectory, which also reports the ejected atoms. Without ReportEnergy
// nothing is computed and 0 is returned.
double SystemEnergy(const TRunShared& run, const TTrajectoryState& tj, const TTargetExtent& extent,
                    bool final);
double SystemEnergy(TRunState& rs, const TTargetExtent& extent, bool final);

// Initial energies (eV) below this size leave a trajectory out of the cumulative error.
constexpr double kNegligibleEnergy = 1e-6;

TLosses LossesOf(const TInelasticState& in);

// The report lines of RunTotals.h on the losses of rs.inelastic, through the run's host.
void ReportEnergyBalance(TRunState& rs, double E0, double E1, double barrierSums);
void ReportInelasticLosses(TRunState& rs);

// The closing line of a run: the mean error of the balanced trajectories (0 when none was).
void ReportCumulativeEnergyError(TRunState& rs);

}  // namespace halvern
