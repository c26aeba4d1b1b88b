#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ParseContext.h"
#include "Scanner.h"

using namespace halvern;
using namespace halvern::expr;

namespace {

struct Scanned {
    int token;
    int colno;  // yycolno after the token
    bool operator==(const Scanned&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Scanned& s) {
    return os << "{" << s.token << ", " << s.colno << "}";
}

constexpr int kRealTok = kTokReal, kIntTok = kTokInt, kFuncTok = kTokFunc, kEnd = kTokEnd,
              kEol = kTokLineEnd, kBad = kTokBadNumber;

// The tokens of a line, as the scanner gives them up to the end of input.
std::vector<Scanned> ScanAll(const std::string& line, RecordingSink& sink,
                             std::vector<TokenValue>* values = nullptr,
                             ScannerDialect dialect = {}) {
    ParseContext ctx(sink);
    ResetLexer(ctx);
    ctx.yyinput = line;  // not upper-cased: the scanner sees exactly this
    std::vector<Scanned> out;
    for (int guard = 0; guard < 600; ++guard) {
        TokenValue v;
        const int t = ScanToken(ctx, v, dialect);
        out.push_back({t, ctx.yycolno});
        if (values) values->push_back(v);
        if (t == kTokEnd) break;
    }
    return out;
}

TEST(Scanner, TokensAndColumns) {
    struct Case {
        const char* line;
        std::vector<Scanned> tokens;
    };
    // clang-format off
    const Case cases[] = {
        {"", {{kEol, 2}, {kEnd, 2}}},
        {"EXPLN", {{kFuncTok, 4}, {kFuncTok, 6}, {kEol, 7}, {kEnd, 7}}},
        {"ALTD", {{kRealTok, 5}, {kEol, 6}, {kEnd, 6}}},
        {"ALTX", {{kRealTok, 4}, {'X', 5}, {kEol, 6}, {kEnd, 6}}},
        {"SQ", {{'S', 2}, {'Q', 3}, {kEol, 4}, {kEnd, 4}}},
        {"1.", {{kIntTok, 2}, {'.', 3}, {kEol, 4}, {kEnd, 4}}},
        {".5", {{'.', 2}, {kIntTok, 3}, {kEol, 4}, {kEnd, 4}}},
        {"1EP", {{kIntTok, 2}, {kTokEp, 4}, {kEol, 5}, {kEnd, 5}}},
        {"1E+", {{kIntTok, 2}, {'E', 3}, {'+', 4}, {kEol, 5}, {kEnd, 5}}},
        {"1.5E-3X", {{kRealTok, 7}, {'X', 8}, {kEol, 9}, {kEnd, 9}}},
        {"2147483647", {{kIntTok, 11}, {kEol, 12}, {kEnd, 12}}},
        {"2147483648", {{kBad, 11}, {kEol, 12}, {kEnd, 12}}},
        {"1E5000", {{kBad, 7}, {kEol, 8}, {kEnd, 8}}},
        {"ke", {{'k', 2}, {'e', 3}, {kEol, 4}, {kEnd, 4}}},
        {"  \t", {{'\t', 4}, {kEol, 5}, {kEnd, 5}}},
        {"[RX< =1.0]", {{'[', 2}, {kRealTok, 4}, {'<', 5}, {'=', 7}, {kRealTok, 10}, {']', 11},
                        {kEol, 12}, {kEnd, 12}}},
        {"RWRNPIEP", {{kIntTok, 3}, {kIntTok, 5}, {kTokPi, 7}, {kTokEp, 9}, {kEol, 10}, {kEnd, 10}}},
        // Comments: closed, closed with only the line end after it, unclosed (no line end
        // comes out), braces that do not nest.
        {"{abc} [", {{'[', 8}, {kEol, 9}, {kEnd, 9}}},
        {"{x}", {{kEol, 5}, {kEnd, 5}}},
        {"{abc", {{kEnd, 6}}},
        {"{{}}", {{'}', 5}, {kEol, 6}, {kEnd, 6}}}};
    // clang-format on
    for (const Case& c : cases) {
        RecordingSink sink;
        EXPECT_EQ(ScanAll(c.line, sink), c.tokens) << c.line;
        EXPECT_TRUE(sink.entries().empty()) << c.line;
    }
}

TEST(Scanner, TokenValuesAndTheValueDialect) {
    RecordingSink sink;
    std::vector<TokenValue> v;
    ScanAll("PHID 1.5E2 42 SQRT PI", sink, &v);
    ASSERT_GE(v.size(), 5u);
    EXPECT_EQ(v[0].kind, TokenValue::Kind::Variable);
    EXPECT_EQ(v[0].variable, Variable::PHID);
    EXPECT_EQ(v[1].kind, TokenValue::Kind::RealLiteral);
    EXPECT_EQ(v[1].real, 150.0L);
    EXPECT_EQ(v[2].kind, TokenValue::Kind::IntLiteral);
    EXPECT_EQ(v[2].integer, 42);
    EXPECT_EQ(v[3].function, Function::Sqrt);
    EXPECT_EQ(v[4].real, 3.141592653589793238462643383279502884L);
    // The value grammar's dialect takes a lower-case exponent, the filter's does not.
    v.clear();
    EXPECT_EQ(ScanAll("1e5", sink, &v, {true}),
              (std::vector<Scanned>{{kRealTok, 4}, {kEol, 5}, {kEnd, 5}}));
    EXPECT_EQ(v[0].real, 1e5L);
    EXPECT_EQ(ScanAll("1e5", sink)[0], (Scanned{kIntTok, 2}));
}

// A token text of 255 characters overflows (a comment counts its line end); the report has no
// caret line at that length, and the input ends there.
TEST(Scanner, TokenTextOverflow) {
    struct Case {
        std::string line;
        int firstToken;
        int nearChar;  // 0: no overflow
    };
    const Case cases[] = {{"{" + std::string(254, 'A'), kEnd, 256},
                          {"{" + std::string(253, 'A'), kEnd, 0},
                          {std::string(255, '1'), kEnd, 255},
                          {std::string(254, '1'), kBad, 0}};
    for (const Case& c : cases) {
        RecordingSink sink;
        const std::vector<Scanned> tokens = ScanAll(c.line, sink);
        EXPECT_EQ(tokens.front().token, c.firstToken) << c.line.size();
        EXPECT_EQ(tokens.back().token, kEnd);
        if (c.nearChar == 0) {
            EXPECT_TRUE(sink.entries().empty()) << c.line.size();
            continue;
        }
        EXPECT_EQ(sink.texts(),
                  std::vector<std::string>{"Error type: yytext overflow\r" + c.line +
                                           "\r(near char. #" + std::to_string(c.nearChar) + ")."});
        EXPECT_EQ(tokens.size(), 1u);
    }
}

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
