// The filter language: the compiled expression against a parse per record. Both must give the
// same verdict, value and error reports; any difference aborts.
#include <cstdlib>

#include "ExprFuzzSupport.h"
#include "Filter.h"
#include "FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    using namespace halvern::expr;
    const fuzz::ExprInput input = fuzz::SplitExprInput(fuzz::AsText(data, size));

    RecordingSink compileSink;
    ParseContext compileCtx(compileSink);
    Program program;
    const CompileResult compiled = CompileFilter(compileCtx, input.expression, program);

    for (const TOslRecord& record : input.records) {
        const RecordVariables vars = VariablesFromRecord(record);
        RecordingSink parseSink;
        ParseContext parseCtx(parseSink);
        const FilterVerdict parsed = ParseFilterForRecord(parseCtx, input.expression, vars);
        if (!compiled.ok()) {
            if (parsed.selected || !parsed.semanticError ||
                !fuzz::SameSyntaxError(compileSink, parseSink))
                std::abort();
            continue;
        }
        std::vector<SemanticFault> faults;
        const Evaluation e = Evaluate(program, vars, &faults);
        const FilterVerdict verdict = EvaluateFilter(program, vars);
        if (verdict.selected != parsed.selected || verdict.semanticError != parsed.semanticError ||
            fuzz::FaultReports(program, faults) != fuzz::ParseErrors(parseSink))
            std::abort();
        // The analysis program reads a record's floats in place: as if widened first.
        size_t directFaults = 0;
        const Value direct =
            RunProgram(program, record, [&](const SemanticFault&) { ++directFaults; });
        if (!fuzz::SameValue(direct, e.value) || directFaults != faults.size()) std::abort();
    }
    return 0;
}
