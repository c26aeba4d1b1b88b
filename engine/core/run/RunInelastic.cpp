#include "run/RunInelastic.h"

#include <string>

#include "output/PendingOutput.h"
#include "run/Trajectory.h"

namespace halvern {

namespace {

// The trajectory's events file: the run's own, or the trajectory's pending output.
class TrajectoryEventLines final : public InelasticEventLines {
  public:
    TrajectoryEventLines(const TSimulationOptions& options, const TRecordTargets& to)
        : options_(options), to_(to) {}

    bool wanted() const override {
        const bool open = to_.pending ? to_.eventsOpen : to_.events && to_.events->isOpen();
        return options_.RecordInelastic && open;
    }
    void write(const std::string& line) override {
        if (to_.pending)
            to_.pending->append(PendingStream::Events, line);
        else
            to_.events->write(line);
    }

  private:
    const TSimulationOptions& options_;
    const TRecordTargets& to_;
};

}  // namespace

void ApplyInelasticModels(const TRunShared& run, TTrajectoryState& tj, UniformRandom* random,
                          const TTargetExtent& extent, int32_t N, double dt) {
    TrajectoryEventLines lines(run.options, tj.records);
    TInelasticStep step{ForceFieldOf(run, tj), tj.particles, tj.inelastic,
                        run.TargetTop,         tj.RunCount,  run.options.Verbose != 0,
                        HostOf(run, tj),       lines};
    ApplyInelasticModels(run.options, step, random, extent, N, dt);
}

void ApplyInelasticModels(TRunState& rs, const TTargetExtent& extent, int32_t N, double dt) {
    ApplyInelasticModels(rs, rs, &rs.random, extent, N, dt);
}

}  // namespace halvern
