#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "FileSafety.h"
#include "Isolated.h"
#include "ScratchDir.h"

using namespace halvern;
namespace fs = std::filesystem;

namespace {

class ReplacingFileTest : public test::ScratchDir {
  public:
    // The cases of the hazard table prepare the folder through these.
    using ScratchDir::path;
    std::string names() const {
        std::string all;
        for (const auto& entry : fs::directory_iterator(dir_))
            all += entry.path().filename().string() + " ";
        return all;
    }
    void makeFifo(const std::string& name) const {
        ASSERT_EQ(::mkfifo(path(name).c_str(), 0666), 0);
    }
    void makeSocket(const std::string& name) const {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string where = path(name);
        ASSERT_LT(where.size(), sizeof address.sun_path);
        where.copy(address.sun_path, where.size());
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    static void write(const std::string& file, const std::string& bytes, fs::perms mode) {
        ASSERT_TRUE(WriteFileReplacing(file, bytes));
        fs::permissions(file, mode);
    }
};

// What the writer saw, as the child reports it: the fault's number and the note.
std::string Attempt(const std::string& target, const std::string& bytes) {
    const WriteOutcome outcome = WriteFileReplacing(target, bytes);
    return std::to_string(static_cast<int>(outcome.fault)) + "|" + outcome.note;
}

WriteFault FaultOf(const std::string& reported) {
    return static_cast<WriteFault>(std::stoi(reported.substr(0, reported.find('|'))));
}

std::string NoteOf(const std::string& reported) {
    return reported.substr(reported.find('|') + 1);
}

constexpr fs::perms kReadOnly =
    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kEveryoneWrites =
    kReadOnly | fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

struct HazardCase {
    const char* name;
    bool asNobody;
    // Prepares the scratch folder; returns the name the writer is given.
    std::function<std::string(ReplacingFileTest&)> prepare;
    WriteFault expected;
};

// The hazards of a destination beyond those every writer meets in tests/files: an ordinary
// user's view of permissions, sockets, devices, a folder the user cannot write. The writer never
// blocks, a refusal or failure leaves the old bytes and no temporary file, and success replaces
// the file whole.
TEST_F(ReplacingFileTest, EveryHazardOfADestination) {
    const std::string kNew = "new contents\r\n";
    const std::vector<HazardCase> cases = {
        {"new file", false, [](ReplacingFileTest& t) { return t.path("new.txt"); },
         WriteFault::None},
        {"file without any write bit, as a user", true,
         [](ReplacingFileTest& t) {
             write(t.path("ro.txt"), "old", kReadOnly);
             return t.path("ro.txt");
         },
         WriteFault::ReadOnly},
        {"file of another user that the user may not write", true,
         [](ReplacingFileTest& t) {
             write(t.path("theirs.txt"), "old", kReadOnly | fs::perms::owner_write);
             return t.path("theirs.txt");
         },
         WriteFault::ReadOnly},
        {"link to a FIFO", false,
         [](ReplacingFileTest& t) {
             t.makeFifo("pipe");
             fs::create_symlink(t.path("pipe"), t.path("pipe.lnk"));
             return t.path("pipe.lnk");
         },
         WriteFault::NotRegular},
        {"socket", false,
         [](ReplacingFileTest& t) {
             t.makeSocket("sock");
             return t.path("sock");
         },
         WriteFault::NotRegular},
        {"device that takes every byte", false,
         [](ReplacingFileTest& t) {
             fs::create_symlink("/dev/null", t.path("null.lnk"));
             return t.path("null.lnk");
         },
         WriteFault::None},
        {"device that refuses bytes", false,
         [](ReplacingFileTest& t) {
             fs::create_symlink("/dev/full", t.path("full.lnk"));
             return t.path("full.lnk");
         },
         WriteFault::Write},
        {"missing folder", false, [](ReplacingFileTest& t) { return t.path("none/x.txt"); },
         WriteFault::Create},
        {"folder the user may not write, file they may", true,
         [](ReplacingFileTest& t) {
             fs::create_directory(t.path("locked"));
             write(t.path("locked/open.txt"), "old", kEveryoneWrites);
             fs::permissions(t.path("locked"), fs::perms::owner_all | fs::perms::group_read |
                                                   fs::perms::group_exec | fs::perms::others_read |
                                                   fs::perms::others_exec);
             return t.path("locked/open.txt");
         },
         WriteFault::None},
        {"new file in a folder the user may not write", true,
         [](ReplacingFileTest& t) {
             fs::create_directory(t.path("locked"));
             fs::permissions(t.path("locked"), fs::perms::owner_all | fs::perms::others_exec);
             return t.path("locked/new.txt");
         },
         WriteFault::Create},
    };
    for (const HazardCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.asNobody && !test::RunningAsRoot()) continue;  // already an ordinary user
        TearDown();
        SetUp();
        fs::permissions(dir_, kEveryoneWrites | fs::perms::owner_exec | fs::perms::group_exec |
                                  fs::perms::others_exec);
        const std::string target = c.prepare(*this);
        const std::string before = fs::is_regular_file(target) ? contents(target) : "";
        const std::string listing = names();
        const test::IsolatedResult run =
            test::RunIsolated([&] { return Attempt(target, kNew); }, c.asNobody);
        ASSERT_TRUE(run.finished) << "the writer blocked";
        ASSERT_EQ(run.exitCode, 0);
        EXPECT_EQ(FaultOf(run.text), c.expected) << NoteOf(run.text);
        if (fs::is_regular_file(target)) {
            EXPECT_EQ(contents(target), c.expected == WriteFault::None ? kNew : before);
        }
        if (c.expected == WriteFault::NotRegular) {
            EXPECT_EQ(NoteOf(run.text), target + " is not a regular file.");
        }
        if (c.expected == WriteFault::ReadOnly) {
            EXPECT_EQ(NoteOf(run.text), target + " is read-only: it was left as it was.");
        }
        if (c.expected != WriteFault::None) {
            EXPECT_EQ(names(), listing);  // nothing left behind
        }
    }
}

TEST_F(ReplacingFileTest, NewFilesTakeTheUmaskAndReplacedFilesKeepTheirMode) {
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(WriteFileReplacing(path("new.txt"), "x"));
    EXPECT_EQ(fs::status(path("new.txt")).permissions(), fs::perms(0644));
    fs::permissions(path("new.txt"), fs::perms(0640));
    ASSERT_TRUE(WriteFileReplacing(path("new.txt"), "y"));
    EXPECT_EQ(fs::status(path("new.txt")).permissions(), fs::perms(0640));
    ::umask(mask);
}

// A hard link would be cut off by a rename: the file is written in place, so both names show
// the new bytes.
TEST_F(ReplacingFileTest, HardLinksStayLinked) {
    ASSERT_TRUE(WriteFileReplacing(path("a.txt"), "old"));
    fs::create_hard_link(path("a.txt"), path("b.txt"));
    ASSERT_TRUE(WriteFileReplacing(path("a.txt"), "much longer new contents"));
    EXPECT_EQ(contents(path("b.txt")), "much longer new contents");
    ASSERT_TRUE(WriteFileReplacing(path("b.txt"), "short"));
    EXPECT_EQ(contents(path("a.txt")), "short");
    EXPECT_EQ(fs::hard_link_count(path("a.txt")), 2u);
    EXPECT_EQ(fileCount(), 2u);
}

// The temporary name cannot be foreseen: a link planted at the name the writer once used is
// neither followed nor touched, and the file stays a file.
TEST_F(ReplacingFileTest, PlantedLinksAtTemporaryNamesAreLeftAlone) {
    ASSERT_TRUE(WriteFileReplacing(path("victim"), "victim's bytes"));
    const std::string cfg = path("ostrel.cfg");
    ASSERT_TRUE(WriteFileReplacing(cfg, "old options"));
    fs::create_symlink(path("victim"), cfg + ".tmp" + std::to_string(::getpid()));
    ASSERT_TRUE(WriteFileReplacing(cfg, "new options"));
    EXPECT_EQ(contents(path("victim")), "victim's bytes");
    EXPECT_FALSE(fs::is_symlink(cfg));
    EXPECT_EQ(contents(cfg), "new options");
    EXPECT_EQ(fileCount(), 3u);
}

// A writer killed half-way (kill -9) leaves the old file and no temporary file behind.
TEST_F(ReplacingFileTest, AKilledWriterLeavesNothingBehind) {
    ASSERT_TRUE(WriteFileReplacing(path("out.osl"), "old"));
    const test::IsolatedResult run = test::RunIsolated([&] {
        ReplacingFile f;
        if (f.open(path("out.osl"))) f.write(std::string(1 << 20, 'n'));
        ::kill(::getpid(), SIGKILL);
        return std::string();
    });
    EXPECT_FALSE(run.finished);
    EXPECT_EQ(names(), "out.osl ");
    EXPECT_EQ(contents(path("out.osl")), "old");
}

TEST_F(ReplacingFileTest, AppendingKeepsTheOldBytesAndTruncatingGoesBack) {
    ASSERT_TRUE(WriteFileReplacing(path("report.txt"), "first\r\n"));
    ReplacingFile f;
    ASSERT_TRUE(f.openForAppend(path("report.txt")));
    EXPECT_EQ(f.size(), 7u);
    f.write(std::string_view("second\r\n"));
    const uint64_t mark = f.size();
    f.write(std::string(100000, 'x'));
    ASSERT_TRUE(f.truncate(mark));
    f.write(std::string_view("third\r\n"));
    ASSERT_TRUE(f.commit());
    EXPECT_EQ(contents(path("report.txt")), "first\r\nsecond\r\nthird\r\n");
}

// A full disk: the old file keeps its bytes, the temporary file goes, and the note says so; a
// file written in place gets its room first, so it is not damaged either.
TEST_F(ReplacingFileTest, FullFileSystemLeavesTheOldFile) {
    if (!test::RunningAsRoot()) GTEST_SKIP() << "mounting a small file system needs root";
    fs::create_directory(path("small"));
    test::SmallFileSystem small(path("small"), "64k");
    if (!small.mounted()) GTEST_SKIP() << "no small file system could be mounted here";
    const std::string target = path("small/data.txt");
    ASSERT_TRUE(WriteFileReplacing(target, "old"));
    fs::create_hard_link(target, path("small/other.txt"));
    const std::string large(256 * 1024, 'n');
    for (const std::string& name : {target, path("small/other.txt")}) {
        const WriteOutcome outcome = WriteFileReplacing(name, large);
        EXPECT_FALSE(outcome);
        EXPECT_EQ(outcome.note, name + " was left as it was.");
        EXPECT_EQ(contents(target), "old");
    }
    fs::remove(path("small/other.txt"));
    const WriteOutcome outcome = WriteFileReplacing(target, large);
    EXPECT_EQ(outcome.fault, WriteFault::Write);
    EXPECT_EQ(outcome.failureText("Error writing output to disk."),
              "Error writing output to disk.\r" + target + " was left as it was.");
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(path("small")), fs::directory_iterator()), 1);
}

// Readers open without waiting: a FIFO, a socket or a folder is refused at once and said to be
// no regular file.
TEST_F(ReplacingFileTest, ReadersRefuseWhatIsNoRegularFile) {
    makeFifo("pipe");
    makeSocket("sock");
    fs::create_directory(path("folder"));
    for (const char* name : {"pipe", "sock", "folder"}) {
        SCOPED_TRACE(name);
        const std::string source = path(name);
        const test::IsolatedResult run = test::RunIsolated([&] {
            std::string bytes;
            bool notRegular = false;
            const int fd = OpenRegularFile(source, &notRegular);
            return std::string(fd < 0 && notRegular ? "refused" : "opened") +
                   (ReadFileBytes(source, bytes) ? " read" : " unread");
        });
        ASSERT_TRUE(run.finished) << "the reader blocked";
        EXPECT_EQ(run.text, "refused unread");
        EXPECT_EQ(OpenFailureText("Cannot open " + source + ".", source),
                  "Cannot open " + source + ".\r" + source + " is not a regular file.");
    }
    EXPECT_EQ(OpenFailureText("Cannot open x.", path("missing")), "Cannot open x.");
}

}  // namespace
