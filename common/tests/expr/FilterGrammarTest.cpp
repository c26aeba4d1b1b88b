#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExprBuilder.h"
#include "ExprTestSupport.h"

using namespace halvern;
using namespace halvern::expr;
using namespace halvern::expr::test;

namespace {

constexpr long double kEv = 1.60219e-19L;

TEST(FilterGrammar, Grouping) {
    struct Case {
        const char* expression;
        RecordVariables vars;
        bool selected;
    };
    const RecordVariables none = Vars(0, 0, 0, 0, 0, 0, 0, 1);
    const Case cases[] = {
        // Unary minus binds tighter than "^"; "^" groups left to right.
        {"[-2.0^2 = 4.0]", none, true},
        {"[(-2.0)^2 = 4.0]", none, true},
        {"[2.0^3.0^2.0 > 63.99] & [2.0^3.0^2.0 < 64.01]", none, true},
        // An integer never starts a power: the power takes the real operation before it.
        {"[RX*2^3 > 215.99] & [RX*2^3 < 216.01]", Vars(3, 0, 0, 0, 0, 0, 0, 1), true},
        {"[RX+RW*RW^2.0 > 24.99] & [RX+RW*RW^2.0 < 25.01]", Vars(1, 0, 0, 0, 0, 0, 0, 1, 2), true},
        {"[RX*(2.0^3) = 24.0]", Vars(3, 0, 0, 0, 0, 0, 0, 1), true},
        // "*" "/" before "+" "-", each pair left to right.
        {"[2.0+3.0*4.0 = 14.0]", none, true},
        {"[10.0-4.0-3.0 = 3.0]", none, true},
        {"[12.0/3.0/2.0 = 2.0]", none, true},
        {"[RX*2/4 = 1.5]", Vars(3, 0, 0, 0, 0, 0, 0, 1), true},
        {"[1+2*3 = 7]", none, true},
        {"[1 - 2 - 3 = -4]", none, true},
        // "&" and "|" are equal and left to right; "!" takes the next term only.
        {"[RX > 0.0] | [RX < 0.0] & [RX = 5.0]", Vars(1, 0, 0, 0, 0, 0, 0, 1), false},
        {"![RX > 0.0] & [RX < 0.0]", Vars(1, 0, 0, 0, 0, 0, 0, 1), false},
        {"![[RX > 0.0] & [RX < 0.0]]", Vars(1, 0, 0, 0, 0, 0, 0, 1), true},
        {"!![RX > 0.0]", Vars(1, 0, 0, 0, 0, 0, 0, 1), true},
        // Integers wrap in 32 bits; integer / integer is a real division; mixed operations widen.
        {"[7/2 = 3.5]", none, true},
        {"[2147483647+1 < 0]", none, true},
        {"[65536*65536 = 0]", none, true},
        {"[-(-2147483647-1) < 0]", none, true},
        {"[RW + 0.5 = 2.5] & [0.5 + RW = 2.5] & [RW/4 = 0.5] & [RW*0.5 = 1.0]",
         Vars(0, 0, 0, 0, 0, 0, 0, 1, 2), true},
        // Powers of zero and to zero; negative bases by repeated products.
        {"[2.0^0 = 1.0] & [0.0^0 = 0.0] & [0.0^2.0 = 0.0] & [5.0^0.0 = 1.0]", none, true},
        {"[(-2.0)^3 = -8.0] & [(-1.0)^65535 = -1.0] & [(-1.0)^100000 = 1.0]", none, true},
        {"[(-1.0)^2147483647 = -1.0] & [(-2.0)^65536 > 1.0E300]", none, true},
        {"[2.0^-1 > 0.4999] & [2.0^-1 < 0.5001]", none, true},
        // Relations, blanks inside two-character relations.
        {"[1.0 <= 1.0] & [1.0 >= 1.0] & [1.0 <> 2.0] & [1.0 < = 1.0] & [2 <> 1] & [2 >= 2]", none,
         true},
        {"[1.0 < 1.0] | [1.0 > 1.0] | [1.0 = 2.0] | [1 < 1] | [1 > 1] | [1 = 2] | [1 <= 0]", none,
         false},
        // Constants, functions, literals.
        {"[PI > 3.14159265] & [PI < 3.14159266] & [EP = 1.60219E-19] & [1.5E2 = 150.0]", none,
         true},
        {"[SQRT(4.0) = 2.0] & [ABS(-3.0) = 3.0] & [EXP(0.0) = 1.0] & [LN(1.0) = 0.0]", none, true},
        {"[LOG(1000.0) > 2.9999] & [LOG(1000.0) < 3.0001] & [ATAN(1.0)*4.0 > 3.1415]", none, true},
        {"[SIN(0.0) = 0.0] & [COS(0.0) = 1.0] & [TAN(0.0) = 0.0]", none, true},
        // The vocabulary on a record.
        {"[RW = 0]", Vars(0, 0, 0, 0, 0, 0, 0, 1, 0), true},
        {"[RW = 0]", Vars(0, 0, 0, 0, 0, 0, 0, 1, 7), false},
        {"[rn = 3] & [rw > 6]", Vars(0, 0, 0, 0, 0, 0, 0, 1, 7, 3), true},
        {"[ke/ep > 100.0] { KE > 100 eV }", Vars(0, 0, 0, 0, 0, std::sqrt(2 * 101 * kEv), 0, 1),
         true},
        {"[ke/ep > 100.0] { KE > 100 eV }", Vars(0, 0, 0, 0, 0, std::sqrt(2 * 99 * kEv), 0, 1),
         false},
        {"[KE > 1.0E-18] & ![PZ < 0.0]", Vars(0, 0, 0, 0, 0, -1, 0, 1), false},
        {"[KE > 1.0E-18] & ![PZ < 0.0]", Vars(0, 0, 0, 0, 0, 1, 0, 1), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Selects(c.expression, c.vars), c.selected) << c.expression;
}

TEST(FilterGrammar, EmptyAndCommentOnlyExpressionsSelectNothing) {
    for (const char* expression : {"", "{ nothing }", "   ", "{unclosed"}) {
        RecordingSink sink;
        FilterRun run(sink);
        EXPECT_TRUE(run.compile(expression)) << expression;
        EXPECT_EQ(run.program().result, ResultKind::None);
        EXPECT_FALSE(run.evaluate(Particle(1, 1, 1)).selected);
        EXPECT_TRUE(sink.entries().empty()) << expression;
    }
}

TEST(FilterGrammar, SyntaxErrors) {
    struct Case {
        std::string expression;
        int nearChar;
        int parseResult;  // 0: recovered at the line end
    };
    const Case cases[] = {
        {"2^3", 1, 0},
        {"[2^3 > 1.0]", 3, 0},
        {"[(RW)^2.0 > 1.0]", 6, 0},
        {"[KE/EP > 20]", 12, 0},
        {"[RW = 0.0]", 9, 0},
        {"SQRT(4)", 4, 0},
        {"[SQRT(4) > 1.0]", 8, 0},
        {"[RX >\t1.0]", 6, 0},
        {"[RX == 3.0]", 6, 0},
        {"[RX > 0.0] {unclosed", 21, 1},
        {"[KE > 1.0]]", 11, 0},
        {"[RW = 99999999999]", 17, 0},
        {"[RX > 1.0] &", 13, 0},
        {"[RX > 1.0] [RY > 1.0]", 12, 0},
        {"[RX]", 4, 0},
        {"[EXPLN(1.0) > 0.0]", 6, 0},
        {"[-2^0.5 > 0.0]", 4, 0},
        {"[RX > 1.0] {no} | 2", 19, 0},
        {"!([RX > 0.0])", 2, 0},  // only brackets hold logical terms
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        ParseContext ctx(sink);
        Program program;
        const CompileResult r = CompileFilter(ctx, c.expression, program);
        EXPECT_EQ(r.parseResult, c.parseResult) << c.expression;
        EXPECT_TRUE(r.parseFailed) << c.expression;
        EXPECT_FALSE(r.ok());
        const std::vector<std::string> errors = ParseErrors(sink);
        ASSERT_EQ(errors.size(), 1u) << c.expression;
        EXPECT_EQ(errors[0], "Error type: syntax error\r" + UpCaseStr(c.expression) + "\r" +
                                 std::string(static_cast<size_t>(c.nearChar - 1), ' ') +
                                 "^\r(near char. #" + std::to_string(c.nearChar) + ").")
            << c.expression;
        EXPECT_EQ(sink.entries()[0].title, "Error parsing expression");
    }
}

TEST(FilterGrammar, ErrorReportOfLongExpressions) {
    // 110 characters or more: no caret line; fewer: the caret under the column, not moved left.
    const std::string long110 = "[RX > 1.0]" + std::string(99, ' ') + "X";
    const std::string near60 = "[RX > 1.0]" + std::string(49, ' ') + "X" + std::string(40, ' ');
    ASSERT_EQ(near60.size(), 100u);
    RecordingSink sink;
    FilterRun run(sink);
    EXPECT_FALSE(run.compile(long110));
    EXPECT_FALSE(run.compile(near60));
    EXPECT_EQ(ParseErrors(sink),
              (std::vector<std::string>{
                  "Error type: syntax error\r" + long110 + "\r(near char. #110).",
                  "Error type: syntax error\r" + near60 + "\r" + std::string(59, ' ') +
                      "^\r(near char. #60).",
              }));
}

TEST(FilterGrammar, RecoveryAtTheLineEndStillFailsTheParse) {
    RecordingSink sink;
    ParseContext ctx(sink);
    bool filterResult = true;
    ResetLexer(ctx);
    SetInput(ctx, "[RX == 3.0]");
    EXPECT_EQ(FilterParse(ctx, Particle(1, 1, 1), filterResult), 0);
    EXPECT_TRUE(ctx.ParseFailed);
    EXPECT_EQ(sink.count(RecordingSink::Kind::ParseError), 1);

    // The next parse starts clean.
    ResetLexer(ctx);
    SetInput(ctx, "[RX > 0.0]");
    EXPECT_EQ(FilterParse(ctx, Particle(1, 1, 1), filterResult), 0);
    EXPECT_FALSE(ctx.ParseFailed);
    EXPECT_TRUE(filterResult);
}

TEST(FilterGrammar, ScannerErrorFailsTheCompile) {
    RecordingSink sink;
    FilterRun run(sink);
    EXPECT_FALSE(run.compile("{" + std::string(254, 'x')));
    EXPECT_EQ(run.compileResult().parseResult, 0);
    ASSERT_EQ(ParseErrors(sink).size(), 1u);
    EXPECT_EQ(ParseErrors(sink)[0].rfind("Error type: yytext overflow\r{XXX", 0), 0u);
    EXPECT_FALSE(run.evaluate(Particle(1, 1, 1)).selected);
}

// Semantic errors: the message, its column (where the failing action ran), and the record is
// not selected.
TEST(FilterGrammar, SemanticMessages) {
    struct Case {
        const char* expression;
        RecordVariables vars;
        const char* message;
        int nearChar;
    };
    const RecordVariables zero = Vars(0, 0, 0, 0, 0, 0, 0, 1);
    const Case cases[] = {
        {"[1.0/RX > 0.0]", zero, "divide by zero.", 9},
        {"[RW/0 > 0.0]", zero, "divide by zero.", 7},
        {"[2/RX > 0.0]", zero, "divide by zero.", 7},
        {"[RX/0 > 0.0]", zero, "divide by zero.", 7},
        {"[(-2.0)^2.0 > 0.0]", zero, "non-integral power of negative number", 13},
        {"[(-2.0)^(-1) < 0.0]", zero, "non-integral power of negative number", 14},
        {"[LN(RZ) > 0.0]", zero, "negative logarithm.", 7},
        {"[LOG(-1.0) > 0.0]", zero, "negative logarithm.", 10},
        {"[SQRT(-1.0) > 0.0]", zero, "negative square root.", 11},
        {"[KE > 1.0] & [LN(RZ) > 0.0]", zero, "negative logarithm.", 20},
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        FilterRun run(sink);
        ASSERT_TRUE(run.compile(c.expression)) << c.expression;
        const FilterVerdict v = run.evaluate(c.vars);
        EXPECT_FALSE(v.selected) << c.expression;
        EXPECT_TRUE(v.semanticError) << c.expression;
        const std::string line = UpCaseStr(c.expression);
        EXPECT_EQ(
            ParseErrors(sink),
            std::vector<std::string>{"Error type: " + std::string(c.message) + "\r" + line + "\r" +
                                     std::string(static_cast<size_t>(c.nearChar - 1), ' ') +
                                     "^\r(near char. #" + std::to_string(c.nearChar) + ")."})
            << c.expression;
    }
}

// The failing action's value is NaN: NaN <> NaN holds, yet the record is not selected.
TEST(FilterGrammar, FailedActionLeavesNaN) {
    RecordingSink sink;
    ParseContext ctx(sink);
    bool filterResult = false;
    ResetLexer(ctx);
    SetInput(ctx, "[1.0/RX <> 1.0/RX] & [LN(1.0/RX) < 1.0] | [SQRT(1.0/RX) > 1.0]");
    EXPECT_EQ(FilterParse(ctx, Vars(0, 0, 0, 0, 0, 0, 0, 1), filterResult), 0);
    EXPECT_FALSE(filterResult);  // (true & false) | false
    EXPECT_TRUE(ctx.ParseFailed);
    EXPECT_EQ(sink.count(RecordingSink::Kind::ParseError), 4);  // the four divisions only

    Program program;
    ASSERT_TRUE(CompileFilter(ctx, "[1.0/RX <> 1.0/RX]", program).ok());
    Evaluation e;
    const FilterVerdict v = EvaluateFilter(program, Vars(0, 0, 0, 0, 0, 0, 0, 1), &e);
    EXPECT_TRUE(AsLogic(e.value));
    EXPECT_EQ(e.faults, 2);
    EXPECT_FALSE(v.selected);
}

// Actions that run before a syntax error is found: a state with a single reduction reduces
// without reading on, every other state checks the look-ahead first.
TEST(FilterGrammar, ActionsBeforeASyntaxError) {
    struct Case {
        const char* expression;
        std::vector<std::string> messages;  // the "Error type: " texts, in order
    };
    const Case cases[] = {
        {"[1.0/0.0 X]", {"syntax error"}},
        {"[LN(0.0) X]", {"negative logarithm.", "syntax error"}},
        {"[1.0/0.0)]", {"divide by zero.", "syntax error"}},
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        ParseContext ctx(sink);
        const FilterVerdict v =
            ParseFilterForRecord(ctx, c.expression, Vars(0, 0, 0, 0, 0, 0, 0, 1));
        EXPECT_FALSE(v.selected);
        std::vector<std::string> types;
        for (const std::string& text : ParseErrors(sink))
            types.push_back(text.substr(12, text.find('\r') - 12));
        EXPECT_EQ(types, c.messages) << c.expression;
    }
}

}  // namespace

namespace {

// bison reports a full parser stack as "memory exhausted"; the report names it as the kit does.
TEST(FilterGrammar, FullParserStackReport) {
    RecordingSink sink;
    ParseContext ctx(sink);
    ResetLexer(ctx);
    SetInput(ctx, "[RX > 1.0]");
    GetChar(ctx);
    ParseSession session{ctx, nullptr, nullptr, {}};
    SyntaxError(session, "memory exhausted");
    SyntaxError(session, "syntax error");
    ASSERT_EQ(ParseErrors(sink).size(), 2u);
    EXPECT_EQ(ParseErrors(sink)[0].rfind("Error type: yyparse stack overflow\r[RX > 1.0]\r", 0),
              0u);
    EXPECT_EQ(ParseErrors(sink)[1].rfind("Error type: syntax error\r", 0), 0u);
    EXPECT_TRUE(ctx.ParseFailed);
}

}  // namespace
