// The value expressions of the record processes: one real or integer statement per record,
// whose value is written, accumulated or stored according to the process's statement mode.
//
// Use by a process: QueryRun::compile once (a syntax error is shown once and the process does
// not start), then QueryRun::evaluate per record. QueryParse, the parse per record, stays as
// the reference that the compiled form must agree with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "OslRecord.h"
#include "ParseContext.h"
#include "Program.h"
#include "RecordVariables.h"

namespace halvern {

// The units of the variables: averages and format columns may read Angstrom, kg Angstrom/fs and
// fs; the mass stays in kg.
enum class QueryUnits : int16_t { SI = 0, NonSI = 1 };

expr::RecordVariables QueryVariables(const TOslRecord& record, QueryUnits units = QueryUnits::SI);

// Parses the expression once into `program`; errors are shown through the context's sink.
expr::CompileResult CompileQuery(expr::ParseContext& ctx, std::string_view expression,
                                 expr::Program& program);

// The value grammar evaluating while it parses, over the `yyinput` the caller stored: 0 when the
// input was accepted, 1 when it was abandoned. `statement` and `value` receive the statement
// (None for an empty expression). Every error is shown at once.
int QueryParse(expr::ParseContext& ctx, const expr::RecordVariables& vars,
               expr::ResultKind& statement, expr::Value& value);

// The statistics accumulators of statement mode 1.
struct StatAccumulators {
    long double StatSum = 0;
    long double StatSumSq = 0;
    int64_t StatCount = 0;
};

// A statement in mode 1: adds the value and its square (an integer squared without overflow).
inline void AccumulateStatement(expr::ResultKind statement, expr::Value value,
                                StatAccumulators& stats) {
    if (statement == expr::ResultKind::Real) {
        ++stats.StatCount;
        stats.StatSum += value;
        stats.StatSumSq += value * value;
    } else if (statement == expr::ResultKind::Integer) {
        const int64_t n = expr::AsInt(value);
        ++stats.StatCount;
        stats.StatSum += n;
        stats.StatSumSq += static_cast<long double>(n * n);
    }
}

// A statement in mode 2: the value as a real; false for no statement.
inline bool StoredStatementValue(expr::ResultKind statement, expr::Value value,
                                 long double& stored) {
    if (statement == expr::ResultKind::Real) {
        stored = value;
        return true;
    }
    if (statement == expr::ResultKind::Integer) {
        stored = expr::AsInt(value);
        return true;
    }
    return false;
}
// A statement in mode 0: appends its field (real: 14 characters, integer: 3, each with a blank).
void AppendStatementField(expr::ResultKind statement, expr::Value value, std::string& line);

// One compiled expression of a process: the first semantic error is shown, later ones counted.
class QueryRun {
  public:
    explicit QueryRun(MessageSink& sink) : ctx_(sink) {}

    // False after showing the syntax error.
    bool compile(std::string_view expression);
    const expr::CompileResult& compileResult() const { return compiled_; }
    expr::ResultKind statement() const { return program_.result; }

    // False after a semantic error; `value` is the statement's value otherwise. `Fields` is a
    // TOslRecord (SI units, widened where read) or RecordVariables.
    template <class Fields>
    bool evaluate(const Fields& vars, expr::Value& value) {
        bool faulted = false;
        value = expr::RunProgram(program_, vars, [&](const expr::SemanticFault& fault) {
            if (!faulted) reportFault(fault);
            faulted = true;
        });
        return !faulted;
    }
    // A record read in the given units.
    bool evaluate(const TOslRecord& record, QueryUnits units, expr::Value& value) {
        if (units == QueryUnits::SI) return evaluate(record, value);
        return evaluate(QueryVariables(record, units), value);
    }
    int64_t semanticErrorRecords() const { return errorRecords_; }

  private:
    void reportFault(const expr::SemanticFault& fault);

    expr::ParseContext ctx_;
    expr::Program program_;
    expr::CompileResult compiled_;
    int64_t errorRecords_ = 0;
};

}  // namespace halvern
