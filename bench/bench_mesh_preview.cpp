// The impact dialog's preview of square meshes up to a million by a million points, and the
// point-by-point walk it replaces on the sizes where that still ends (its time grows with the
// number of points, the preview's with the columns and rows).
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "impacts/ImpactMeshFile.h"

using namespace velkor;

namespace {

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

template <class Work>
double Timed(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return Seconds(std::chrono::steady_clock::now() - start);
}

}  // namespace

int main() {
    std::printf("%12s %16s %12s %12s\n", "n x n", "points", "preview s", "walk s");
    for (int32_t n : {1000, 10000, 100000, 1000000}) {
        const TMeshNumbers mesh{{{0, 2.55598, 0, 1.27799}, n, n, 90}, 3.0, 0};
        int64_t count = 0;
        const double preview = Timed([&] { count = PreviewImpactMesh(mesh).count; });
        double walk = -1;
        if (n <= 10000)
            walk = Timed([&] { WalkImpactMesh(mesh.layout, [](double, double) { return true; }); });
        std::printf("%12d %16lld %12.4f %12.4f\n", n, static_cast<long long>(count), preview, walk);
    }
    return 0;
}
