// The compiled filter against a parse per record: the same selection, the same expression value
// and the same semantic messages (texts, columns, order) on many expressions and records.
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
    "[KE/EP > 100.0] { KE > 100 eV }",
    "[RW = 0]",
    "[RW <> RN*2 - 1] | [RN >= 3]",
    "[RX*1E10 - RY*1E10 < RZ*1E10]",
    "[ALTD > 45.0] & [PHID < 180.0]",
    "[ALT < 0.0] | ![PHI >= 3.0]",
    "[SQRT(VX*VX+VY*VY+VZ*VZ) > 1000.0]",
    "[SQRT(PX*PX+PY*PY+PZ*PZ) > 1E-22]",
    "[SQRT(LX*LX+LY*LY+LZ*LZ) > 1E-33]",
    "[TI*1E15 >= 0.5] & [MS/1.66056E-27 < 20.0]",
    "[LN(RZ*1E10) > 0.0]",
    "[LOG(KE/EP) < 1.5]",
    "[1.0/RX > 0.0] | [1.0/RY > 0.0]",
    "[RW/RN > 0.5]",
    "[RZ/(RW - 2) > 0.0]",
    "[(RX*1E10)^2 + (RY*1E10)^2.0 < 4.0]",
    "[(RZ*1E10)^(RW - 3) > 1.0]",
    "[(RX*1E10)^(RY*1E10) > 0.5]",
    "[-RX*1E10^2 > 0.0]",
    "[RX*1E10*2^3 > 1.0]",
    "[RX*1E10+RW*RW^2.0 > 10.0]",
    "[TAN(RX*1E10) > 0.0] & [SIN(RY*1E10) < COS(RZ*1E10)]",
    "[ATAN(RZ*1E10) > 0.5] | [ABS(RX*1E10) > 1.0]",
    "[EXP(RZ*1E10) > 2.0]",
    "[SQRT(RX*1E10) > 0.5] & [SQRT(RY*1E10) > 0.5]",
    "[LN(RX*1E10) > LN(RY*1E10)] | [LOG(RZ*1E10) > 0.0]",
    "[[KE > 1.0E-18] & ![PZ < 0.0]] | [RW*RW - RN*RN = 0]",
    "[2147483647 + RW > 0]",
    "[RW*65536*65536 = 0] & [-RN < 0]",
    "[PI*RX > EP*RY]",
    "[VX < VY] & [VY < VZ] | [LX = 0.0]",
    "[KE/EP > 20.0] & [1.0/(RZ*1E10 - 1.0) > 0.0]",
    "[(RX*1E10)^(-2) > 1.0]",
    "[1.0/0.0 > 0.0]",
    "[RW/0 > 0.0] | [LN(0.0) > 0.0] | [SQRT(-1.0) > 0.0]",
    "",
    "{ a comment only }",
};

// Records with zeros, signs and extremes mixed in: MS = 0 makes the derived variables non-finite.
std::vector<RecordVariables> TestRecords() {
    std::mt19937 gen(20240611);
    std::uniform_real_distribution<double> pos(-3e-10, 3e-10);
    std::uniform_real_distribution<double> mom(-2e-21, 2e-21);
    std::vector<RecordVariables> out;
    for (int i = 0; i < 60; ++i) {
        RecordVariables v = Vars(pos(gen), pos(gen), pos(gen), mom(gen), mom(gen), mom(gen),
                                 (i % 7) * 1e-15, 1.66053e-27L * (1 + i % 40), i % 5, 1 + i % 4);
        if (i % 11 == 0) v.rx = 0;
        if (i % 13 == 0) v.ry = 0;
        if (i % 9 == 0) v.rz = 0;
        if (i % 8 == 0) v.px = v.py = 0;
        if (i % 17 == 0) v.ms = 0;
        if (i % 19 == 0) v.rw = 2;
        out.push_back(v);
    }
    return out;
}

TEST(FilterOracle, CompiledEqualsParsePerRecord) {
    const std::vector<RecordVariables> records = TestRecords();
    int selected = 0, faulty = 0;
    for (const char* expression : kExpressions) {
        RecordingSink compileSink;
        ParseContext compileCtx(compileSink);
        Program program;
        ASSERT_TRUE(CompileFilter(compileCtx, expression, program).ok()) << expression;
        ASSERT_TRUE(compileSink.entries().empty());

        for (size_t i = 0; i < records.size(); ++i) {
            RecordingSink sink;
            ParseContext ctx(sink);
            bool filterResult = false;
            ResetLexer(ctx);
            SetInput(ctx, expression);
            ASSERT_EQ(FilterParse(ctx, records[i], filterResult), 0);
            const bool parsedSelected = !ctx.ParseFailed && filterResult;

            std::vector<SemanticFault> faults;
            const Evaluation e = Evaluate(program, records[i], &faults);
            std::vector<std::string> reports;
            for (const SemanticFault& f : faults) reports.push_back(FaultReport(program, f));
            const FilterVerdict v = EvaluateFilter(program, records[i]);

            EXPECT_EQ(v.selected, parsedSelected) << expression << " record " << i;
            EXPECT_EQ(v.semanticError, ctx.ParseFailed) << expression << " record " << i;
            EXPECT_EQ(reports, ParseErrors(sink)) << expression << " record " << i;
            if (program.result == ResultKind::Logical) {
                EXPECT_EQ(AsLogic(e.value), filterResult) << expression << " record " << i;
            }
            selected += v.selected;
            faulty += v.semanticError;
        }
    }
    // The sample exercises both outcomes and the error path.
    EXPECT_GT(selected, 100);
    EXPECT_GT(faulty, 100);
}

}  // namespace

namespace {

// A record's floats read directly give what the widened RecordVariables give.
TEST(FilterOracle, RecordFieldsEqualWidenedVariables) {
    const std::vector<RecordVariables> records = TestRecords();
    for (const char* expression : kExpressions) {
        RecordingSink sink;
        ParseContext ctx(sink);
        Program program;
        ASSERT_TRUE(CompileFilter(ctx, expression, program).ok());
        for (const RecordVariables& v : records) {
            TOslRecord r;
            r.rx = static_cast<float>(v.rx);
            r.ry = static_cast<float>(v.ry);
            r.rz = static_cast<float>(v.rz);
            r.px = static_cast<float>(v.px);
            r.py = static_cast<float>(v.py);
            r.pz = static_cast<float>(v.pz);
            r.ti = static_cast<float>(v.ti);
            r.ms = static_cast<float>(v.ms);
            r.rw = v.rw;
            r.rn = v.rn;
            int faultsDirect = 0, faultsWidened = 0;
            const Value direct =
                RunProgram(program, r, [&](const SemanticFault&) { ++faultsDirect; });
            const Value widened = RunProgram(program, VariablesFromRecord(r),
                                             [&](const SemanticFault&) { ++faultsWidened; });
            EXPECT_TRUE(direct == widened || (std::isnan(direct) && std::isnan(widened)))
                << expression;
            EXPECT_EQ(faultsDirect, faultsWidened) << expression;
        }
    }
}

}  // namespace
