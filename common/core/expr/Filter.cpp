#include "Filter.h"

#include "FilterGrammar.h"

namespace halvern::expr {

CompileResult CompileFilter(ParseContext& ctx, std::string_view expression, Program& program) {
    return CompileExpression(ctx, expression, program, FilterGrammarParse);
}

namespace {

FilterVerdict Verdict(const Program& program, Value value, bool semanticError) {
    const bool holds = program.result == ResultKind::Logical && AsLogic(value);
    return {holds && !semanticError, semanticError};
}

}  // namespace

FilterVerdict EvaluateFilter(const Program& program, const RecordVariables& vars,
                             Evaluation* detail) {
    const Evaluation e = Evaluate(program, vars);
    if (detail) *detail = e;
    return Verdict(program, e.value, e.faults > 0);
}

int FilterParse(ParseContext& ctx, const RecordVariables& vars, bool& filterResult) {
    ctx.grammar = FilterGrammarParse;
    ParseSession session{ctx, nullptr, &vars, {}};
    const int r = FilterGrammarParse(session);
    if (session.resultKind == ResultKind::Logical) filterResult = AsLogic(session.result);
    return r;
}

FilterVerdict ParseFilterForRecord(ParseContext& ctx, std::string_view expression,
                                   const RecordVariables& vars) {
    bool filterResult = false;
    ResetLexer(ctx);
    SetInput(ctx, expression);
    const int r = FilterParse(ctx, vars, filterResult);
    return {r == 0 && !ctx.ParseFailed && filterResult, ctx.ParseFailed};
}

bool FilterRun::compile(std::string_view expression) {
    compiled_ = CompileFilter(ctx_, expression, program_);
    errorShown_ = false;
    errorRecords_ = 0;
    return compiled_.ok();
}

FilterVerdict FilterRun::evaluate(const RecordVariables& vars) {
    return evaluateFields(vars);
}

FilterVerdict FilterRun::evaluate(const TOslRecord& record) {
    return evaluateFields(record);
}

template <class Fields>
FilterVerdict FilterRun::evaluateFields(const Fields& vars) {
    if (!compiled_.ok()) return {};
    bool faulted = false;
    const Value value = RunProgram(program_, vars, [&](const SemanticFault& fault) {
        if (faulted) return;
        faulted = true;
        ++errorRecords_;
        if (!errorShown_) {
            errorShown_ = true;
            ctx_.sink->parseError(kParseErrorTitle, FaultReport(program_, fault));
        }
    });
    return Verdict(program_, value, faulted);
}

}  // namespace halvern::expr
