// The plotter's frames: runs of consecutive records shown together, either one per time step
// or a fixed number of records each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "plotter/LoadProgress.h"
#include "plotter/TrajectoryData.h"

namespace halvern {

inline constexpr char kNotEnoughDataText[] = "Not enough data for the specified frame size.";
inline constexpr char kEmptyFileText[] = "Cannot build frame list from empty file.";

enum class Framing { Constant, TimeBased };

// First and last record of a frame, 0-based, inclusive.
struct TFrame {
    int32_t first = 0;
    int32_t last = 0;
    int32_t size() const { return last - first + 1; }
};

// A record's time in hundredths of a femtosecond (record files hold seconds, text files fs),
// rounded to the nearest, so that single-precision noise does not merge neighbouring steps.
int64_t FrameTimeKey(float time, bool osl);

// Constant framing: count div k frames of k records (the rest is not shown). Time-based: a
// frame is a maximal run of consecutive records with the same time key. An empty list is
// reported: kNotEnoughDataText for constant framing, kEmptyFileText for time-based. The records
// walked are told to `progress`, when given.
std::vector<TFrame> BuildFrameList(MessageSink& sink, const TrajectoryData& data, Framing framing,
                                   int32_t recordsPerFrame, LoadProgress* progress = nullptr);

// The records of the largest frame: the size of the arrays a frame is drawn from.
int32_t LargestFrame(const std::vector<TFrame>& frames);

// "Frame 3 of 12" (frames numbered from 1).
std::string FrameLabelText(int32_t current, int32_t frameCount);

}  // namespace halvern
