#include "query/QueryLanguage.h"

#include "ExprBuilder.h"
#include "NumberText.h"
#include "QueryGrammar.h"

namespace halvern {

namespace {

constexpr expr::ScannerDialect kQueryDialect{.lowerCaseExponent = true};

}  // namespace

expr::RecordVariables QueryVariables(const TOslRecord& record, QueryUnits units) {
    expr::RecordVariables v = expr::VariablesFromRecord(record);
    if (units == QueryUnits::NonSI) {
        v.rx *= 1e10L;
        v.ry *= 1e10L;
        v.rz *= 1e10L;
        v.px *= 1e-5L;
        v.py *= 1e-5L;
        v.pz *= 1e-5L;
        v.ti *= 1e15L;
    }
    return v;
}

expr::CompileResult CompileQuery(expr::ParseContext& ctx, std::string_view expression,
                                 expr::Program& program) {
    return expr::CompileExpression(ctx, expression, program, expr::QueryGrammarParse,
                                   kQueryDialect);
}

int QueryParse(expr::ParseContext& ctx, const expr::RecordVariables& vars,
               expr::ResultKind& statement, expr::Value& value) {
    ctx.grammar = expr::QueryGrammarParse;
    expr::ParseSession session{ctx, nullptr, &vars, kQueryDialect};
    const int r = expr::QueryGrammarParse(session);
    statement = session.resultKind;
    value = session.result;
    return r;
}

void AppendStatementField(expr::ResultKind statement, expr::Value value, std::string& line) {
    if (statement == expr::ResultKind::Real) line += FormatScientific(value, 14) + ' ';
    if (statement == expr::ResultKind::Integer) line += FormatInt(expr::AsInt(value), 3) + ' ';
}

bool QueryRun::compile(std::string_view expression) {
    compiled_ = CompileQuery(ctx_, expression, program_);
    errorRecords_ = 0;
    return compiled_.ok();
}

void QueryRun::reportFault(const expr::SemanticFault& fault) {
    if (errorRecords_++ == 0)
        ctx_.sink->parseError(expr::kParseErrorTitle, expr::FaultReport(program_, fault));
}

}  // namespace halvern
