// Scratch folders and crafted record files for the process tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NumberText.h"
#include "OslRecord.h"
#include "ScratchDir.h"
#include "processes/ProcessHost.h"

using namespace halvern;

namespace brisal_test {

// A record with the fields the process tests vary; mass 1e-26 kg unless given.
inline TOslRecord Rec(float rx, int32_t rw = 0, int32_t rn = 1, float pz = 0, float ms = 1e-26f) {
    TOslRecord r;
    r.rx = rx;
    r.pz = pz;
    r.ms = ms;
    r.rw = rw;
    r.rn = rn;
    return r;
}

// The records in the file layout, one after another.
inline std::string RecordBytes(const std::vector<TOslRecord>& records) {
    std::string bytes;
    for (const TOslRecord& r : records) {
        const OslRecordBytes b = EncodeOslRecord(r);
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return bytes;
}

// The spectrum file: channel values low, low + step, ... with the given counts.
inline std::string SpectrumText(long double step, const std::vector<int>& counts,
                                long double low = 0) {
    std::string text;
    for (int c : counts) {
        text += FormatScientific(low, 23) + " " + FormatScientific(c, 23) + "\r\n";
        low += step;
    }
    return text;
}

// A fresh folder per test, removed afterwards, and a recording host.
class ScratchDir : public halvern::test::ScratchDir {
  protected:
    std::string writeRecords(const std::string& name, const std::vector<TOslRecord>& records) {
        const std::string file = path(name);
        EXPECT_TRUE(WriteFileReplacing(file, RecordBytes(records)));
        return file;
    }
    RecordingProcessHost host;
};

}  // namespace brisal_test
