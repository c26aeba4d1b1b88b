#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ExprTestSupport.h"
#include "query/QueryLanguage.h"

using namespace halvern;
using expr::ResultKind;
using expr::test::AtRx;
using expr::test::ErrorReport;

namespace {

struct Outcome {
    bool compiled = false, evaluated = false;
    ResultKind statement = ResultKind::None;
    expr::Value value = 0;
    std::vector<std::string> messages;  // parse-error dialogs, in order
};

Outcome RunQuery(const std::string& expression, const expr::RecordVariables& vars) {
    RecordingSink sink;
    QueryRun run(sink);
    Outcome out;
    out.compiled = run.compile(expression);
    if (out.compiled) out.evaluated = run.evaluate(vars, out.value);
    out.statement = run.statement();
    for (const auto& e : sink.entries()) {
        EXPECT_EQ(e.title, "Error parsing expression");
        out.messages.push_back(e.text);
    }
    return out;
}

TEST(QueryGrammarTest, Grouping) {
    struct Case {
        const char* expression;
        expr::RecordVariables vars;
        ResultKind statement;
        long double value;
    };
    constexpr ResultKind kReal = ResultKind::Real, kInt = ResultKind::Integer,
                         kNone = ResultKind::None;
    const long double root2 = std::sqrt(2.0L);
    // clang-format off
    const Case cases[] = {
        // An integer base takes a real exponent; an integer right of a real operation is powered
        // first; an exponent that begins with an integer takes in what follows it.
        {"2^0.5", AtRx(0), kReal, root2},          {"rx*2^0.5", AtRx(3), kReal, 3 * root2},
        {"rx+rw*rw^2.0", AtRx(1, 2), kReal, 9},    {"(rw)^2.0", AtRx(0, 3), kReal, 9},
        {"2^3*2.0", AtRx(0), kReal, 64},           {"2^3+1.0", AtRx(0), kReal, 16},
        {"2^0.5*2.0", AtRx(0), kReal, 2 * root2},
        // Real bases: left to right, unary minus tightest.
        {"2.0^3*2.0", AtRx(0), kReal, 16},         {"2.0^2^3", AtRx(0), kReal, 64},
        {"-2.0^2", AtRx(0), kReal, 4},             {"2^-1.0", AtRx(0), kReal, 0.5},
        // "*" "/" before "+" "-"; integers wrap; integer / integer is real.
        {"1+2*3", AtRx(0), kInt, 7},               {"10-4-3", AtRx(0), kInt, 3},
        {"12.0/3.0/2.0", AtRx(0), kReal, 2},       {"7/2", AtRx(0), kReal, 3.5},
        {"2147483647+1", AtRx(0), kInt, -2147483648.0L}, {"-rw", AtRx(0, 5), kInt, -5},
        // Comments, the value dialect's literals, the checked EXP below its limit.
        {"rx { position }", AtRx(4), kReal, 4},    {"1e3", AtRx(0), kReal, 1000},
        {"exp(74.9)", AtRx(0), kReal, std::exp(74.9L)},
        {"", AtRx(0), kNone, 0},                   {"{ only a comment }", AtRx(0), kNone, 0}};
    // clang-format on
    for (const Case& c : cases) {
        Outcome o = RunQuery(c.expression, c.vars);
        ASSERT_TRUE(o.evaluated) << c.expression;
        EXPECT_TRUE(o.messages.empty()) << c.expression;
        EXPECT_EQ(o.statement, c.statement) << c.expression;
        // Powers come from exp(y ln x): close to, not always equal to, the exact value.
        EXPECT_LE(std::fabs(o.value - c.value), 1e-15L * std::fabs(c.value)) << c.expression;
    }
}

// Syntax errors fail the compile; semantic errors the evaluation, reported where the failing
// operation was reduced.
TEST(QueryGrammarTest, ErrorsAndTheirColumns) {
    EXPECT_EQ(
        RunQuery("KE + * 2", AtRx(0)).messages,
        std::vector<std::string>{"Error type: syntax error\rKE + * 2\r     ^\r(near char. #6)."});
    struct Case {
        const char* expression;
        int column;  // of the character the error is reported at
        const char* message = "syntax error";
    };
    const Case syntax[] = {
        // an integer to an integer power: found at the line end
        {"2^3", 4, "syntax error - a real number is expected: write 3 as 3.0"},
        {"RW^2", 5, "syntax error - a real number is expected: write 2 as 2.0"},
        {"[KE > 1.0]", 1},  // no brackets, relations or logic
        {"KE > 1.0", 4},
        {"SQRT(4)", 7, "syntax error - a real number is expected: write 4 as 4.0"},
        {"99999999999", 11},  // too large for an integer literal
        {"KE\t+ 1.0", 3},
        {"RX {unclosed", 13},
        {"(2 + ", 6}};  // no real would help
    for (const Case& c : syntax) {
        Outcome o = RunQuery(c.expression, AtRx(0));
        EXPECT_FALSE(o.compiled) << c.expression;
        EXPECT_EQ(o.messages,
                  std::vector<std::string>{ErrorReport(c.message, c.expression, c.column)});
    }
    const std::tuple<const char*, const char*, int> semantic[] = {
        {"exp(80.0)", "exp() argument too large.", 9},
        {"exp(-75.0)", "exp() argument too large.", 10},
        {"1.0/0.0", "divide by zero.", 8},
        {"rw/0", "divide by zero.", 5},
        {"ln(0.0)", "negative logarithm.", 7},
        {"log(-1.0)", "negative logarithm.", 9},
        {"sqrt(-1.0)", "negative square root.", 10},
        {"-2^0.5", "non-integral power of negative number", 7},
        {"(-2.0)^-1", "non-integral power of negative number", 10}};
    for (const auto& [expression, message, column] : semantic) {
        Outcome o = RunQuery(expression, AtRx(0));
        EXPECT_TRUE(o.compiled && !o.evaluated) << expression;
        EXPECT_EQ(o.messages, std::vector<std::string>{ErrorReport(message, expression, column)});
    }
}

// The compiled form against the parse per record: same statement, value and first message.
TEST(QueryGrammarTest, CompiledFormAgreesWithTheParsePerRecord) {
    const char* expressions[] = {
        "rx*2^0.5", "rx+rw*rw^2.0", "2^3*2.0", "-rw*rw-1", "ke/ep",   "sqrt(vx*vx+vy*vy+vz*vz)",
        "phid",     "altd+lz",      "ln(rx)",  "1.0/rx",   "tan(rx)", "exp(rx*40.0)",
        "(rx)^rw",  "rx^(rw-3)",    ""};
    for (int k = -3; k <= 3; ++k) {
        const expr::RecordVariables v = expr::test::Vars(k * 0.75L, 1 - k, 0, 1e-20L * k, 2e-20L,
                                                         -1e-20L * k * k, 0, 1e-26L, k + 3);
        for (const char* e : expressions) {
            const Outcome compiled = RunQuery(e, v);
            RecordingSink sink;
            expr::ParseContext ctx(sink);
            expr::ResetLexer(ctx);
            expr::SetInput(ctx, e);
            ResultKind statement;
            expr::Value parsed;
            EXPECT_EQ(QueryParse(ctx, v, statement, parsed), 0) << e;
            EXPECT_EQ(compiled.evaluated, !ctx.ParseFailed) << e;
            EXPECT_EQ(compiled.statement, statement) << e;
            if (ctx.ParseFailed) {
                ASSERT_FALSE(compiled.messages.empty()) << e;
                EXPECT_EQ(compiled.messages[0], sink.entries().at(0).text) << e;
            } else {
                EXPECT_TRUE(compiled.value == parsed ||
                            (std::isnan(compiled.value) && std::isnan(parsed)))
                    << e;
            }
        }
    }
}

}  // namespace
