#include "CommandsTestSupport.h"

#include <cmath>

#include "FileSafety.h"

namespace brisal_test {

halvern::TOslRecord Particle(double eV, int32_t rw, int32_t rn) {
    constexpr double kMass = 1e-26, kElectronvolt = 1.60219e-19;
    halvern::TOslRecord r;
    r.ms = static_cast<float>(kMass);
    r.pz = static_cast<float>(std::sqrt(2 * kMass * eV * kElectronvolt));
    r.rz = -1e-10f;
    r.rw = rw;
    r.rn = rn;
    return r;
}

void WriteRecords(const std::string& path, const std::vector<halvern::TOslRecord>& records) {
    std::string bytes;
    for (const halvern::TOslRecord& r : records) {
        const halvern::OslRecordBytes b = halvern::EncodeOslRecord(r);
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    ASSERT_TRUE(halvern::WriteFileReplacing(path, bytes)) << path;
}

std::string FileText(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(halvern::ReadFileBytes(path, bytes)) << path;
    return bytes;
}

void CommandTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("brisal_commands_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
}

void CommandTest::TearDown() {
    std::filesystem::remove_all(dir_);
}

}  // namespace brisal_test
