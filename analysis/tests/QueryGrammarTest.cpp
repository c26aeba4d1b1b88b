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
    bool compiled = false;
    ResultKind statement = ResultKind::None;
    long double real = 0;
    int32_t integer = 0;
    std::vector<std::string> messages;  // parse-error dialogs, in order
};

Outcome RunQuery(const std::string& expression, const expr::RecordVariables& vars) {
    RecordingSink sink;
    QueryRun run(sink);
    Outcome out;
    out.compiled = run.compile(expression);
    if (out.compiled) {
        expr::Value value;
        if (run.evaluate(vars, value)) {
            out.statement = run.statement();
            out.real = value;
            out.integer = expr::AsInt(value);
        }
    }
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
        // An integer base takes a real exponent; an integer after a real operation is powered
        // first.
        {"2^0.5", Vars(0), ResultKind::Real, root2},
        {"rx*2^0.5", Vars(3), ResultKind::Real, 3 * root2},
        {"(rw)^2.0", Vars(0, 3), ResultKind::Real, 9},
        {"rx+rw*rw^2.0", Vars(1, 2), ResultKind::Real, 1 + 2 * 4},
        // The exponent of an integer base that begins with an integer takes in what follows.
        {"2^3*2.0", Vars(0), ResultKind::Real, 64},
        {"2^3+1.0", Vars(0), ResultKind::Real, 16},
        {"2^0.5*2.0", Vars(0), ResultKind::Real, 2 * root2},
        {"2^3^0.5", Vars(0), ResultKind::Real,
         std::exp(std::exp(0.5L * std::log(3.0L)) * std::log(2.0L))},
        // Real bases: left to right, unary minus tightest.
        {"2.0^3", Vars(0), ResultKind::Real, 8},
        {"2.0^3*2.0", Vars(0), ResultKind::Real, 16},
        {"2.0^2^3", Vars(0), ResultKind::Real, 64},
        {"-2.0^2", Vars(0), ResultKind::Real, 4},
        {"2^-1.0", Vars(0), ResultKind::Real, 0.5},
        // "*" "/" before "+" "-"; integers wrap; integer / integer is real.
        {"1+2*3", Vars(0), ResultKind::Integer, 7},
        {"10-4-3", Vars(0), ResultKind::Integer, 3},
        {"7/2", Vars(0), ResultKind::Real, 3.5},
        {"2147483647+1", Vars(0), ResultKind::Integer, -2147483648.0L},
        {"-rw", Vars(0, 5), ResultKind::Integer, -5},
        {"rw", Vars(0, 0), ResultKind::Integer, 0},
        {"12.0/3.0/2.0", Vars(0), ResultKind::Real, 2},
        // The vocabulary, comments and the value dialect's literals.
        {"ke/ep { particle KE, in eV }", Vars(0), ResultKind::Real, 0},
        {"1e3", Vars(0), ResultKind::Real, 1000},
        {"exp(74.9)", Vars(0), ResultKind::Real, std::exp(74.9L)},
        {"sqrt(rx*rx)", Vars(-3), ResultKind::Real, 3},
        // No statement at all.
        {"", Vars(0), ResultKind::None, 0},
        {"{ only a comment }", Vars(0), ResultKind::None, 0},
    };
    for (const Case& c : cases) {
        Outcome o = RunQuery(c.expression, c.vars);
        ASSERT_TRUE(o.compiled) << c.expression;
        EXPECT_TRUE(o.messages.empty()) << c.expression;
        EXPECT_EQ(o.statement, c.statement) << c.expression;
        if (c.statement == ResultKind::Integer) {
            EXPECT_EQ(o.integer, c.value) << c.expression;
        } else if (c.statement == ResultKind::Real) {
            // Powers come from exp(y ln x): close to, not always equal to, the exact value.
            EXPECT_LE(std::fabs(o.real - c.value), 1e-15L * std::fabs(c.value)) << c.expression;
        }
    }
}

TEST(QueryGrammarTest, KineticEnergyInElectronvolts) {
    expr::RecordVariables v = Vars(0);
    v.ms = 1e-25L;
    v.pz = std::sqrt(2 * v.ms * 1000 * 1.60219e-19L);
    Outcome o = RunQuery("ke/ep { particle KE, in eV }", v);
    EXPECT_NEAR(static_cast<double>(o.real), 1000.0, 1e-9);
}

std::string Report(const std::string& message, const std::string& line, int column) {
    std::string caret = line.size() < 110 ? "\r" + std::string(column - 1, ' ') + "^" : "";
    return "Error type: " + message + "\r" + line + caret + "\r(near char. #" +
           std::to_string(column) + ").";
}

TEST(QueryGrammarTest, SyntaxErrors) {
    struct Case {
        const char* expression;
        int column;  // of the character the error is reported at
    };
    const Case cases[] = {
        {"KE + * 2", 6},      {"2^3", 4},  // an integer to an integer power: found at the line end
        {"RW^2", 5},          {"[KE > 1.0]", 1},
        {"SQRT(4)", 7},  // function arguments are real
        {"KE > 1.0", 4},      {"1.0 2.0", 7},
        {"99999999999", 11},  // too large for an integer literal
        {"KE\t+ 1.0", 3},     {"(1.0", 5},
        {"RX {unclosed", 13},
    };
    for (const Case& c : cases) {
        Outcome o = RunQuery(c.expression, Vars(0));
        EXPECT_FALSE(o.compiled) << c.expression;
        ASSERT_EQ(o.messages.size(), 1u) << c.expression;
        std::string line = expr::UpCaseStr(c.expression);
        EXPECT_EQ(o.messages[0], Report("syntax error", line, c.column)) << c.expression;
    }
    // The exact text for the first case, spelled out.
    EXPECT_EQ(
        RunQuery("KE + * 2", Vars(0)).messages,
        std::vector<std::string>{"Error type: syntax error\rKE + * 2\r     ^\r(near char. #6)."});
}

TEST(QueryGrammarTest, RecoveryAtTheLineEndStillFailsTheCompile) {
    RecordingSink sink;
    expr::ParseContext ctx(sink);
    expr::Program program;
    expr::CompileResult r = CompileQuery(ctx, "KE + * 2", program);
    EXPECT_EQ(r.parseResult, 0);  // recovered by the error rule at the line end
    EXPECT_TRUE(r.parseFailed);
    EXPECT_FALSE(r.ok());
    r = CompileQuery(ctx, "RX {unclosed", program);
    EXPECT_EQ(r.parseResult, 1);  // the error is at the end of input: abandoned
}

TEST(QueryGrammarTest, SemanticErrors) {
    struct Case {
        const char* expression;
        const char* message;
        int column;
    };
    const Case cases[] = {
        {"exp(80.0)", "exp() argument too large.", 9},
        {"exp(-75.0)", "exp() argument too large.", 10},
        {"1.0/0.0", "divide by zero.", 8},
        {"rw/0", "divide by zero.", 5},
        {"ln(0.0)", "negative logarithm.", 7},
        {"log(-1.0)", "negative logarithm.", 9},
        {"sqrt(-1.0)", "negative square root.", 10},
        {"-2^0.5", "non-integral power of negative number", 7},
        {"(-2.0)^2.0", "non-integral power of negative number", 11},
        {"(-2.0)^-1", "non-integral power of negative number", 10},
    };
    for (const Case& c : cases) {
        Outcome o = RunQuery(c.expression, Vars(0));
        EXPECT_TRUE(o.compiled) << c.expression;
        ASSERT_EQ(o.messages.size(), 1u) << c.expression;
        EXPECT_EQ(o.messages[0], Report(c.message, expr::UpCaseStr(c.expression), c.column))
            << c.expression;
    }
}

// The compiled form against the parse per record, on every case above and several records.
TEST(QueryGrammarTest, CompiledFormAgreesWithTheParsePerRecord) {
    const char* expressions[] = {
        "2^0.5",
        "rx*2^0.5",
        "rx+rw*rw^2.0",
        "2^3*2.0",
        "-2.0^2",
        "1+2*3",
        "7/2",
        "rw",
        "-rw*rw-1",
        "ke/ep",
        "sqrt(vx*vx+vy*vy+vz*vz)",
        "phid",
        "altd+lz",
        "ln(rx)",
        "1.0/rx",
        "tan(rx)",
        "exp(rx*40.0)",
        "(rx)^rw",
        "rx^(rw-3)",
        "",
        "{x}",
    };
    std::vector<expr::RecordVariables> records;
    for (int k = -3; k <= 3; ++k) {
        expr::RecordVariables v;
        v.rx = k * 0.75L;
        v.ry = 1 - k;
        v.rz = k * k;
        v.px = 1e-20L * k;
        v.py = 2e-20L;
        v.pz = -1e-20L * k * k;
        v.ms = 1e-26L;
        v.rw = k + 3;
        v.rn = 1;
        records.push_back(v);
    }
    for (const char* e : expressions) {
        for (const expr::RecordVariables& v : records) {
            RecordingSink compiledSink, parsedSink;
            QueryRun run(compiledSink);
            ASSERT_TRUE(run.compile(e)) << e;
            expr::Value compiled;
            const bool ok = run.evaluate(v, compiled);

            expr::ParseContext ctx(parsedSink);
            expr::ResetLexer(ctx);
            expr::SetInput(ctx, e);
            ResultKind statement;
            expr::Value parsed;
            EXPECT_EQ(QueryParse(ctx, v, statement, parsed), 0) << e;
            EXPECT_EQ(ok, !ctx.ParseFailed) << e;
            EXPECT_EQ(statement, run.statement()) << e;
            // The first message of the parse is the one the compiled run shows.
            ASSERT_EQ(compiledSink.entries().empty(), parsedSink.entries().empty()) << e;
            if (!ok) {
                EXPECT_EQ(compiledSink.entries()[0].text, parsedSink.entries()[0].text) << e;
                continue;
            }
            if (statement == ResultKind::Integer) {
                EXPECT_EQ(expr::AsInt(compiled), expr::AsInt(parsed)) << e;
            } else if (statement == ResultKind::Real) {
                EXPECT_TRUE(compiled == parsed || (std::isnan(compiled) && std::isnan(parsed)))
                    << e;
            }
        }
    }
}

TEST(QueryGrammarTest, StatementModes) {
    StatAccumulators stats;
    AccumulateStatement(ResultKind::Integer, expr::IntValue(100000), stats);
    AccumulateStatement(ResultKind::Real, 0.5L, stats);
    AccumulateStatement(ResultKind::None, 7.0L, stats);
    EXPECT_EQ(stats.StatCount, 2);
    EXPECT_EQ(stats.StatSum, 100000.5L);
    EXPECT_EQ(stats.StatSumSq, 1e10L + 0.25L);  // 100000^2 does not fit in 32 bits

    long double stored = -1;
    EXPECT_FALSE(StoredStatementValue(ResultKind::None, 3.0L, stored));
    EXPECT_EQ(stored, -1);
    EXPECT_TRUE(StoredStatementValue(ResultKind::Integer, expr::IntValue(-4), stored));
    EXPECT_EQ(stored, -4);

    std::string line;
    AppendStatementField(ResultKind::Integer, expr::IntValue(0), line);
    AppendStatementField(ResultKind::Real, 1000.0L, line);
    AppendStatementField(ResultKind::None, 1.0L, line);
    EXPECT_EQ(line, "  0  1.00000E+0003 ");
}

}  // namespace
