#include "plotter/FrameList.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace halvern {

int64_t FrameTimeKey(float time, bool osl) {
    const long double hundredths = std::nearbyint(time * (osl ? 1e17L : 100.0L));
    // NaN has a key of its own; beyond +-9e18 the keys saturate.
    if (std::isnan(hundredths)) return std::numeric_limits<int64_t>::min();
    constexpr long double kLimit = 9e18L;
    return static_cast<int64_t>(std::clamp(hundredths, -kLimit, kLimit));
}

std::vector<TFrame> BuildFrameList(MessageSink& sink, const TrajectoryData& data, Framing framing,
                                   int32_t recordsPerFrame, LoadProgress* progress) {
    std::vector<TFrame> frames;
    const int32_t count = data.count();
    if (framing == Framing::Constant) {
        const int32_t k = std::max(recordsPerFrame, 1);
        frames.reserve(static_cast<size_t>(count / k));
        for (int32_t first = 0; count - first >= k; first += k) frames.push_back({first, first + k - 1});
        if (frames.empty()) sink.error(kNotEnoughDataText);
        return frames;
    }
    if (count == 0) {
        sink.error(kEmptyFileText);
        return frames;
    }
    int64_t previous = FrameTimeKey(data.time[0], data.osl);
    int32_t first = 0;
    for (int32_t i = 1; i < count; ++i) {
        if (progress) progress->framed(i, count);
        // The same time has the same key.
        if (data.time[i] == data.time[i - 1]) continue;
        const int64_t key = FrameTimeKey(data.time[i], data.osl);
        if (key == previous) continue;
        frames.push_back({first, i - 1});
        first = i;
        previous = key;
    }
    frames.push_back({first, count - 1});
    return frames;
}

int32_t LargestFrame(const std::vector<TFrame>& frames) {
    int32_t largest = 0;
    for (const TFrame& f : frames) largest = std::max(largest, f.size());
    return largest;
}

std::string FrameLabelText(int32_t current, int32_t frameCount) {
    return "Frame " + std::to_string(current) + " of " + std::to_string(frameCount);
}

}  // namespace halvern
