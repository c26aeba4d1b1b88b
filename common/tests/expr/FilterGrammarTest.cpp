#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ExprBuilder.h"
#include "ExprTestSupport.h"

using namespace halvern;
using namespace halvern::expr;
using namespace halvern::expr::test;

namespace {

const RecordVariables kNone = AtRx(0);

TEST(FilterGrammar, Grouping) {
    struct Case {
        const char* expression;
        RecordVariables vars;
        bool selected;
    };
    const char* const emitted =
        "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}";
    const long double p21 = std::sqrt(2 * 21 * 1.60219e-19L * 1.66053e-26L);  // 21 eV, 10 amu
    const long double p19 = std::sqrt(2 * 19 * 1.60219e-19L * 1.66053e-26L);
    const Case cases[] = {
        // Unary minus binds tighter than "^"; "^" groups left to right.
        {"[-2.0^2 = 4.0] & [(-2.0)^2 = 4.0]", kNone, true},
        {"[2.0^3.0^2.0 > 63.99] & [2.0^3.0^2.0 < 64.01]", kNone, true},
        // An integer never starts a power: the power takes the real operation before it.
        {"[RX*2^3 > 215.99] & [RX*2^3 < 216.01]", AtRx(3), true},
        {"[RX+RW*RW^2.0 > 24.99] & [RX+RW*RW^2.0 < 25.01]", AtRx(1, 2), true},
        {"[RX*(2.0^3) = 24.0]", AtRx(3), true},
        // "*" "/" before "+" "-", each pair left to right, for reals and integers.
        {"[2.0+3.0*4.0 = 14.0] & [10.0-4.0-3.0 = 3.0] & [12.0/3.0/2.0 = 2.0]", kNone, true},
        {"[RX*2/4 = 1.5] & [1+2*3 = 7] & [1 - 2 - 3 = -4]", AtRx(3), true},
        // "&" and "|" are equal and left to right; "!" takes the next term only.
        {"[RX > 0.0] | [RX < 0.0] & [RX = 5.0]", AtRx(1), false},
        {"![RX > 0.0] & [RX < 0.0]", AtRx(1), false},
        {"![[RX > 0.0] & [RX < 0.0]]", AtRx(1), true},
        {"!![RX > 0.0]", AtRx(1), true},
        // Integers wrap in 32 bits; integer / integer is a real division; mixed operations widen.
        {"[7/2 = 3.5] & [2147483647+1 < 0] & [65536*65536 = 0] & [-(-2147483647-1) < 0]", kNone,
         true},
        {"[RW + 0.5 = 2.5] & [0.5 + RW = 2.5] & [RW/4 = 0.5] & [RW*0.5 = 1.0]", AtRx(0, 2), true},
        // A negative base to an integer power by repeated products.
        {"[(-2.0)^3 = -8.0] & [2.0^-1 > 0.4999] & [2.0^-1 < 0.5001]", kNone, true},
        // Relations, blanks inside two-character relations.
        {"[1.0 <= 1.0] & [1.0 >= 1.0] & [1.0 <> 2.0] & [1.0 < = 1.0] & [2 <> 1] & [2 >= 2]", kNone,
         true},
        {"[1.0 < 1.0] | [1.0 > 1.0] | [1.0 = 2.0] | [1 < 1] | [1 > 1] | [1 = 2] | [1 <= 0]", kNone,
         false},
        // Constants, functions, literals, the integer variables.
        {"[PI > 3.14159265] & [PI < 3.14159266] & [EP = 1.60219E-19] & [1.5E2 = 150.0]", kNone,
         true},
        {"[SQRT(4.0) = 2.0] & [ABS(-3.0) = 3.0] & [EXP(0.0) = 1.0] & [LN(1.0) = 0.0]", kNone, true},
        {"[LOG(1000.0) > 2.9999] & [LOG(1000.0) < 3.0001] & [ATAN(1.0)*4.0 > 3.1415]", kNone, true},
        {"[SIN(0.0) = 0.0] & [COS(0.0) = 1.0] & [TAN(0.0) = 0.0]", kNone, true},
        {"[rn = 3] & [rw > 6]", Vars(0, 0, 0, 0, 0, 0, 0, 1, 7, 3), true},
        {"[RW = 0]", AtRx(0, 7), false},
        // The engine's default expression.
        {emitted, Particle(0, 0, p21), true},
        {emitted, Particle(0, 0, -p21), false},
        {emitted, Particle(0, 0, p19), false},
        {emitted, Vars(1e-10L, 2e-10L, 0.4e-10L, 0, 0, p21, 1e-15L, 1.66053e-26L), false}};
    for (const Case& c : cases) {
        RecordingSink sink;
        FilterRun run(sink);
        ASSERT_TRUE(run.compile(c.expression)) << c.expression;
        EXPECT_EQ(run.evaluate(c.vars).selected, c.selected) << c.expression;
    }
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

// One dialog each, the caret under the character the parser stopped at; all but an unclosed
// comment after a whole expression recover at the line end (the parse returns 0). Where an
// integer literal stood for a real (the expression parses further with it written as one), the
// message says so.
TEST(FilterGrammar, SyntaxErrors) {
    struct Case {
        std::string expression;
        int nearChar;
        int parseResult;
        const char* realMeant = "";
    };
    // clang-format off
    const Case cases[] = {
        {"2^3", 1, 0},              {"[2^3 > 1.0]", 3, 0, "2"},      {"[(RW)^2.0 > 1.0]", 6, 0},
        {"[KE/EP > 20]", 12, 0, "20"}, {"[RW = 0.0]", 9, 0},         {"SQRT(4)", 4, 0},
        {"[KE/EP > 20] & [RW = 0", 12, 0, "20"},                     {"[RW = 0", 8, 0},
        {"[RX >\t1.0]", 6, 0},      {"[RX == 3.0]", 6, 0},           {"[KE > 1.0]]", 11, 0},
        {"[RX > 1.0] &", 13, 0},    {"[RW = 99999999999]", 17, 0},   {"[RX]", 4, 0},
        {"[-2^0.5 > 0.0]", 4, 0, "2"}, {"[RX > 1.0] [RY > 1.0]", 12, 0},
        {"[EXPLN(1.0) > 0.0]", 6, 0}, {"[RX > 1.0] {no} | 2", 19, 0},
        {"[RX > 0.0] {unclosed", 21, 1},
        {"!([RX > 0.0])", 2, 0}};  // only brackets hold logical terms
    // clang-format on
    for (const Case& c : cases) {
        RecordingSink sink;
        ParseContext ctx(sink);
        Program program;
        const CompileResult r = CompileFilter(ctx, c.expression, program);
        EXPECT_EQ(r.parseResult, c.parseResult) << c.expression;
        EXPECT_TRUE(r.parseFailed && !r.ok()) << c.expression;
        ASSERT_EQ(sink.entries().size(), 1u) << c.expression;
        const std::string n = c.realMeant;
        const std::string message =
            n.empty() ? "syntax error"
                      : "syntax error - a real number is expected: write " + n + " as " + n + ".0";
        EXPECT_EQ(ParseErrors(sink),
                  std::vector<std::string>{ErrorReport(message, c.expression, c.nearChar)});
        EXPECT_EQ(sink.entries()[0].title, "Error parsing expression");
        // The parse per record reports the same.
        RecordingSink parsed;
        ParseContext parseCtx(parsed);
        ParseFilterForRecord(parseCtx, c.expression, kNone);
        EXPECT_EQ(ParseErrors(parsed), ParseErrors(sink)) << c.expression;
    }
}

TEST(FilterGrammar, ErrorReportOfLongExpressions) {
    // 110 characters or more: no caret line; fewer: the caret under the column, not moved left.
    const std::string long110 = "[RX > 1.0]" + std::string(99, ' ') + "X";
    const std::string near60 = "[RX > 1.0]" + std::string(49, ' ') + "X" + std::string(40, ' ');
    RecordingSink sink;
    FilterRun run(sink);
    EXPECT_FALSE(run.compile(long110));
    EXPECT_FALSE(run.compile(near60));
    EXPECT_EQ(
        ParseErrors(sink),
        (std::vector<std::string>{"Error type: syntax error\r" + long110 + "\r(near char. #110).",
                                  "Error type: syntax error\r" + near60 + "\r" +
                                      std::string(59, ' ') + "^\r(near char. #60)."}));
}

TEST(FilterGrammar, RecoveryAtTheLineEndStillFailsTheParse) {
    RecordingSink sink;
    ParseContext ctx(sink);
    bool filterResult = true;
    EXPECT_EQ(ParseOnce(ctx, "[RX == 3.0]", Particle(1, 1, 1), filterResult), 0);
    EXPECT_TRUE(ctx.ParseFailed);
    EXPECT_EQ(sink.count(RecordingSink::Kind::ParseError), 1);
    // The next parse starts clean.
    EXPECT_EQ(ParseOnce(ctx, "[RX > 0.0]", Particle(1, 1, 1), filterResult), 0);
    EXPECT_FALSE(ctx.ParseFailed);
    EXPECT_TRUE(filterResult);
}

// The message, its column (where the failing action ran), and the record is not selected. Both
// operands of "&" and "|" are evaluated, whatever the left one gives: no short-circuit.
TEST(FilterGrammar, SemanticMessagesAndNoShortCircuit) {
    struct Case {
        const char* expression;
        const char* message;
        int nearChar;
    };
    // clang-format off
    const Case cases[] = {
        {"[1.0/RX > 0.0]", "divide by zero.", 9},      {"[RW/0 > 0.0]", "divide by zero.", 7},
        {"[2/RX > 0.0]", "divide by zero.", 7},        {"[RX/0 > 0.0]", "divide by zero.", 7},
        {"[LN(RZ) > 0.0]", "negative logarithm.", 7},
        {"[LOG(-1.0) > 0.0]", "negative logarithm.", 10},
        {"[SQRT(-1.0) > 0.0]", "negative square root.", 11},
        {"[KE > 1.0] & [LN(RZ) > 0.0]", "negative logarithm.", 20},
        {"[RX = 0.0] | [1.0/RY > 0.0]", "divide by zero.", 22},
        {"![RX = 0.0] & [SQRT(-1.0) > 0.0]", "negative square root.", 25},
        {"[(-2.0)^2.0 > 0.0]", "non-integral power of negative number", 13},
        {"[(-2.0)^(-1) < 0.0]", "non-integral power of negative number", 14}};
    // clang-format on
    for (const Case& c : cases) {
        RecordingSink sink;
        FilterRun run(sink);
        ASSERT_TRUE(run.compile(c.expression)) << c.expression;
        const FilterVerdict v = run.evaluate(kNone);
        EXPECT_TRUE(!v.selected && v.semanticError) << c.expression;
        EXPECT_EQ(run.semanticErrorRecords(), 1);
        EXPECT_EQ(ParseErrors(sink),
                  std::vector<std::string>{ErrorReport(c.message, c.expression, c.nearChar)});
    }
}

// The failing action's value is NaN: NaN <> NaN holds, NaN < 1.0 does not; the record is not
// selected all the same. (The compiled form gives the same values: see the oracle test.)
TEST(FilterGrammar, FailedActionLeavesNaN) {
    const std::pair<const char*, bool> cases[] = {
        {"[1.0/RX <> 1.0/RX]", true}, {"[LN(1.0/RX) < 1.0] | [SQRT(1.0/RX) > 1.0]", false}};
    for (const auto& [expression, value] : cases) {
        RecordingSink sink;
        ParseContext ctx(sink);
        bool filterResult = !value;
        EXPECT_EQ(ParseOnce(ctx, expression, kNone, filterResult), 0);
        EXPECT_EQ(filterResult, value) << expression;
        EXPECT_TRUE(ctx.ParseFailed);
        EXPECT_EQ(sink.count(RecordingSink::Kind::ParseError), 2);  // the two divisions only
    }
}

// Actions that run before a syntax error is found: a state with a single reduction reduces
// without reading on, every other state checks the look-ahead first.
TEST(FilterGrammar, ActionsBeforeASyntaxError) {
    struct Case {
        const char* expression;
        std::vector<std::string> messages;  // the "Error type: " texts, in order
    };
    const Case cases[] = {{"[1.0/0.0 X]", {"syntax error"}},
                          {"[LN(0.0) X]", {"negative logarithm.", "syntax error"}},
                          {"[1.0/0.0)]", {"divide by zero.", "syntax error"}}};
    for (const Case& c : cases) {
        RecordingSink sink;
        ParseContext ctx(sink);
        EXPECT_FALSE(ParseFilterForRecord(ctx, c.expression, kNone).selected);
        std::vector<std::string> types;
        for (const std::string& text : ParseErrors(sink))
            types.push_back(text.substr(12, text.find('\r') - 12));
        EXPECT_EQ(types, c.messages) << c.expression;
    }
}

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
    const std::vector<std::string> errors = ParseErrors(sink);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].rfind("Error type: yyparse stack overflow\r[RX > 1.0]\r", 0), 0u);
    EXPECT_EQ(errors[1].rfind("Error type: syntax error\r", 0), 0u);
    EXPECT_TRUE(ctx.ParseFailed);
}

// A syntax error, or a scanner error, is shown once at the compile; nothing is selected then.
TEST(FilterRun, CompileErrorShownOnceAndNothingSelected) {
    for (const std::string& expression :
         {std::string("[KE/EP > 20]"), "{" + std::string(254, 'x')}) {
        RecordingSink sink;
        FilterRun run(sink);
        EXPECT_FALSE(run.compile(expression));
        EXPECT_EQ(run.compileResult().parseResult, 0);
        for (int i = 0; i < 3; ++i) EXPECT_FALSE(run.evaluate(Particle(1, 1, 1)).selected);
        EXPECT_EQ(sink.count(RecordingSink::Kind::ParseError), 1);
        EXPECT_EQ(run.semanticErrorRecords(), 0);
    }
}

TEST(FilterRun, SemanticErrorShownOnceAndCountedPerRecord) {
    RecordingSink sink;
    FilterRun run(sink);
    ASSERT_TRUE(run.compile("[LN(RZ) > 0.0] & [1.0/RX > 0.0]"));
    const RecordVariables bad = AtRx(0);                        // both fail
    const RecordVariables half = Vars(0, 0, 3, 0, 0, 0, 0, 1);  // only the division fails
    EXPECT_TRUE(run.evaluate(bad).semanticError);
    EXPECT_TRUE(run.evaluate(Vars(1, 0, 3, 0, 0, 0, 0, 1)).selected);
    EXPECT_FALSE(run.evaluate(half).selected);
    EXPECT_FALSE(run.evaluate(bad).selected);
    EXPECT_EQ(run.semanticErrorRecords(), 3);
    // Only the run's first message, which is the record's first in evaluation order.
    const std::vector<std::string> shown = ParseErrors(sink);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("Error type: negative logarithm.\r", 0), 0u);

    // A new compile starts a new run.
    ASSERT_TRUE(run.compile("[1.0/RX > 0.0]"));
    EXPECT_EQ(run.semanticErrorRecords(), 0);
    run.evaluate(bad);
    EXPECT_EQ(ParseErrors(sink).size(), 2u);
    EXPECT_EQ(run.semanticErrorRecords(), 1);
}

}  // namespace
