// Scratch folders and crafted record files for the process tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FileSafety.h"
#include "OslRecord.h"

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

// A fresh folder per test, removed afterwards.
class ScratchDir : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("brisal_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::string writeRecords(const std::string& name, const std::vector<TOslRecord>& records) {
        std::string bytes;
        for (const TOslRecord& r : records) {
            OslRecordBytes b = EncodeOslRecord(r);
            bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
        }
        std::string file = path(name);
        EXPECT_TRUE(WriteFileReplacing(file, bytes));
        return file;
    }

    std::string contents(const std::string& file) const {
        std::string bytes;
        EXPECT_TRUE(ReadFileBytes(file, bytes)) << file;
        return bytes;
    }

    std::filesystem::path dir_;
};

}  // namespace brisal_test
