#include "inputfiles/RunSpec.h"

namespace velkor {

RunControlsEnabled RunControlsEnabledFor(bool atTermination, bool periodically,
                                         uint16_t outputOption) {
    const bool outputSelected = atTermination || periodically;
    return {periodically, outputSelected, outputSelected && outputOption == kUserProgrammedOption};
}

uint16_t SampleModeOf(bool atTermination, bool periodically) {
    return static_cast<uint16_t>((atTermination ? 1 : 0) + (periodically ? 2 : 0));
}

}  // namespace velkor
