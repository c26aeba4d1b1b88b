// The last frame the graph window was sent, kept as a copy so that the picture can be drawn
// again (on a resize, a change of projection or zoom) after the run has moved on or ended.
#pragma once

#include <cstdint>
#include <vector>

#include "host/EngineHost.h"

namespace halvern {

class KeptFrame {
  public:
    // Copies the particles that are drawn (0..29999 at most) and the time.
    void keep(const TGraphFrame& frame);
    void clear();
    bool empty() const { return !kept_; }
    // The copy, as a frame; valid until the next keep or clear.
    TGraphFrame frame() const;

  private:
    std::vector<double> x_, y_, z_;
    int32_t n_ = -1;
    float t_ = 0;
    bool kept_ = false;
};

}  // namespace halvern
