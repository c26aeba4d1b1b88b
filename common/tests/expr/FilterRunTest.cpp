#include <gtest/gtest.h>

#include "ExprTestSupport.h"

using namespace halvern;
using namespace halvern::expr;
using namespace halvern::expr::test;

namespace {

TEST(FilterRun, SyntaxErrorShownOnceAndNothingSelected) {
    RecordingSink sink;
    FilterRun run(sink);
    EXPECT_FALSE(run.compile("[KE/EP > 20]"));
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(run.evaluate(Particle(1, 1, 1)).selected);
    EXPECT_EQ(sink.count(RecordingSink::Kind::ParseError), 1);
    EXPECT_EQ(run.semanticErrorRecords(), 0);
}

TEST(FilterRun, SemanticErrorShownOnceAndCountedPerRecord) {
    RecordingSink sink;
    FilterRun run(sink);
    ASSERT_TRUE(run.compile("[LN(RZ) > 0.0] & [1.0/RX > 0.0]"));
    const RecordVariables bad = Vars(0, 0, 0, 0, 0, 0, 0, 1);   // both fail
    const RecordVariables half = Vars(0, 0, 3, 0, 0, 0, 0, 1);  // only the division fails
    const RecordVariables good = Vars(1, 0, 3, 0, 0, 0, 0, 1);
    EXPECT_EQ(run.evaluate(bad).semanticError, true);
    EXPECT_TRUE(run.evaluate(good).selected);
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

// Both operands of "&" and "|" are evaluated, whatever the left one gives.
TEST(FilterRun, NoShortCircuit) {
    struct Case {
        const char* expression;
        RecordVariables vars;
    };
    const Case cases[] = {
        {"[KE > 1.0] & [LN(RZ) > 0.0]", Vars(0, 0, -1, 0, 0, 0, 0, 1)},
        {"[RX > 0.0] | [1.0/RY > 0.0]", Vars(1, 0, 0, 0, 0, 0, 0, 1)},
        {"![RX > 0.0] & [SQRT(RY) > 0.0]", Vars(1, -1, 0, 0, 0, 0, 0, 1)},
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        FilterRun run(sink);
        ASSERT_TRUE(run.compile(c.expression));
        const FilterVerdict v = run.evaluate(c.vars);
        EXPECT_FALSE(v.selected) << c.expression;
        EXPECT_TRUE(v.semanticError) << c.expression;
        EXPECT_EQ(run.semanticErrorRecords(), 1) << c.expression;
    }
}

TEST(FilterRun, DefaultEngineExpression) {
    RecordingSink sink;
    FilterRun run(sink);
    ASSERT_TRUE(run.compile(
        "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}"));
    const long double p21 = std::sqrt(2 * 21 * 1.60219e-19L * 1.66053e-26L);  // 21 eV, 10 amu
    const long double p19 = std::sqrt(2 * 19 * 1.60219e-19L * 1.66053e-26L);
    RecordVariables v = Particle(0, 0, p21);
    EXPECT_TRUE(run.evaluate(v).selected);
    v.rz = 0.4e-10L;
    EXPECT_FALSE(run.evaluate(v).selected);
    EXPECT_FALSE(run.evaluate(Particle(0, 0, -p21)).selected);
    EXPECT_FALSE(run.evaluate(Particle(0, 0, p19)).selected);
    EXPECT_TRUE(sink.entries().empty());
}

}  // namespace
