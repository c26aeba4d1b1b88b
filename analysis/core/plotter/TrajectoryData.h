// The trajectory plotter's records: display coordinates, time and particle index of each record
// of the loaded file, in file order, held as flat arrays allocated once per load.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace halvern {

// What x, y and z hold: positions in A, or momenta in 1e-22 kg m/s.
enum class DisplayType : int32_t { Spatial = 0, Momenta = 1 };

struct TrajectoryData {
    std::vector<float> x, y, z;
    std::vector<float> time;  // record files: s; text files: fs
    std::vector<int32_t> particle;
    bool osl = false;  // loaded from a record file

    int32_t count() const { return static_cast<int32_t>(particle.size()); }
    void clear();
    // Room for n records; false when they would not fit in memory.
    bool reserve(int64_t n);
    void append(float xv, float yv, float zv, float t, int32_t index) {
        x.push_back(xv);
        y.push_back(yv);
        z.push_back(zv);
        time.push_back(t);
        particle.push_back(index);
    }
};

// Records are numbered with 32-bit integers.
inline constexpr int64_t kMaxTrajectoryRecords = INT32_MAX;
// Bytes a record takes while loaded: its five values and its share of the frame's arrays.
inline constexpr int64_t kTrajectoryRecordBytes = 9 * 4;

// "Not enough memory to load <name>.".
std::string TooLargeText(const std::string& name);

}  // namespace halvern
