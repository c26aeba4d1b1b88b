#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ExprTestSupport.h"
#include "Operations.h"

using namespace halvern;
using namespace halvern::expr;
using namespace halvern::expr::test;

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// Every factor counts, also beyond 16 bits; past 65535 factors the value comes by sign and
// magnitude, and an overflowing product keeps the sign of its count.
TEST(Operations, PowerOfIntegerExponent) {
    struct Case {
        long double x;
        int32_t n;
        long double expected;
    };
    const long double inf = std::numeric_limits<long double>::infinity();
    // clang-format off
    const Case cases[] = {
        {0, 0, 0},          {0, -3, 0},          {-5, 0, 1},             {-2, 1, -2},
        {-2, 3, -8},        {-2, 4, 16},         {-1, 65535, -1},        {-1, 65536, 1},
        {-1, 65537, -1},    {-2, 65536, inf},    {-2, 65537, -inf},      {-0.5L, 2147483647, -0.0L},
        {-1, 2147483647, -1}, {-3, 20000, inf},  {-3, 20001, -inf}};
    // clang-format on
    for (const Case& c : cases) {
        SemanticError e = SemanticError::None;
        const long double v = PowerRealInt(c.x, c.n, e);
        EXPECT_EQ(v, c.expected) << static_cast<double>(c.x) << "^" << c.n;
        EXPECT_EQ(std::signbit(v), std::signbit(c.expected))
            << static_cast<double>(c.x) << "^" << c.n;
        EXPECT_EQ(e, SemanticError::None);
    }
    SemanticError e = SemanticError::None;
    EXPECT_TRUE(std::isnan(PowerRealInt(-2, -1, e)));
    EXPECT_EQ(e, SemanticError::NegativePower);
    // A positive base goes by exp and ln: close, not exact.
    e = SemanticError::None;
    EXPECT_NEAR(static_cast<double>(PowerRealInt(1.5L, 3, e)), 3.375, 1e-15);
}

TEST(Operations, PowerOfRealExponent) {
    SemanticError e = SemanticError::None;
    EXPECT_EQ(PowerRealReal(0, -1.5L, e), 0);
    EXPECT_EQ(PowerRealReal(-3, 0, e), 1);
    EXPECT_NEAR(static_cast<double>(PowerRealReal(2, 0.5L, e)), std::sqrt(2.0), 1e-15);
    EXPECT_EQ(e, SemanticError::None);
    // A negative base fails even with a whole exponent.
    EXPECT_TRUE(std::isnan(PowerRealReal(-2, 2, e)));
    EXPECT_EQ(e, SemanticError::NegativePower);
}

// The value grammar's checked EXP, and the bounds of the domain checks.
TEST(Operations, FunctionChecks) {
    struct Case {
        Op op;
        long double x;
        SemanticError error;
    };
    const Case cases[] = {{Op::ExpChecked, 75, SemanticError::ExpTooLarge},
                          {Op::ExpChecked, -75, SemanticError::ExpTooLarge},
                          {Op::ExpChecked, 74.9L, SemanticError::None},
                          {Op::Exp, 80, SemanticError::None},
                          {Op::Ln, 0, SemanticError::NegativeLogarithm},
                          {Op::Sqrt, 0, SemanticError::None},
                          {Op::Tan, kPi / 2, SemanticError::None}};  // cosine small, not zero
    for (const Case& c : cases) {
        SemanticError e = SemanticError::None;
        const long double v = ApplyFunction(c.op, c.x, e);
        EXPECT_EQ(e, c.error) << static_cast<int>(c.op) << " " << static_cast<double>(c.x);
        EXPECT_EQ(std::isnan(v), c.error != SemanticError::None);
    }
    EXPECT_STREQ(SemanticErrorText(SemanticError::ExpTooLarge), "exp() argument too large.");
}

TEST(RecordVariables, DerivedVariables) {
    const RecordVariables v = Vars(1, 2, 3, 4, 5, 6, 7, 2, 9, 10);
    const long double alt = std::atan(6 / std::sqrt(4.0L * 4 + 5 * 5));
    const long double phi = std::atan(5.0L / 4.0L);
    const std::pair<Variable, long double> cases[] = {{Variable::VX, 2},
                                                      {Variable::VY, 2.5L},
                                                      {Variable::VZ, 3},
                                                      {Variable::LX, 2 * 6 - 3 * 5},
                                                      {Variable::LY, 3 * 4 - 6},
                                                      {Variable::LZ, 5 - 2 * 4},
                                                      {Variable::KE, (16 + 25 + 36) / 4.0L},
                                                      {Variable::ALT, alt},
                                                      {Variable::ALTD, alt * 57.29577951L},
                                                      {Variable::PHI, phi},
                                                      {Variable::PHID, phi * 57.29577951L},
                                                      {Variable::TI, 7},
                                                      {Variable::RW, 9},
                                                      {Variable::RN, 10}};
    for (const auto& [var, expected] : cases)
        EXPECT_EQ(VariableValue(var, v), expected) << static_cast<int>(var);
}

TEST(RecordVariables, AltitudeAlongTheNormal) {
    EXPECT_EQ(VariableValue(Variable::ALT, Particle(0, 0, 1e-22L)), kPi / 2);
    EXPECT_EQ(VariableValue(Variable::ALT, Particle(0, 0, -1e-22L)), -kPi / 2);
    EXPECT_EQ(VariableValue(Variable::ALT, Particle(0, 0, 0)), 0);
    EXPECT_NEAR(static_cast<double>(VariableValue(Variable::ALTD, Particle(0, 0, 1))), 90.0, 1e-7);
}

// The engine loads its doubles widened exactly (the analysis program's floats: see the oracle).
TEST(RecordVariables, LoadedFromTheEnginesDoubles) {
    const RecordVariables d = VariablesFromDoubles(1e-10, 2, 3, 4, 5, 6, 7e-15, 8, 0, 65535);
    EXPECT_EQ(d.rx, static_cast<long double>(1e-10));
    EXPECT_EQ(d.ti, static_cast<long double>(7e-15));
    EXPECT_EQ(d.ms, 8);
    EXPECT_EQ(d.rn, 65535);
}

}  // namespace
