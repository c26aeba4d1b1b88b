// The options record in "ostrel.cfg": its 40 bytes, the byte-exact round trip, and stored
// records that cannot be applied.
#include "host/SimulationOptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "EngineUiTestFiles.h"
#include "FileSafety.h"
#include "MessageSink.h"

namespace halvern {
namespace {

using testing::ScratchFolder;

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

std::string AsText(const OptionsRecordBytes& b) {
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

// `bytes` with the little-endian 32-bit value v at offset `at`.
template <class Bytes>
Bytes WithInt(Bytes bytes, size_t at, int32_t v) {
    for (size_t k = 0; k < 4; ++k) bytes[at + k] = static_cast<uint8_t>(uint32_t(v) >> (8 * k));
    return bytes;
}

TEST(SimulationOptions, DefaultRecordIsTheFortyStoredBytes) {
    EXPECT_EQ(EncodeSimulationOptions(TSimulationOptions{}), kDefaultBytes);
    EXPECT_EQ(DecodeSimulationOptions(kDefaultBytes.data()), TSimulationOptions{});
}

TEST(SimulationOptions, ArbitraryRecordWithReservedBytesRoundTripsByteForByte) {
    // Every field set to a valid value other than its default, every reserved byte non-zero.
    OptionsRecordBytes bytes{};
    bytes = WithInt(WithInt(WithInt(WithInt(bytes, 0, 1), 8, 1), 16, 8999999), 28, 2);
    for (size_t at : {4, 12, 13, 14, 20, 21, 22, 23, 24, 25, 32, 33, 34, 35, 36, 37})
        bytes[at] = static_cast<uint8_t>(at % 2);
    bytes[24] = 1;  // LoadAtStartUp
    for (size_t at : {5, 6, 7, 15, 26, 27, 38, 39}) bytes[at] = static_cast<uint8_t>(0xA0 + at);
    ScratchFolder folder("cfg");
    const std::string path = folder.write("ostrel.cfg", AsText(bytes));

    TSimulationOptions loaded;
    ASSERT_TRUE(LoadOptionsAtStartUp(path, loaded));
    EXPECT_EQ(loaded.Algorithm, 1);
    EXPECT_EQ(loaded.GraphMode, 1);
    EXPECT_EQ(loaded.EditBufferLines, 8999999);
    EXPECT_EQ(loaded.MinForce, 2);
    EXPECT_EQ(loaded.Reserved5[2], 0xA7);

    RecordingSink sink;
    const std::string copy = folder.file("copy.cfg");
    ASSERT_TRUE(SaveSimulationOptions(copy, loaded, sink));
    std::string saved;
    ASSERT_TRUE(ReadFileBytes(copy, saved));
    EXPECT_EQ(saved, AsText(bytes));
    EXPECT_TRUE(sink.entries().empty());
}

TEST(SimulationOptions, StoredRecordIsIgnoredUnlessItCanBeApplied) {
    TSimulationOptions applied;
    applied.LoadAtStartUp = 1;
    applied.Algorithm = 0;
    const std::string good = AsText(EncodeSimulationOptions(applied));
    TSimulationOptions notLoading = applied;
    notLoading.LoadAtStartUp = 0;
    const struct {
        const char* what;
        std::string bytes;  // "-" for no file
    } cases[] = {
        {"no file", "-"},
        {"short file", good.substr(0, 39)},
        {"empty file", ""},
        {"load flag clear", AsText(EncodeSimulationOptions(notLoading))},
        {"algorithm 4", WithInt(good, 0, 4)},
        {"algorithm -1", WithInt(good, 0, -1)},
        {"graph mode 2", WithInt(good, 8, 2)},
        {"edit buffer -1", WithInt(good, 16, -1)},
        {"edit buffer 9000001", WithInt(good, 16, 9000001)},
        {"minimum force 3", WithInt(good, 28, 3)},
    };
    ScratchFolder folder("cfg");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path =
            c.bytes == "-" ? folder.file("none.cfg") : folder.write("ostrel.cfg", c.bytes);
        TSimulationOptions options;
        EXPECT_FALSE(LoadOptionsAtStartUp(path, options));
        EXPECT_EQ(options, TSimulationOptions{});
    }
    TSimulationOptions options;
    EXPECT_TRUE(LoadOptionsAtStartUp(folder.write("ostrel.cfg", good), options));
    EXPECT_EQ(options, applied);
}

TEST(SimulationOptions, FailedSaveReportsThePathAndKeepsTheOldFile) {
    ScratchFolder folder("cfg");
    const std::string path = folder.write("ostrel.cfg", AsText(kDefaultBytes));
    const std::string unwritable = folder.file("no-such-folder/ostrel.cfg");
    RecordingSink sink;
    EXPECT_FALSE(SaveSimulationOptions(unwritable, TSimulationOptions{}, sink));
    EXPECT_EQ(sink.texts(),
              std::vector<std::string>{"Error writing options to " + unwritable + "."});
    EXPECT_EQ(sink.entries()[0].kind, RecordingSink::Kind::Error);
    std::string kept;
    ASSERT_TRUE(ReadFileBytes(path, kept));
    EXPECT_EQ(kept, AsText(kDefaultBytes));
}

// "ostrel.cfg" kept elsewhere and linked into the working folder: a save rewrites the file the
// link leads to, the link stays, and the file stays readable by its owner only.
TEST(SimulationOptions, SaveThroughALinkUpdatesItsTargetAndKeepsMode600) {
    namespace fs = std::filesystem;
    ScratchFolder folder("cfg-link");
    fs::create_directories(folder.path() / "store");
    const std::string stored = folder.write("store/ostrel.cfg", AsText(kDefaultBytes));
    fs::permissions(stored, fs::perms::owner_read | fs::perms::owner_write);
    const std::string link = folder.file("ostrel.cfg");
    fs::create_symlink("store/ostrel.cfg", link);

    TSimulationOptions changed;
    changed.Algorithm = 1;
    changed.LoadAtStartUp = 1;
    RecordingSink sink;
    ASSERT_TRUE(SaveSimulationOptions(link, changed, sink));
    EXPECT_TRUE(sink.entries().empty());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(stored).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    TSimulationOptions loaded;
    ASSERT_TRUE(LoadOptionsAtStartUp(stored, loaded));
    EXPECT_EQ(loaded, changed);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(folder.path() / "store"), fs::directory_iterator()),
        1);  // no temporary file left beside it
}

}  // namespace
}  // namespace halvern
