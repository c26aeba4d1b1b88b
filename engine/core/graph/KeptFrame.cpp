#include "graph/KeptFrame.h"

#include "graph/GraphGeometry.h"

namespace halvern {

void KeptFrame::keep(const TGraphFrame& frame) {
    n_ = LastDrawnParticle(frame);
    const size_t count = n_ < 0 ? 0 : static_cast<size_t>(n_) + 1;
    x_.assign(frame.x, frame.x + count);
    y_.assign(frame.y, frame.y + count);
    z_.assign(frame.z, frame.z + count);
    t_ = frame.t;
    kept_ = true;
}

void KeptFrame::clear() {
    kept_ = false;
    n_ = -1;
}

TGraphFrame KeptFrame::frame() const {
    TGraphFrame f;
    f.x = x_.data();
    f.y = y_.data();
    f.z = z_.data();
    f.N = n_;
    f.t = t_;
    return f;
}

}  // namespace halvern
