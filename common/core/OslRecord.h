// The 40-byte output record of the engine, read by the analysis program: little-endian, no
// padding, a record file being a headerless run of records.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace halvern {

struct TOslRecord {
    float rx = 0, ry = 0, rz = 0;  // position, m
    float px = 0, py = 0, pz = 0;  // momentum, kg m/s
    float ti = 0;                  // time since the start of the trajectory, s
    float ms = 0;                  // mass, kg
    int32_t rw = 0;                // particle index: 0 projectile, k the k-th target atom
    int32_t rn = 0;                // run number, counting the impacts from 1
};

constexpr std::size_t kOslRecordSize = 40;
using OslRecordBytes = std::array<unsigned char, kOslRecordSize>;

void EncodeOslRecord(const TOslRecord& record, unsigned char* bytes);
OslRecordBytes EncodeOslRecord(const TOslRecord& record);
TOslRecord DecodeOslRecord(const unsigned char* bytes);

}  // namespace halvern
