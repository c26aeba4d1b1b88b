// The value language: the compiled statement against a parse per record, in both units; the
// same statement, value and error reports, then the value through each statement mode.
#include <cstdlib>

#include "ExprFuzzSupport.h"
#include "FuzzFiles.h"
#include "query/QueryLanguage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    using namespace halvern::expr;
    const fuzz::ExprInput input = fuzz::SplitExprInput(fuzz::AsText(data, size));

    RecordingSink compileSink;
    ParseContext compileCtx(compileSink);
    Program program;
    const CompileResult compiled = CompileQuery(compileCtx, input.expression, program);

    StatAccumulators stats;
    std::string line;
    for (const TOslRecord& record : input.records) {
        for (QueryUnits units : {QueryUnits::SI, QueryUnits::NonSI}) {
            const RecordVariables vars = QueryVariables(record, units);
            RecordingSink parseSink;
            ParseContext parseCtx(parseSink);
            ResetLexer(parseCtx);
            SetInput(parseCtx, input.expression);
            ResultKind statement = ResultKind::None;
            Value parsedValue = 0;
            QueryParse(parseCtx, vars, statement, parsedValue);
            if (!compiled.ok()) {
                if (!parseCtx.ParseFailed || !fuzz::SameSyntaxError(compileSink, parseSink))
                    std::abort();
                continue;
            }
            std::vector<SemanticFault> faults;
            const Evaluation e = Evaluate(program, vars, &faults);
            if (fuzz::FaultReports(program, faults) != fuzz::ParseErrors(parseSink)) std::abort();
            if (faults.empty() &&
                (statement != program.result || !fuzz::SameValue(e.value, parsedValue)))
                std::abort();
            if (!faults.empty()) continue;
            AccumulateStatement(program.result, e.value, stats);
            long double stored = 0;
            StoredStatementValue(program.result, e.value, stored);
            AppendStatementField(program.result, e.value, line);
        }
    }
    return 0;
}
