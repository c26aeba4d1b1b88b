#include <gtest/gtest.h>

#include "ParseContext.h"

using namespace halvern;
using namespace halvern::expr;

namespace {

TEST(ErrorReportText, CaretUnderTheErrorColumn) {
    // yycolno is one past the error character.
    EXPECT_EQ(ErrorReportText("syntax error", "KE + * 2", 7),
              "Error type: syntax error\rKE + * 2\r     ^\r(near char. #6).");
    EXPECT_EQ(ErrorReportText("divide by zero.", "[A]", 2),
              "Error type: divide by zero.\r[A]\r^\r(near char. #1).");
}

TEST(ErrorReportText, LongLinesKeepTheCaretInPlaceOrDropIt) {
    // Near character 60 of a 100-character line: 59 blanks, the caret is not moved left.
    const std::string line100(100, 'X');
    EXPECT_EQ(ErrorReportText("syntax error", line100, 61), "Error type: syntax error\r" + line100 +
                                                                "\r" + std::string(59, ' ') +
                                                                "^\r(near char. #60).");
    // At the line end of a 109-character line the caret still stands.
    const std::string line109(109, 'X');
    EXPECT_EQ(ErrorReportText("syntax error", line109, 111),
              "Error type: syntax error\r" + line109 + "\r" + std::string(109, ' ') +
                  "^\r(near char. #110).");
    // 110 characters or more: no caret line.
    const std::string line110(110, 'X');
    EXPECT_EQ(ErrorReportText("syntax error", line110, 20),
              "Error type: syntax error\r" + line110 + "\r(near char. #19).");
}

TEST(ParseContext, LoadsLazilyAndCountsColumns) {
    RecordingSink sink;
    ParseContext ctx(sink);
    ResetLexer(ctx);
    SetInput(ctx, "ab");
    EXPECT_EQ(GetChar(ctx), 'A');
    EXPECT_EQ(ctx.yyline, "AB");
    EXPECT_EQ(ctx.yylineno, 1);
    EXPECT_EQ(ctx.yycolno, 2);
    EXPECT_EQ(GetChar(ctx), 'B');
    UngetChar(ctx, 'B');
    EXPECT_EQ(ctx.yycolno, 2);
    EXPECT_EQ(GetChar(ctx), 'B');
    EXPECT_EQ(GetChar(ctx), '\n');
    EXPECT_EQ(ctx.yycolno, 4);
    // The end of input does not count a column.
    EXPECT_EQ(GetChar(ctx), '\0');
    EXPECT_EQ(GetChar(ctx), '\0');
    EXPECT_EQ(ctx.yycolno, 4);
    EXPECT_TRUE(sink.entries().empty());
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
