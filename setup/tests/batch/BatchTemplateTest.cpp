// The batch template's lines and its stem.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/BatchTemplate.h"

namespace velkor {
namespace {

TEST(BatchTemplate, ThreeJobsInTheReadersOrder) {
    const std::vector<std::string> lines = MakeBatchTemplate("/data/run.v2/cu100", 3);
    ASSERT_EQ(lines.size(), 30u);
    for (int job = 0; job < 3; ++job) {
        SCOPED_TRACE(job);
        const std::vector<std::string> expected = {
            "Project " + std::to_string(job + 1) + ": ", "/data/run.v2/cu100.prj",
            "/data/run.v2/cu100.trg",  "/data/run.v2/cu100.mdl",
            "/data/run.v2/cu100.run",  "/data/run.v2/cu100.imp",
            "/data/run.v2/cu100.inl",  "/data/run.v2/inivars.osl",
            "/data/run.v2/cu100.osl",  "/data/run.v2/cu100.dat"};
        EXPECT_EQ(std::vector<std::string>(lines.begin() + job * 10, lines.begin() + job * 10 + 10),
                  expected);
    }
}

TEST(BatchTemplate, TheDefaultStemKeepsItsAsterisk) {
    const std::vector<std::string> lines = MakeBatchTemplate("*", 1);
    EXPECT_EQ(lines, (std::vector<std::string>{"Project 1: ", "*.prj", "*.trg", "*.mdl", "*.run",
                                               "*.imp", "*.inl", "inivars.osl", "*.osl",
                                               "*.dat"}));
    EXPECT_TRUE(MakeBatchTemplate("x", 0).empty());
}

TEST(BatchTemplate, StemLosesOnlyTheFileNamesExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/data/run.v2/cu100.prj", "/data/run.v2/cu100"},
        {"/data/run.v2/cu.100.prj", "/data/run.v2/cu.100"},
        {"/data/run.v2/cu100", "/data/run.v2/cu100"},
        {"cu100.PRJ", "cu100"},
    };
    for (const auto& [path, stem] : cases) EXPECT_EQ(StemFromProjectFile(path), stem) << path;
    EXPECT_EQ(StemFolder("/data/run.v2/cu100"), "/data/run.v2/");
    EXPECT_EQ(StemFolder("cu100"), "");
}

TEST(BatchTemplate, GenerateNeedsANameWithoutWildcards) {
    EXPECT_FALSE(BatchNameAccepted("*.bdf"));
    EXPECT_FALSE(BatchNameAccepted("run?.bdf"));
    EXPECT_TRUE(BatchNameAccepted("/data/runs.bdf"));
    EXPECT_EQ(TBatchSpec{}.batchFile, "*.bdf");
    EXPECT_EQ(TBatchSpec{}.stem, "*");
    EXPECT_EQ(TBatchSpec{}.count.str(), "1");
}

}  // namespace
}  // namespace velkor
