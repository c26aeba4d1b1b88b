// The compiled filter against a parse per record: the same selection, the same expression value
// and the same semantic messages (texts, columns, order) on many expressions and records; and a
// record's fields read in place against the widened variables.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "ExprTestSupport.h"

using namespace halvern;
using namespace halvern::expr;
using namespace halvern::expr::test;

namespace {

const char* const kExpressions[] = {
    "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}",
    "[RW <> RN*2 - 1] | [RN >= 3]",
    "[RX*1E10 - RY*1E10 < RZ*1E10]",
    "[ALTD > 45.0] & [PHID < 180.0] | [ALT < 0.0] | ![PHI >= 3.0]",
    "[SQRT(VX*VX+VY*VY+VZ*VZ) > 1000.0] & [SQRT(LX*LX+LY*LY+LZ*LZ) > 1E-33]",
    "[TI*1E15 >= 0.5] & [MS/1.66056E-27 < 20.0]",
    "[LN(RZ*1E10) > 0.0] | [LOG(KE/EP) < 1.5]",
    "[1.0/RX > 0.0] | [1.0/RY > 0.0]",
    "[RW/RN > 0.5] & [RZ/(RW - 2) > 0.0]",
    "[(RX*1E10)^2 + (RY*1E10)^2.0 < 4.0]",
    "[(RZ*1E10)^(RW - 3) > 1.0] | [(RX*1E10)^(RY*1E10) > 0.5]",
    "[-RX*1E10^2 > 0.0] & [RX*1E10*2^3 > 1.0]",
    "[RX*1E10+RW*RW^2.0 > 10.0]",
    "[TAN(RX*1E10) > 0.0] & [SIN(RY*1E10) < COS(RZ*1E10)]",
    "[ATAN(RZ*1E10) > 0.5] | [ABS(RX*1E10) > 1.0] | [EXP(RZ*1E10) > 2.0]",
    "[SQRT(RX*1E10) > 0.5] & [SQRT(RY*1E10) > 0.5]",
    "[LN(RX*1E10) > LN(RY*1E10)] | [LOG(RZ*1E10) > 0.0]",
    "[[KE > 1.0E-18] & ![PZ < 0.0]] | [RW*RW - RN*RN = 0]",
    "[2147483647 + RW > 0] & [RW*65536*65536 = 0] & [-RN < 0]",
    "[PI*RX > EP*RY] | [VX < VY] & [VY < VZ] | [LX = 0.0]",
    "[KE/EP > 20.0] & [1.0/(RZ*1E10 - 1.0) > 0.0]",
    "[(RX*1E10)^(-2) > 1.0]",
    "[1.0/RX <> 1.0/RX] & [LN(1.0/RX) < 1.0] | [SQRT(1.0/RX) > 1.0]",
    "[RW/0 > 0.0] | [LN(0.0) > 0.0] | [SQRT(-1.0) > 0.0]",
    "",
    "{ a comment only }"};

// Records with zeros, signs and extremes mixed in: MS = 0 makes the derived variables non-finite.
std::vector<TOslRecord> TestRecords() {
    std::mt19937 gen(20240611);
    std::uniform_real_distribution<float> pos(-3e-10f, 3e-10f);
    std::uniform_real_distribution<float> mom(-2e-21f, 2e-21f);
    std::vector<TOslRecord> out;
    for (int i = 0; i < 60; ++i) {
        TOslRecord r;
        r.rx = i % 11 == 0 ? 0 : pos(gen);
        r.ry = i % 13 == 0 ? 0 : pos(gen);
        r.rz = i % 9 == 0 ? 0 : pos(gen);
        r.px = i % 8 == 0 ? 0 : mom(gen);
        r.py = i % 8 == 0 ? 0 : mom(gen);
        r.pz = mom(gen);
        r.ti = static_cast<float>((i % 7) * 1e-15);
        r.ms = i % 17 == 0 ? 0 : 1.66053e-27f * static_cast<float>(1 + i % 40);
        r.rw = i % 19 == 0 ? 2 : i % 5;
        r.rn = 1 + i % 4;
        out.push_back(r);
    }
    return out;
}

bool SameValue(Value a, Value b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

TEST(FilterOracle, CompiledEqualsParsePerRecord) {
    const std::vector<TOslRecord> records = TestRecords();
    int selected = 0, faulty = 0;
    for (const char* expression : kExpressions) {
        RecordingSink compileSink;
        ParseContext compileCtx(compileSink);
        Program program;
        ASSERT_TRUE(CompileFilter(compileCtx, expression, program).ok()) << expression;
        ASSERT_TRUE(compileSink.entries().empty());

        for (size_t i = 0; i < records.size(); ++i) {
            SCOPED_TRACE(std::string(expression) + " record " + std::to_string(i));
            const RecordVariables vars = VariablesFromRecord(records[i]);
            RecordingSink sink;
            ParseContext ctx(sink);
            bool filterResult = false;
            ASSERT_EQ(ParseOnce(ctx, expression, vars, filterResult), 0);

            std::vector<SemanticFault> faults;
            const Evaluation e = Evaluate(program, vars, &faults);
            std::vector<std::string> reports;
            for (const SemanticFault& f : faults) reports.push_back(FaultReport(program, f));
            const FilterVerdict v = EvaluateFilter(program, vars);
            EXPECT_EQ(v.selected, !ctx.ParseFailed && filterResult);
            EXPECT_EQ(v.semanticError, ctx.ParseFailed);
            EXPECT_EQ(reports, ParseErrors(sink));
            if (program.result == ResultKind::Logical) {
                EXPECT_EQ(AsLogic(e.value), filterResult);
            }
            selected += v.selected;
            faulty += v.semanticError;

            // The analysis program reads the record's floats in place: as if widened first.
            int faultsDirect = 0;
            const Value direct =
                RunProgram(program, records[i], [&](const SemanticFault&) { ++faultsDirect; });
            EXPECT_TRUE(SameValue(direct, e.value));
            EXPECT_EQ(static_cast<size_t>(faultsDirect), faults.size());
        }
    }
    // The sample exercises both outcomes and the error path.
    EXPECT_GT(selected, 100);
    EXPECT_GT(faulty, 100);
}

}  // namespace
