#include "ExprBuilder.h"

#include <algorithm>
#include <cstring>

namespace halvern::expr {

namespace {

void Emit(ParseSession& s, Op op, int32_t arg, int depthChange) {
    s.program->code.push_back({op, arg});
    s.depth = std::clamp(s.depth + depthChange, 0, kMaxStackDepth);
    s.program->maxDepth = std::max(s.program->maxDepth, s.depth);
}

SemValue WithValue(Value v) {
    SemValue out;
    out.value = v;
    return out;
}

bool IsIntVariable(Variable v) {
    return v == Variable::RW || v == Variable::RN;
}

}  // namespace

int NextToken(ParseSession& s, SemValue* lval) {
    *lval = SemValue{};
    return ScanToken(s.lex, lval->token, s.dialect);
}

void SyntaxError(ParseSession& s, const char* message) {
    // bison's name for a full stack.
    if (std::strcmp(message, "memory exhausted") == 0) message = "yyparse stack overflow";
    ReportError(s.lex, message);
}

SemValue Leaf(ParseSession& s, const SemValue& leaf) {
    const TokenValue& t = leaf.token;
    if (s.program) {
        switch (t.kind) {
            case TokenValue::Kind::RealLiteral:
                s.program->constants.push_back(t.real);
                Emit(s, Op::PushReal, static_cast<int32_t>(s.program->constants.size() - 1), 1);
                break;
            case TokenValue::Kind::IntLiteral:
                Emit(s, Op::PushInt, t.integer, 1);
                break;
            default:
                Emit(s, IsIntVariable(t.variable) ? Op::LoadInt : Op::LoadReal,
                     static_cast<int32_t>(t.variable), 1);
                break;
        }
        return {};
    }
    switch (t.kind) {
        case TokenValue::Kind::RealLiteral:
            return WithValue(t.real);
        case TokenValue::Kind::IntLiteral:
            return WithValue(IntValue(t.integer));
        default:
            return WithValue(IsIntVariable(t.variable)
                                 ? IntValue(IntVariableValue(t.variable, *s.vars))
                                 : RealVariableValue(t.variable, *s.vars));
    }
}

SemValue Unary(ParseSession& s, Op op, const SemValue& a) {
    if (s.program) {
        Emit(s, op, CanFail(op) ? s.lex.yycolno : 0, 0);
        return {};
    }
    SemanticError error = SemanticError::None;
    SemValue out = WithValue(ApplyUnary(op, a.value, error));
    if (error != SemanticError::None) ReportError(s.lex, SemanticErrorText(error));
    return out;
}

SemValue Binary(ParseSession& s, Op op, const SemValue& a, const SemValue& b) {
    if (s.program) {
        Emit(s, op, CanFail(op) ? s.lex.yycolno : 0, -1);
        return {};
    }
    SemanticError error = SemanticError::None;
    SemValue out = WithValue(ApplyBinary(op, a.value, b.value, error));
    if (error != SemanticError::None) ReportError(s.lex, SemanticErrorText(error));
    return out;
}

SemValue Function(ParseSession& s, const SemValue& func, const SemValue& arg, bool checkedExp) {
    return Unary(s, FunctionOp(func.token.function, checkedExp), arg);
}

SemValue Compare(ParseSession& s, const SemValue& rel, bool real, const SemValue& a,
                 const SemValue& b) {
    return Binary(s, RelationOp(rel.relation, real), a, b);
}

SemValue RelationValue(Relation rel) {
    SemValue out;
    out.relation = rel;
    return out;
}

void SetResult(ParseSession& s, ResultKind kind, const SemValue& v) {
    s.resultKind = kind;
    s.result = v.value;
}

}  // namespace halvern::expr
