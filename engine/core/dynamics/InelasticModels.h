// The inelastic-loss models applied after each velocity-Verlet step: Lindhard-Scharff-Schiott
// friction, Oen-Robinson losses at close collisions and Shapiro-Tombrello electron promotion,
// with the per-particle event rows that track the pairs of the two event models.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dynamics/InelasticTables.h"
#include "dynamics/PairForce.h"
#include "dynamics/ParticleArrays.h"
#include "dynamics/TargetExtent.h"
#include "dynamics/UniformRandom.h"
#include "host/EngineHost.h"
#include "host/SimulationOptions.h"

namespace halvern {

// One watched pair of an Oen-Robinson row.
struct TOrSlot {
    int32_t partner = kEndOfRow;
    double previousD2 = 0;  // squared distance at the last step, m^2
    uint8_t done = 0;       // the pair had its event
};

// One watched pair of a Shapiro-Tombrello row.
struct TStSlot {
    int32_t partner = kEndOfRow;
    double previousD2 = 0;
    uint8_t armed = 0;        // the pair came within Rcrit on its approach
    double radialEnergy = 0;  // J
    uint8_t done = 0;
};

// One row of slots per particle; a row ends at the first slot whose partner is kEndOfRow.
template <class Slot>
struct TEventRows {
    int32_t rows = 0;
    int32_t slots = 0;
    std::vector<Slot> entries;

    Slot* row(int32_t i) { return entries.data() + static_cast<size_t>(i) * slots; }
    const Slot* row(int32_t i) const { return entries.data() + static_cast<size_t>(i) * slots; }
};

using TOrEventRows = TEventRows<TOrSlot>;
using TStEventRows = TEventRows<TStSlot>;

// Every row empty.
template <class Slot>
void ClearEventRows(TEventRows<Slot>& r) {
    for (int32_t i = 0; i < r.rows; ++i) r.row(i)[0].partner = kEndOfRow;
}

template <class Slot>
void AllocateEventRows(TEventRows<Slot>& r, int32_t n, int32_t slots) {
    r.rows = n;
    r.slots = slots;
    r.entries.assign(static_cast<size_t>(n) * slots, Slot{});
    ClearEventRows(r);
}

template <class Slot>
void FreeEventRows(TEventRows<Slot>& r) {
    std::vector<Slot>().swap(r.entries);
    r.rows = r.slots = 0;
}

// Position of the row's end mark.
template <class Slot>
int32_t EventRowEnd(const TEventRows<Slot>& r, int32_t i) {
    const Slot* row = r.row(i);
    int32_t k = 0;
    while (row[k].partner != kEndOfRow) ++k;
    return k;
}

// True, with the slot's position, when i's row watches `partner`; position -1 when not.
template <class Slot>
bool FindSlot(const TEventRows<Slot>& r, int32_t i, int32_t partner, int32_t& position) {
    const Slot* row = r.row(i);
    for (int32_t k = 0; row[k].partner != kEndOfRow; ++k)
        if (row[k].partner == partner) {
            position = k;
            return true;
        }
    position = -1;
    return false;
}

// The slots from `position` up to and including the end mark move one place up; false, with the
// row unchanged, when the row has no room left.
template <class Slot>
bool InsertSlot(TEventRows<Slot>& r, const Slot& slot, int32_t i, int32_t position) {
    const int32_t end = EventRowEnd(r, i);
    if (end + 1 >= r.slots || position < 0 || position > end) return false;
    Slot* row = r.row(i);
    for (int32_t k = end; k >= position; --k) row[k + 1] = row[k];
    row[position] = slot;
    return true;
}

// The later slots, end mark included, move one place down.
template <class Slot>
void DeleteSlot(TEventRows<Slot>& r, int32_t i, int32_t position) {
    const int32_t end = EventRowEnd(r, i);
    Slot* row = r.row(i);
    for (int32_t k = position; k < end; ++k) row[k] = row[k + 1];
}

inline bool FindOrSlot(const TOrEventRows& r, int32_t i, int32_t partner, int32_t& position) {
    return FindSlot(r, i, partner, position);
}
inline bool FindStSlot(const TStEventRows& r, int32_t i, int32_t partner, int32_t& position) {
    return FindSlot(r, i, partner, position);
}
inline bool InsertOrSlot(TOrEventRows& r, const TOrSlot& s, int32_t i, int32_t position) {
    return InsertSlot(r, s, i, position);
}
inline bool InsertStSlot(TStEventRows& r, const TStSlot& s, int32_t i, int32_t position) {
    return InsertSlot(r, s, i, position);
}
inline void DeleteOrSlot(TOrEventRows& r, int32_t i, int32_t position) {
    DeleteSlot(r, i, position);
}
inline void DeleteStSlot(TStEventRows& r, int32_t i, int32_t position) {
    DeleteSlot(r, i, position);
}

// Brings every row of particles 0..N-1 in line with the partner lists: pairs within the squared
// distance `watchD2` get a slot (entering with their current squared distance), pairs beyond it
// and partners no longer listed lose theirs.
template <class Slot>
void UpdateEventRows(TEventRows<Slot>& r, const TPartnerRows& partners, const TParticleArrays& p,
                     int32_t N, double watchD2) {
    for (int32_t i = 0; i < N; ++i) {
        const int32_t* listed = partners.row(i);
        auto isListed = [listed](int32_t j) {
            for (int32_t k = 0; listed[k] != kEndOfRow; ++k)
                if (listed[k] == j) return true;
            return false;
        };
        Slot* row = r.row(i);
        for (int32_t k = 0; row[k].partner != kEndOfRow;) {
            if (isListed(row[k].partner))
                ++k;
            else
                DeleteSlot(r, i, k);
        }
        for (int32_t k = 0; listed[k] != kEndOfRow; ++k) {
            const int32_t j = listed[k];
            const double dx = p.x[i] - p.x[j], dy = p.y[i] - p.y[j], dz = p.z[i] - p.z[j];
            const double d2 = dx * dx + dy * dy + dz * dz;
            int32_t position;
            const bool watched = FindSlot(r, i, j, position);
            if (d2 <= watchD2 && !watched) {
                Slot slot;
                slot.partner = j;
                slot.previousD2 = d2;
                InsertSlot(r, slot, i, EventRowEnd(r, i));
            } else if (d2 > watchD2 && watched) {
                DeleteSlot(r, i, position);
            }
        }
    }
}

// The inelastic state of a run: the tables, the event rows and the loss sums (J, negative for a
// loss) of the current trajectory.
struct TInelasticState {
    TInelasticParameters params;
    TOrEventRows orRows;
    TStEventRows stRows;
    double lssLoss = 0;
    double orLoss = 0;
    double stLoss = 0;
};

// One line of the inelastic-events file, CR LF included. Distances and z in Angstrom, energies
// in eV, dt in fs; `electrons` < 0 marks an Oen-Robinson event.
std::string InelasticEventLine(int32_t run, int32_t i, int32_t j, double dE, double rOld,
                               double rNew, double z, double dtFs, double E, int32_t electrons);

// Where the events of the passes are recorded as lines of the inelastic-events file.
class InelasticEventLines {
  public:
    virtual ~InelasticEventLines() = default;
    // True when a line is kept (its option on and its file open).
    virtual bool wanted() const = 0;
    virtual void write(const std::string& line) = 0;
};

// What the passes work on: the pair potentials as a force field, the particles, the tables with
// the event rows and loss sums, the top of the target (the LSS friction acts below it, m), the
// impact that event lines name, and where events are reported: their lines, and with `verbose`
// a line each in the log of `host`.
struct TInelasticStep {
    TForceField field;
    TParticleArrays& particles;
    TInelasticState& inelastic;
    double targetTop;
    int32_t runCount;
    bool verbose;
    EngineHost& host;
    InelasticEventLines& events;
};

// Takes the energy change Q (J, negative for a loss) out of the pair's potential energy by moving
// i and j apart along their line of centres; returns the distance afterwards (m).
double SeparationCorrection(TInelasticStep& s, int32_t i, int32_t j, double Q);

void ShapiroTombrelloPass(TInelasticStep& s, UniformRandom& random, int32_t N, double dt);
void OenRobinsonPass(TInelasticStep& s, int32_t N, double dt);
void LssPass(TInelasticStep& s, const TTargetExtent& extent, int32_t N, double dt);

// The models that `options` selects in their order (Shapiro-Tombrello, Oen-Robinson, LSS), after
// the velocity update of a Verlet step; the Shapiro-Tombrello draws come from `random` (a run with
// that model gives its generator).
void ApplyInelasticModels(const TSimulationOptions& options, TInelasticStep& s,
                          UniformRandom* random, const TTargetExtent& extent, int32_t N, double dt);

}  // namespace halvern
