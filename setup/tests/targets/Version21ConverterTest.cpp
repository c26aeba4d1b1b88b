// Conversion of version 2.1 target files: the derived name, the converted line, and the inputs
// that are refused with nothing written.
#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "targets/Version21Converter.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

TEST(Version21Converter, OutputNameReplacesTheStemsLastCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"/data/CU100.TRG", "/data/CU10~.TRG"},
        {"A.TRG", "~.TRG"},
        {"/A.TRG", "/~.TRG"},
        {"/my.targets/cu", "/my.targets/c~"},  // a dot in a folder is no extension
        {"run.2.trg", "run.~.trg"},
        {"/data/.TRG", ""},  // no stem
        {"/data/", ""},
    };
    for (const auto& [input, output] : cases) EXPECT_EQ(Version21OutputName(input), output) << input;
}

class Version21Conversion : public halvern::test::ScratchDir {};

TEST_F(Version21Conversion, WritesTheCurrentAtomLineWithFlagsZero) {
    const std::string input = path("CU100.TRG");
    ASSERT_TRUE(halvern::WriteFileReplacing(input,
                                            "0 0 0 29 63.546 Cu\r\n"
                                            "\r\n"
                                            "1.27799 1.27799 -1.80735 29 63.546 Cu\n"
                                            "  -3.0 4.5 -1.8 74 183.85  W"));
    RecordingSink sink;
    ASSERT_TRUE(ConvertVersion21File(input, sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Converted file saved as: " + path("CU10~.TRG")});
    EXPECT_EQ(contents(path("CU10~.TRG")),
              "     0.00000      0.00000      0.00000   29 63.54600   0 Cu\r\n"
              "     1.27799      1.27799     -1.80735   29 63.54600   0 Cu\r\n"
              "    -3.00000      4.50000     -1.80000   74 183.85000   0  W\r\n");
}

// A file without atoms converts to nothing, over nothing.
TEST_F(Version21Conversion, InputWithoutAtomsConvertsNothing) {
    for (const char* text : {"", "\r\n  \r\n"}) {
        ASSERT_TRUE(halvern::WriteFileReplacing(path("A.TRG"), text));
        ASSERT_TRUE(halvern::WriteFileReplacing(path("~.TRG"), "old\r\n"));
        RecordingSink sink;
        EXPECT_FALSE(ConvertVersion21File(path("A.TRG"), sink));
        EXPECT_EQ(contents(path("~.TRG")), "old\r\n");
        EXPECT_EQ(sink.texts(),
                  std::vector<std::string>{"No atoms in " + path("A.TRG") + ": nothing converted"});
    }
}

// Two sources with one stem but for its last character share an output: the second asks before
// it replaces the first one's.
TEST_F(Version21Conversion, AnExistingOutputIsReplacedOnlyWhenTheUserAgrees) {
    ASSERT_TRUE(halvern::WriteFileReplacing(path("CU100.TRG"), "0 0 0 29 63.546 Cu\r\n"));
    ASSERT_TRUE(halvern::WriteFileReplacing(path("CU101.TRG"), "1 1 1 74 183.85 W\r\n"));
    RecordingSink sink;
    ASSERT_TRUE(ConvertVersion21File(path("CU100.TRG"), sink));
    const std::string first = contents(path("CU10~.TRG"));
    sink.clear();
    sink.setDefaultAnswer(false);
    EXPECT_FALSE(ConvertVersion21File(path("CU101.TRG"), sink));
    EXPECT_EQ(sink.texts(),
              std::vector<std::string>{path("CU10~.TRG") + " already exists - overwrite?"});
    EXPECT_EQ(contents(path("CU10~.TRG")), first);
    sink.clear();
    sink.setDefaultAnswer(true);
    ASSERT_TRUE(ConvertVersion21File(path("CU101.TRG"), sink));
    EXPECT_EQ(contents(path("CU10~.TRG")),
              "     1.00000      1.00000      1.00000   74 183.85000   0  W\r\n");
}

TEST_F(Version21Conversion, RefusalsWriteNothing) {
    const std::string disk = "Error reading or writing disk data.";
    struct Case {
        const char* name;
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {"CU10~.TRG", "0 0 0 29 63.546 Cu\r\n", "Source and destination files must be different"},
        {"CU100.TRG", "     0.00000      0.00000      0.00000   29 63.54600   0 Cu\r\n",
         "File seems to have the current format already:\r" + path("CU100.TRG") +
             "\rIts flags column would be taken for the symbol; it was not converted."},
        {"CU100.TRG", "0 0 0 29 63.546 Cu\r\n1.0 x 0 29 63.546 Cu\r\n", disk},
        {"CU100.TRG", "0 0 0 29\r\n", disk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string input = path(c.name);
        ASSERT_TRUE(halvern::WriteFileReplacing(input, c.text));
        const bool ownOutput = std::string(c.name) == "CU10~.TRG";
        if (!ownOutput) {
            ASSERT_TRUE(halvern::WriteFileReplacing(path("CU10~.TRG"), "old\r\n"));
        }
        RecordingSink sink;
        EXPECT_FALSE(ConvertVersion21File(input, sink));
        EXPECT_EQ(sink.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(contents(input), c.text);
        if (!ownOutput) {
            EXPECT_EQ(contents(path("CU10~.TRG")), "old\r\n");
        }
    }
    RecordingSink sink;
    EXPECT_FALSE(ConvertVersion21File(path("missing.TRG"), sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{disk});
}

}  // namespace
}  // namespace velkor
