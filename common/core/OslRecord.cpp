#include "OslRecord.h"

#include <bit>
#include <cstring>

namespace halvern {

namespace {

void PutU32(unsigned char* p, uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

uint32_t GetU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

void EncodeOslRecord(const TOslRecord& r, unsigned char* bytes) {
    const float reals[8] = {r.rx, r.ry, r.rz, r.px, r.py, r.pz, r.ti, r.ms};
    for (int k = 0; k < 8; ++k) PutU32(bytes + 4 * k, std::bit_cast<uint32_t>(reals[k]));
    PutU32(bytes + 32, static_cast<uint32_t>(r.rw));
    PutU32(bytes + 36, static_cast<uint32_t>(r.rn));
}

OslRecordBytes EncodeOslRecord(const TOslRecord& record) {
    OslRecordBytes bytes{};
    EncodeOslRecord(record, bytes.data());
    return bytes;
}

TOslRecord DecodeOslRecord(const unsigned char* b) {
    TOslRecord r;
    float* reals[8] = {&r.rx, &r.ry, &r.rz, &r.px, &r.py, &r.pz, &r.ti, &r.ms};
    for (int k = 0; k < 8; ++k) *reals[k] = std::bit_cast<float>(GetU32(b + 4 * k));
    r.rw = static_cast<int32_t>(GetU32(b + 32));
    r.rn = static_cast<int32_t>(GetU32(b + 36));
    return r;
}

}  // namespace halvern
