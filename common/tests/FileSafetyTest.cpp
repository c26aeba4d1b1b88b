#include <gtest/gtest.h>

#include <filesystem>

#include "FileSafety.h"
#include "HandlerGuard.h"
#include "MessageSink.h"
#include "ScratchDir.h"

using namespace halvern;

namespace {

class FileSafetyTest : public test::ScratchDir {};

TEST_F(FileSafetyTest, CompanionFileExactThenCaseOfExtension) {
    ASSERT_TRUE(WriteFileReplacing(path("cu100.TRG"), "x"));
    ASSERT_TRUE(WriteFileReplacing(path("cu100.prj"), "x"));
    EXPECT_EQ(FindCompanionFile(path("cu100.prj")), path("cu100.prj"));
    EXPECT_EQ(FindCompanionFile(path("cu100.trg")), path("cu100.TRG"));
    EXPECT_EQ(FindCompanionFile(path("CU100.trg")), path("CU100.trg"));  // stem case must match
    EXPECT_EQ(FindCompanionFile(path("cu100.mdl")), path("cu100.mdl"));
}

TEST_F(FileSafetyTest, ReplacingFileKeepsOldContentsUntilCommit) {
    const std::string target = path("out.txt");
    ASSERT_TRUE(WriteFileReplacing(target, "old"));
    {
        ReplacingFile f;
        ASSERT_TRUE(f.open(target));
        f.write(std::string_view("new"));
    }  // destroyed without commit
    EXPECT_EQ(contents(target), "old");
    ReplacingFile g;
    ASSERT_TRUE(g.open(target));
    g.write(std::string_view("new"));
    ASSERT_TRUE(g.commit());
    EXPECT_EQ(contents(target), "new");
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(FileSafetyTest, ReplacingThroughALinkKeepsTheLinkTheModeAndNoTemporaryFile) {
    namespace fs = std::filesystem;
    ASSERT_TRUE(WriteFileReplacing(path("data.txt"), "old"));
    fs::permissions(path("data.txt"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("data.txt", path("relative.lnk"));
    fs::create_symlink(path("relative.lnk"), path("absolute.lnk"));  // a link to a link
    ASSERT_TRUE(WriteFileReplacing(path("absolute.lnk"), "new"));
    EXPECT_TRUE(fs::is_symlink(path("absolute.lnk")));
    EXPECT_TRUE(fs::is_symlink(path("relative.lnk")));
    EXPECT_EQ(contents(path("data.txt")), "new");
    EXPECT_EQ(fs::status(path("data.txt")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(fileCount(), 3u);
}

// Renaming onto a device would put a plain file in its place: such a file is written in place,
// and a device that refuses the bytes makes the replacement fail.
TEST_F(FileSafetyTest, NonRegularDestinationIsWrittenInPlaceAndChecked) {
    namespace fs = std::filesystem;
    fs::create_symlink("/dev/null", path("null.lnk"));
    fs::create_symlink("/dev/full", path("full.lnk"));
    EXPECT_TRUE(WriteFileReplacing(path("null.lnk"), "bytes"));
    EXPECT_FALSE(WriteFileReplacing(path("full.lnk"), "bytes"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_symlink(path("null.lnk")));
    EXPECT_EQ(fileCount(), 2u);
}

TEST_F(FileSafetyTest, FailuresAreReported) {
    ReplacingFile f;
    EXPECT_FALSE(f.open(path("missing/folder/x.dat")));
    EXPECT_FALSE(f.write(std::string_view("abc")));
    EXPECT_FALSE(f.commit());
    EXPECT_FALSE(WriteFileReplacing(path("missing/x.dat"), "abc"));
    std::string bytes;
    EXPECT_FALSE(ReadFileBytes(path("nothing.here"), bytes));
    // A write the device refuses shows at the latest when the file is put in place.
    ReplacingFile full;
    ASSERT_TRUE(full.open("/dev/full"));
    full.write(std::string_view("some bytes"));
    EXPECT_FALSE(full.commit());
    EXPECT_EQ(full.fault(), WriteFault::Write);
}

TEST_F(FileSafetyTest, SameFileThroughDifferentSpellings) {
    ASSERT_TRUE(WriteFileReplacing(path("a.osl"), "x"));
    EXPECT_TRUE(SameFile(path("a.osl"), (dir_ / "." / "a.osl").string()));
    EXPECT_FALSE(SameFile(path("a.osl"), path("b.osl")));
    EXPECT_TRUE(SameFile(path("new.osl"), (dir_ / "sub" / ".." / "new.osl").string()));
}

TEST(FileNames, ExtensionsIgnoreDotsInFolders) {
    EXPECT_EQ(ChangeFileExt("/data/run.v2/cu100", ".dat"), "/data/run.v2/cu100.dat");
    EXPECT_EQ(ChangeFileExt("/data/run.v2/cu100.osl", ".dat"), "/data/run.v2/cu100.dat");
    EXPECT_EQ(FileExt("/data/run.v2/cu100"), "");
    EXPECT_EQ(FileExt("a/b.PRJ"), ".PRJ");
    EXPECT_EQ(FileNameOf("/x/y/z.trg"), "z.trg");
}

TEST(MessageSinks, NoticeWithHelpIsRecordedWithItsContext) {
    RecordingSink sink;
    sink.infoWithHelp("Older file.", {"velkor", 5000});
    sink.info("Plain.");
    ASSERT_EQ(sink.entries().size(), 2u);
    EXPECT_EQ(sink.entries()[0].kind, RecordingSink::Kind::Info);
    EXPECT_EQ(sink.entries()[0].help.context, 5000);
    EXPECT_EQ(sink.entries()[1].help.context, 0);
}

TEST(MessageSinks, GuardTurnsAnExceptionIntoAnErrorBoxAndAnswersFollowTheScript) {
    RecordingSink sink;
    EXPECT_FALSE(RunGuarded(sink, [] { throw std::runtime_error("Out of memory."); }));
    EXPECT_TRUE(RunGuarded(sink, [] {}));
    ASSERT_EQ(sink.entries().size(), 1u);
    EXPECT_EQ(sink.entries()[0].kind, RecordingSink::Kind::Error);
    EXPECT_EQ(sink.entries()[0].text, "Out of memory.");

    sink.scriptAnswers({false, true});
    sink.setDefaultAnswer(false);
    EXPECT_FALSE(sink.askYesNo("a"));
    EXPECT_TRUE(sink.askOkCancel("b"));
    EXPECT_FALSE(sink.askYesNo("c"));
    EXPECT_EQ(sink.count(RecordingSink::Kind::YesNo), 2);
}

}  // namespace
