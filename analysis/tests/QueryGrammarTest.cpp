#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "QueryLanguage.h"

using namespace halvern;
using expr::ResultKind;

namespace {

expr::RecordVariables Vars(long double rx, int32_t rw = 0) {
    expr::RecordVariables v;
    v.rx = rx;
    v.ms = 1;
    v.rw = rw;
    return v;
}

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
    const long double root2 = std::sqrt(2.0L);
    const Case cases[] = {
        // An integer base takes a real exponent; an integer right of a real operation is powered
        // first; an exponent that begins with an integer takes in what follows it.
        {"2^0.5", Vars(0), ResultKind::Real, root2},
        {"rx*2^0.5", Vars(3), ResultKind::Real, 3 * root2},
        {"rx+rw*rw^2.0", Vars(1, 2), ResultKind::Real, 1 + 2 * 4},
        {"(rw)^2.0", Vars(0, 3), ResultKind::Real, 9},
        {"2^3*2.0", Vars(0), ResultKind::Real, 64},
        {"2^3+1.0", Vars(0), ResultKind::Real, 16},
        {"2^0.5*2.0", Vars(0), ResultKind::Real, 2 * root2},
        // Real bases: left to right, unary minus tightest.
        {"2.0^3*2.0", Vars(0), ResultKind::Real, 16},
        {"2.0^2^3", Vars(0), ResultKind::Real, 64},
        {"-2.0^2", Vars(0), ResultKind::Real, 4},
        {"2^-1.0", Vars(0), ResultKind::Real, 0.5},
        // "*" "/" before "+" "-"; integers wrap; integer / integer is real.
        {"1+2*3", Vars(0), ResultKind::Integer, 7},
        {"10-4-3", Vars(0), ResultKind::Integer, 3},
        {"12.0/3.0/2.0", Vars(0), ResultKind::Real, 2},
        {"7/2", Vars(0), ResultKind::Real, 3.5},
        {"2147483647+1", Vars(0), ResultKind::Integer, -2147483648.0L},
        {"-rw", Vars(0, 5), ResultKind::Integer, -5},
        // Comments, the value dialect's literals, the checked EXP below its limit.
        {"rx { position }", Vars(4), ResultKind::Real, 4},
        {"1e3", Vars(0), ResultKind::Real, 1000},
        {"exp(74.9)", Vars(0), ResultKind::Real, std::exp(74.9L)},
        {"", Vars(0), ResultKind::None, 0},
        {"{ only a comment }", Vars(0), ResultKind::None, 0},
    };
    for (const Case& c : cases) {
        Outcome o = RunQuery(c.expression, c.vars);
        ASSERT_TRUE(o.evaluated) << c.expression;
        EXPECT_TRUE(o.messages.empty()) << c.expression;
        EXPECT_EQ(o.statement, c.statement) << c.expression;
        // Powers come from exp(y ln x): close to, not always equal to, the exact value.
        EXPECT_LE(std::fabs(o.value - c.value), 1e-15L * std::fabs(c.value)) << c.expression;
    }
}

std::string Report(const std::string& message, const std::string& expression, int column) {
    const std::string line = expr::UpCaseStr(expression);
    return "Error type: " + message + "\r" + line + "\r" + std::string(column - 1, ' ') +
           "^\r(near char. #" + std::to_string(column) + ").";
}

TEST(QueryGrammarTest, ErrorsAndTheirColumns) {
    struct Case {
        const char* expression;
        const char* message;
        int column;  // of the character the error is reported at
    };
    const Case syntax[] = {
        {"KE + * 2", "syntax error", 6},
        {"2^3", "syntax error", 4},  // an integer to an integer power: found at the line end
        {"RW^2", "syntax error", 5},
        {"[KE > 1.0]", "syntax error", 1},  // no brackets, relations or logic
        {"KE > 1.0", "syntax error", 4},
        {"SQRT(4)", "syntax error", 7},       // function arguments are real
        {"99999999999", "syntax error", 11},  // too large for an integer literal
        {"KE\t+ 1.0", "syntax error", 3},
        {"RX {unclosed", "syntax error", 13},
    };
    for (const Case& c : syntax) {
        Outcome o = RunQuery(c.expression, Vars(0));
        EXPECT_FALSE(o.compiled) << c.expression;
        EXPECT_EQ(o.messages, std::vector<std::string>{Report(c.message, c.expression, c.column)});
    }
    EXPECT_EQ(
        RunQuery("KE + * 2", Vars(0)).messages,
        std::vector<std::string>{"Error type: syntax error\rKE + * 2\r     ^\r(near char. #6)."});

    // Semantic errors: reported where the failing operation was reduced.
    const Case semantic[] = {
        {"exp(80.0)", "exp() argument too large.", 9},
        {"exp(-75.0)", "exp() argument too large.", 10},
        {"1.0/0.0", "divide by zero.", 8},
        {"rw/0", "divide by zero.", 5},
        {"ln(0.0)", "negative logarithm.", 7},
        {"log(-1.0)", "negative logarithm.", 9},
        {"sqrt(-1.0)", "negative square root.", 10},
        {"-2^0.5", "non-integral power of negative number", 7},
        {"(-2.0)^-1", "non-integral power of negative number", 10},
    };
    for (const Case& c : semantic) {
        Outcome o = RunQuery(c.expression, Vars(0));
        EXPECT_TRUE(o.compiled && !o.evaluated) << c.expression;
        EXPECT_EQ(o.messages, std::vector<std::string>{Report(c.message, c.expression, c.column)});
    }
}

// The compiled form against the parse per record: same statement, value and first message.
TEST(QueryGrammarTest, CompiledFormAgreesWithTheParsePerRecord) {
    const char* expressions[] = {
        "rx*2^0.5", "rx+rw*rw^2.0", "2^3*2.0", "-rw*rw-1", "ke/ep",   "sqrt(vx*vx+vy*vy+vz*vz)",
        "phid",     "altd+lz",      "ln(rx)",  "1.0/rx",   "tan(rx)", "exp(rx*40.0)",
        "(rx)^rw",  "rx^(rw-3)",    ""};
    for (int k = -3; k <= 3; ++k) {
        expr::RecordVariables v;
        v.rx = k * 0.75L;
        v.ry = 1 - k;
        v.px = 1e-20L * k;
        v.py = 2e-20L;
        v.pz = -1e-20L * k * k;
        v.ms = 1e-26L;
        v.rw = k + 3;
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
