#include <gtest/gtest.h>

#include "ParseContext.h"

using namespace halvern;
using namespace halvern::expr;

namespace {

// The caret line stays whole up to the line end of a 109-character line; the caret is not cut.
TEST(ErrorReportText, CaretAtTheEndOfTheLongestCaretLine) {
    const std::string line109(109, 'X');
    EXPECT_EQ(ErrorReportText("syntax error", line109, 111),
              "Error type: syntax error\r" + line109 + "\r" + std::string(109, ' ') +
                  "^\r(near char. #110).");
}

TEST(ParseContext, InputIsUpperCasedAndCut) {
    RecordingSink sink;
    ParseContext ctx(sink);
    SetInput(ctx, "[ke/ep > 1.0e3] {x}");
    EXPECT_EQ(ctx.yyinput, "[KE/EP > 1.0E3] {X}");
    SetInput(ctx, std::string(300, 'a'));
    EXPECT_EQ(ctx.yyinput, std::string(255, 'A'));
    EXPECT_EQ(UpCaseStr("\xe9z{}"), "\xe9Z{}");
}

TEST(ParseContext, PushBackLimitEndsTheInput) {
    RecordingSink sink;
    ParseContext ctx(sink);
    ResetLexer(ctx);
    SetInput(ctx, "A");
    GetChar(ctx);
    while (ctx.pushBack.size() < kPushBackLimit) UngetChar(ctx, 'A');
    EXPECT_FALSE(ctx.ParseFailed);
    UngetChar(ctx, 'A');
    UngetChar(ctx, 'A');
    EXPECT_TRUE(ctx.ParseFailed);
    EXPECT_TRUE(ctx.inputEnded);
    ASSERT_EQ(sink.entries().size(), 1u);
    EXPECT_EQ(sink.entries()[0].title, "Error parsing expression");
    EXPECT_EQ(sink.entries()[0].text.rfind("Error type: input buffer overflow\rA\r", 0), 0u);

    ResetLexer(ctx);
    EXPECT_FALSE(ctx.ParseFailed);
    EXPECT_FALSE(ctx.inputEnded);
    EXPECT_TRUE(ctx.pushBack.empty());
}

}  // namespace
