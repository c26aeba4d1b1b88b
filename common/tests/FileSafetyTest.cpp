#include <gtest/gtest.h>

#include <filesystem>

#include "FileSafety.h"
#include "MessageSink.h"
#include "HandlerGuard.h"

using namespace halvern;
namespace fs = std::filesystem;

namespace {

class FileSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("halvern_fs_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    fs::path dir_;
};

TEST_F(FileSafetyTest, CompanionFileExactThenCaseOfExtension) {
    ASSERT_TRUE(WriteFileReplacing(path("cu100.TRG"), "x"));
    ASSERT_TRUE(WriteFileReplacing(path("cu100.prj"), "x"));
    EXPECT_EQ(FindCompanionFile(path("cu100.prj")), path("cu100.prj"));
    EXPECT_EQ(FindCompanionFile(path("cu100.trg")), path("cu100.TRG"));
    EXPECT_EQ(FindCompanionFile(path("CU100.trg")), path("CU100.trg"));  // stem case must match
    EXPECT_EQ(FindCompanionFile(path("cu100.mdl")), path("cu100.mdl"));
}

TEST_F(FileSafetyTest, ReplacingFileKeepsOldContentsUntilCommit) {
    std::string target = path("out.txt");
    ASSERT_TRUE(WriteFileReplacing(target, "old"));
    {
        ReplacingFile f;
        ASSERT_TRUE(f.open(target));
        f.write(std::string_view("new"));
        // destroyed without commit
    }
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(target, bytes));
    EXPECT_EQ(bytes, "old");
    ReplacingFile g;
    ASSERT_TRUE(g.open(target));
    g.write(std::string_view("new"));
    ASSERT_TRUE(g.commit());
    ASSERT_TRUE(ReadFileBytes(target, bytes));
    EXPECT_EQ(bytes, "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(FileSafetyTest, FailuresAreReported) {
    CheckedFile f;
    EXPECT_FALSE(f.create(path("missing/folder/x.dat")));
    EXPECT_FALSE(f.write(std::string_view("abc")));
    EXPECT_FALSE(WriteFileReplacing(path("missing/x.dat"), "abc"));
    std::string bytes;
    EXPECT_FALSE(ReadFileBytes(path("nothing.here"), bytes));
}

TEST_F(FileSafetyTest, WriteToFullDeviceFailsOnClose) {
    if (!fs::exists("/dev/full")) GTEST_SKIP();
    CheckedFile f;
    ASSERT_TRUE(f.create("/dev/full"));
    f.write(std::string_view("some bytes"));
    EXPECT_FALSE(f.close());
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

TEST(HandlerGuard, ExceptionBecomesErrorBox) {
    RecordingSink sink;
    EXPECT_FALSE(RunGuarded(sink, [] { throw std::runtime_error("Out of memory."); }));
    EXPECT_TRUE(RunGuarded(sink, [] {}));
    ASSERT_EQ(sink.entries().size(), 1u);
    EXPECT_EQ(sink.entries()[0].kind, RecordingSink::Kind::Error);
    EXPECT_EQ(sink.entries()[0].text, "Out of memory.");
}

TEST(RecordingSink, ScriptedAnswersThenDefault) {
    RecordingSink sink;
    sink.scriptAnswers({false, true});
    sink.setDefaultAnswer(false);
    EXPECT_FALSE(sink.askYesNo("a"));
    EXPECT_TRUE(sink.askOkCancel("b"));
    EXPECT_FALSE(sink.askYesNo("c"));
    EXPECT_EQ(sink.count(RecordingSink::Kind::YesNo), 2);
}

}  // namespace
