#include "SimulationOptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FileSafety.h"
#include "MessageSink.h"

namespace halvern {
namespace {

namespace fs = std::filesystem;

// The default record as it lies in "ostrel.cfg", byte by byte from the field table.
const OptionsRecordBytes kDefaultBytes = {
    3,    0, 0, 0,  // Algorithm: Verlet
    1,    0, 0, 0,  // BruteForceSearch, 3 reserved
    0,    0, 0, 0,  // GraphMode
    1,    1, 1, 0,  // Verbose, ReportEnergy, ReportInelastic, reserved
    0xD0, 7, 0, 0,  // EditBufferLines 2000
    0,    0, 0, 0,  // ElementalTarget, RecordInitial, RecordInelastic, HotTarget
    0,    0, 0, 0,  // LoadAtStartUp, FixedTimestep, 2 reserved
    1,    0, 0, 0,  // MinForce
    0,    0, 0, 0,  // NoYVibration, LssModel, OenRobinsonModel, ShapiroTombrelloModel
    0,    0, 0, 0,  // IgnoreTargetForces, SelfBombardment, 2 reserved
};

class OptionsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("ostrel-options-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        path_ = (dir_ / "ostrel.cfg").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void writeBytes(const std::string& bytes) { ASSERT_TRUE(WriteFileReplacing(path_, bytes)); }
    std::string readBytes() const {
        std::string b;
        EXPECT_TRUE(ReadFileBytes(path_, b));
        return b;
    }
    static std::string AsText(const OptionsRecordBytes& b) {
        return std::string(reinterpret_cast<const char*>(b.data()), b.size());
    }

    fs::path dir_;
    std::string path_;
};

TEST(SimulationOptions, DefaultRecordIsTheFortyStoredBytes) {
    EXPECT_EQ(EncodeSimulationOptions(TSimulationOptions{}), kDefaultBytes);
    EXPECT_EQ(DecodeSimulationOptions(kDefaultBytes.data()), TSimulationOptions{});
}

TEST(SimulationOptions, InelasticModelSelectedByAnyOfTheThree) {
    TSimulationOptions o;
    EXPECT_FALSE(InelasticModelSelected(o));
    for (uint8_t TSimulationOptions::*model :
         {&TSimulationOptions::LssModel, &TSimulationOptions::OenRobinsonModel,
          &TSimulationOptions::ShapiroTombrelloModel}) {
        TSimulationOptions one;
        one.*model = 1;
        EXPECT_TRUE(InelasticModelSelected(one));
    }
}

TEST(SimulationOptions, GraphScaleOfTheTwoPlots) {
    EXPECT_EQ(GraphScaleForMode(0), 1e11);
    EXPECT_EQ(GraphScaleForMode(1), 0.01);
}

TEST_F(OptionsFileTest, ArbitraryRecordWithReservedBytesRoundTripsByteForByte) {
    OptionsRecordBytes bytes{};
    // Every field set to a valid value other than its default, every reserved byte non-zero.
    const int32_t algorithm = 1, graphMode = 1, lines = 8999999, minForce = 2;
    auto put32 = [&](size_t at, int32_t v) {
        for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<uint8_t>(uint32_t(v) >> (8 * k));
    };
    put32(0, algorithm);
    put32(8, graphMode);
    put32(16, lines);
    put32(28, minForce);
    for (size_t at : {4, 12, 13, 14, 20, 21, 22, 23, 24, 25, 32, 33, 34, 35, 36, 37})
        bytes[at] = static_cast<uint8_t>(at % 2);
    bytes[24] = 1;  // LoadAtStartUp
    for (size_t at : {5, 6, 7, 15, 26, 27, 38, 39}) bytes[at] = static_cast<uint8_t>(0xA0 + at);
    writeBytes(AsText(bytes));

    TSimulationOptions loaded;
    ASSERT_TRUE(LoadOptionsAtStartUp(path_, loaded));
    EXPECT_EQ(loaded.Algorithm, algorithm);
    EXPECT_EQ(loaded.GraphMode, graphMode);
    EXPECT_EQ(loaded.EditBufferLines, lines);
    EXPECT_EQ(loaded.MinForce, minForce);
    EXPECT_EQ(loaded.Reserved5[2], 0xA7);

    fs::remove(path_);
    RecordingSink sink;
    ASSERT_TRUE(SaveSimulationOptions(path_, loaded, sink));
    EXPECT_EQ(readBytes(), AsText(bytes));
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(OptionsFileTest, StoredRecordIsIgnoredUnlessItCanBeApplied) {
    TSimulationOptions applied;
    applied.LoadAtStartUp = 1;
    applied.Algorithm = 0;
    const std::string good = AsText(EncodeSimulationOptions(applied));

    auto withInt = [&](size_t at, int32_t v) {
        std::string b = good;
        for (int k = 0; k < 4; ++k) b[at + k] = static_cast<char>(uint32_t(v) >> (8 * k));
        return b;
    };
    TSimulationOptions notLoading = applied;
    notLoading.LoadAtStartUp = 0;
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"short file", good.substr(0, 39)},
        {"empty file", ""},
        {"load flag clear", AsText(EncodeSimulationOptions(notLoading))},
        {"algorithm 4", withInt(0, 4)},
        {"algorithm -1", withInt(0, -1)},
        {"graph mode 2", withInt(8, 2)},
        {"edit buffer -1", withInt(16, -1)},
        {"edit buffer 9000001", withInt(16, 9000001)},
        {"minimum force 3", withInt(28, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(c.bytes);
        TSimulationOptions options;
        EXPECT_FALSE(LoadOptionsAtStartUp(path_, options));
        EXPECT_EQ(options, TSimulationOptions{});
    }

    writeBytes(good);
    TSimulationOptions options;
    EXPECT_TRUE(LoadOptionsAtStartUp(path_, options));
    EXPECT_EQ(options, applied);
}

TEST_F(OptionsFileTest, MissingFileKeepsDefaults) {
    TSimulationOptions options;
    EXPECT_FALSE(LoadOptionsAtStartUp(path_, options));
    EXPECT_EQ(options, TSimulationOptions{});
}

TEST_F(OptionsFileTest, FailedSaveReportsThePathAndKeepsTheOldFile) {
    writeBytes(AsText(kDefaultBytes));
    const std::string unwritable = (dir_ / "no-such-folder" / "ostrel.cfg").string();
    RecordingSink sink;
    EXPECT_FALSE(SaveSimulationOptions(unwritable, TSimulationOptions{}, sink));
    ASSERT_EQ(sink.texts().size(), 1u);
    EXPECT_EQ(sink.texts()[0], "Error writing options to " + unwritable + ".");
    EXPECT_EQ(sink.entries()[0].kind, RecordingSink::Kind::Error);
    EXPECT_EQ(readBytes(), AsText(kDefaultBytes));
}

}  // namespace
}  // namespace halvern
