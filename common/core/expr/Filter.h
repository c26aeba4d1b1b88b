// The filter language: whether a logical expression holds for one particle record.
//
// Use by a run or process: FilterRun::compile once (a syntax error is shown once and the run
// does not start), then FilterRun::evaluate per record. A record whose evaluation meets a
// semantic error ("divide by zero." ...) is not selected; the first such error of the run is
// shown, later ones are only counted (semanticErrorRecords).
#pragma once

#include <cstdint>
#include <string_view>

#include "ParseContext.h"
#include "Program.h"
#include "RecordVariables.h"

namespace halvern::expr {

struct FilterVerdict {
    bool selected = false;
    bool semanticError = false;
};

// Parses the expression once into `program`; errors are shown through the context's sink.
CompileResult CompileFilter(ParseContext& ctx, std::string_view expression, Program& program);

// The compiled expression on one record; no message is shown.
FilterVerdict EvaluateFilter(const Program& program, const RecordVariables& vars,
                             Evaluation* detail = nullptr);

// The filter parser evaluating while it parses, over the `yyinput` the caller stored: 0 when the
// input was accepted, 1 when the parse was abandoned. `filterResult` receives the value of a
// whole expression. Every error is shown at once.
int FilterParse(ParseContext& ctx, const RecordVariables& vars, bool& filterResult);

// One record by a parse of its own: the whole caller protocol around FilterParse.
// semanticError tells `ParseFailed`, which a syntax error sets as well.
FilterVerdict ParseFilterForRecord(ParseContext& ctx, std::string_view expression,
                                   const RecordVariables& vars);

class FilterRun {
  public:
    explicit FilterRun(MessageSink& sink) : ctx_(sink) {}

    // False after showing the syntax error; the run selects nothing then.
    bool compile(std::string_view expression);
    const CompileResult& compileResult() const { return compiled_; }
    const Program& program() const { return program_; }

    FilterVerdict evaluate(const RecordVariables& vars);
    // The same as evaluate(VariablesFromRecord(record)), widening each field where it is read.
    FilterVerdict evaluate(const TOslRecord& record);
    int64_t semanticErrorRecords() const { return errorRecords_; }

  private:
    template <class Fields>
    FilterVerdict evaluateFields(const Fields& vars);

    ParseContext ctx_;
    Program program_;
    CompileResult compiled_;
    bool errorShown_ = false;
    int64_t errorRecords_ = 0;
};

}  // namespace halvern::expr
