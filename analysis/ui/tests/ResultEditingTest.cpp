// A result larger than 50 MB opens in an editor only after the user agrees.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "FileSafety.h"
#include "MessageSink.h"
#include "ResultEditing.h"

namespace {

TEST(ResultEditing, LargeResultsAsk) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("brisal_result_editing_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string small = (dir / "small.dat").string();
    const std::string large = (dir / "large.dat").string();
    ASSERT_TRUE(halvern::WriteFileReplacing(small, ""));
    std::filesystem::resize_file(small, brisal::kLargeResultBytes);  // 50 MB exactly: no question
    ASSERT_TRUE(halvern::WriteFileReplacing(large, ""));
    std::filesystem::resize_file(large, brisal::kLargeResultBytes + 1);  // sparse: no disk used
    halvern::RecordingSink sink;
    EXPECT_TRUE(brisal::MayOpenResultInEditor(small, sink));
    EXPECT_TRUE(brisal::MayOpenResultInEditor((dir / "missing.dat").string(), sink));
    EXPECT_TRUE(sink.entries().empty());
    sink.scriptAnswers({false, true});
    EXPECT_FALSE(brisal::MayOpenResultInEditor(large, sink));
    EXPECT_TRUE(brisal::MayOpenResultInEditor(large, sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>(
                                2, large + " is larger than 50 MB (51 MB). Open it in an editor?"));
    std::filesystem::remove_all(dir);
}

TEST(ResultEditing, QuestionGivesTheSizeInWholeMegabytes) {
    EXPECT_EQ(brisal::LargeResultQuestion("r.dat", 3ull * 1024 * 1024 * 1024),
              "r.dat is larger than 50 MB (3072 MB). Open it in an editor?");
}

}  // namespace
