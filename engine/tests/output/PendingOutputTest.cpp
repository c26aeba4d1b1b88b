// The pending output of a trajectory run ahead: chunks read back in order from memory, the spill
// file and the memory kept where spilling fails; a spill file that does not read back, or no
// room at all, is a failure to replay, never a silent loss. The private spill folder and the
// removal of folders left by dead runs.
#include "output/PendingOutput.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "EngineUiTestFiles.h"
#include "Isolated.h"
#include "OslRecord.h"
#include "output/OutputWriters.h"
#include "output/SpillFolder.h"

namespace halvern::test {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

size_t Entries(const fs::path& folder) {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Five appends, four chunks, 27 bytes.
void AppendSample(PendingOutput& out) {
    out.append(PendingStream::Dynamics, "abc");
    out.append(PendingStream::Dynamics, "defg");  // joins the chunk before
    out.append(PendingStream::Events, "line 1\r\n");
    out.append(PendingStream::InitialConditions, "0123456789");
    out.append(PendingStream::Dynamics, "hi");
}

std::vector<std::string> Replayed(PendingOutput& out, bool& whole) {
    std::vector<std::string> got;
    const auto collect = [&got](PendingStream s, std::string_view b) {
        got.push_back(std::to_string(static_cast<int>(s)) + ":" + std::string(b));
    };
    whole = out.replay(2, collect);
    whole = out.replay(2, collect) && whole;  // nothing again
    whole = out.replay(out.chunkCount(), collect) && whole;
    return got;
}

TEST(PendingOutput, ChunksReadBackInOrderFromMemorySpillFileAndFallback) {
    ScratchFolder scratch("pending");
    SpillFolder spill(scratch.path().string());
    ASSERT_TRUE(spill.ok());
    const std::vector<std::string> all = {"0:abcdefg", "1:line 1\r\n", "2:0123456789", "0:hi"};
    struct Case {
        const char* name;
        size_t limit;
        size_t fallback;
        bool folder;
        bool spills, spillFails, overflows;
    } cases[] = {
        {"in memory", 1 << 20, 0, true, false, false, false},
        {"spilled after 7 bytes", 7, 0, true, true, false, false},
        {"spilled at once", 0, 0, true, true, false, false},
        {"spilled in blocks, the last bytes waiting", 7, 100, true, true, false, false},
        {"no spill file: kept in memory", 7, 100, false, false, true, false},
        {"no spill file, no room", 7, 20, false, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PendingOutput out(c.folder ? &spill : nullptr, c.limit, c.fallback);
        AppendSample(out);
        EXPECT_EQ(out.chunkCount(), c.overflows ? 3u : 4u);  // nothing is kept after an overflow
        EXPECT_EQ(out.spilled(), c.spills);
        EXPECT_EQ(out.spillFailed(), c.spillFails);
        EXPECT_EQ(out.overflowed(), c.overflows);
        EXPECT_EQ(Entries(spill.path()), 0u);  // spill files have no name
        bool whole = false;
        const std::vector<std::string> got = Replayed(out, whole);
        EXPECT_EQ(whole, !c.overflows);
        if (c.overflows) {
            EXPECT_EQ(got, std::vector<std::string>(all.begin(), all.begin() + 2));
        } else {
            EXPECT_EQ(got, all);
            EXPECT_EQ(out.bytes(), 27u);
        }
        out.clear();
        EXPECT_EQ(out.chunkCount(), 0u);
        EXPECT_FALSE(out.overflowed());
    }
}

// The descriptor of this process's spill file in `folder` (unlinked, so "(deleted)").
int SpillDescriptor(const std::string& folder) {
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const std::string target = fs::read_symlink(entry.path(), ec).string();
        if (!ec && target.rfind(folder + "/", 0) == 0 &&
            target.find("(deleted)") != std::string::npos)
            return std::stoi(entry.path().filename().string());
    }
    return -1;
}

// Cuts the spill file in `folder` to `size` bytes under the writer (a short read, as a failing
// disk gives) and replays everything, which must fail; the bytes handed over.
std::string ReplayedAfterCut(PendingOutput& out, const std::string& folder, off_t size) {
    const int fd = SpillDescriptor(folder);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::ftruncate(fd, size), 0);
    std::string got;
    EXPECT_FALSE(
        out.replay(out.chunkCount(), [&got](PendingStream, std::string_view b) { got += b; }));
    return got;
}

// A spill file cut short under the writer is reported by the replay; the pieces before it were
// handed over.
TEST(PendingOutput, ASpillFileThatDoesNotReadBackFailsTheReplay) {
    ScratchFolder scratch("unreadable");
    SpillFolder spill(scratch.path().string());
    PendingOutput out(&spill, 4, 0);
    AppendSample(out);
    ASSERT_TRUE(out.spilled());
    // The first chunk; the second does not read back whole.
    EXPECT_EQ(ReplayedAfterCut(out, spill.path(), 10), "abcdefg");
}

// Where the spill file does not read back, what reaches the file before the gap is whole appends
// (records, lines), whatever the memory limit: an append is never split between memory and the
// spill file.
TEST(PendingOutput, ASpillFileThatDoesNotReadBackLeavesNoPartOfARecord) {
    ScratchFolder scratch("wholeappends");
    SpillFolder spill(scratch.path().string());
    PendingOutput out(&spill, 100, 0);
    const std::string record(kOslRecordSize, 'r');
    for (int i = 0; i < 10; ++i) out.append(PendingStream::Dynamics, record);
    // The two records that fit in memory.
    EXPECT_EQ(ReplayedAfterCut(out, spill.path(), 0).size(), 2 * kOslRecordSize);
}

// A record chunk larger than a replay piece reaches the file in pieces of whole records, so the
// file counts every record a parallel run hands it.
TEST(PendingOutput, ALargeRecordChunkReplaysInWholeRecords) {
    ScratchFolder scratch("wholerecords");
    SpillFolder spill(scratch.path().string());
    PendingOutput out(&spill, 1 << 16, 0);
    const OslRecordBytes record = EncodeOslRecord(MakeOslRecord(1, 2, 0, 0, 0, 0, 0, 0, 0, 1));
    constexpr int kRecords = 30000;  // 1.2 MB in one chunk
    for (int i = 0; i < kRecords; ++i)
        out.append(PendingStream::Dynamics, record.data(), record.size());
    CheckedOutputFile file;
    ASSERT_TRUE(file.create(scratch.file("dynvars.osl")));
    EXPECT_TRUE(out.replay(out.chunkCount(), [&file](PendingStream, std::string_view bytes) {
        file.writeRecords(bytes);
    }));
    EXPECT_EQ(file.recordsWritten(), kRecords);
    EXPECT_EQ(file.mark().bytes, uint64_t{kRecords} * kOslRecordSize);
}

// A spill file on a full disk: what it could not take is kept in memory, in order.
TEST(PendingOutput, AFullDiskKeepsTheRestInMemory) {
    if (!RunningAsRoot()) GTEST_SKIP() << "mounting a small file system needs root";
    ScratchFolder scratch("fullspill");
    SmallFileSystem small(scratch.path().string(), "16k");
    if (!small.mounted()) GTEST_SKIP() << "no small file system could be mounted here";
    SpillFolder spill(scratch.path().string());
    ASSERT_TRUE(spill.ok());
    PendingOutput out(&spill, 0, 1 << 20);
    std::string expected;
    for (int k = 0; k < 100; ++k) {
        const std::string piece(1000, static_cast<char>('a' + k % 26));
        out.append(k % 3 ? PendingStream::Dynamics : PendingStream::Events, piece);
        expected += piece;
    }
    EXPECT_TRUE(out.spilled());
    EXPECT_TRUE(out.spillFailed());
    EXPECT_FALSE(out.overflowed());
    std::string got;
    EXPECT_TRUE(
        out.replay(out.chunkCount(), [&got](PendingStream, std::string_view b) { got += b; }));
    EXPECT_EQ(got, expected);
}

// The folder is private and goes with its run; a folder whose run died is removed by the next
// run, one that a living run holds is left alone.
TEST(SpillFolder, PrivateLockedAndRemovedWhenItsRunIsGone) {
    ScratchFolder scratch("spillfolders");
    const std::string parent = scratch.path().string();
    std::string kept;
    {
        SpillFolder spill(parent);
        ASSERT_TRUE(spill.ok());
        kept = spill.path();
        EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_all);
        EXPECT_EQ(fs::path(kept).filename().string().rfind(
                      kSpillFolderPrefix + std::to_string(::getpid()) + "-", 0),
                  0u);
        // Another run of the same program does not take a folder that is held.
        SpillFolder other(parent);
        EXPECT_TRUE(fs::exists(kept));
        EXPECT_NE(other.path(), kept);
    }
    EXPECT_EQ(Entries(parent), 0u);

    // A run killed with its folder held: the folder stays until the next run starts.
    const IsolatedResult killed = RunIsolated([&] {
        SpillFolder spill(parent);
        const int inUse = spill.createFile();
        static_cast<void>(inUse);
        ::kill(::getpid(), SIGKILL);
        return std::string();
    });
    EXPECT_FALSE(killed.finished);
    EXPECT_EQ(Entries(parent), 1u);
    // A folder named after a living process that nobody holds may be one being set up.
    fs::create_directory(parent + "/" + kSpillFolderPrefix + "1-starting");
    fs::permissions(parent + "/" + kSpillFolderPrefix + "1-starting", fs::perms::owner_all);
    fs::create_directory(parent + "/unrelated");
    {
        SpillFolder next(parent);
        ASSERT_TRUE(next.ok());
        EXPECT_EQ(Entries(parent), 3u);  // next's own, the living one's and the unrelated one
    }
    EXPECT_TRUE(fs::exists(parent + "/" + kSpillFolderPrefix + "1-starting"));
    EXPECT_TRUE(fs::exists(parent + "/unrelated"));
}

TEST(SpillFolder, AParentThatCannotHoldFoldersGivesNoSpillFiles) {
    ScratchFolder scratch("nospill");
    const std::string file = scratch.write("plain", "x");
    for (const std::string& parent : {file, scratch.file("missing")}) {
        SpillFolder spill(parent);
        EXPECT_FALSE(spill.ok());
        EXPECT_EQ(spill.createFile(), -1);
    }
}

}  // namespace
}  // namespace halvern::test
