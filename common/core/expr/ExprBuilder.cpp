#include "ExprBuilder.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace halvern::expr {

namespace {

// A line cannot fill the slots; the clamps only keep the indices in range.
uint16_t NewSlot(Program& p) {
    const int slot = std::min(p.slotCount, kMaxSlots - 1 - static_cast<int>(p.constants.size()));
    p.slotCount = slot + 1;
    return static_cast<uint16_t>(slot);
}

uint16_t NewConstant(Program& p, Value value) {
    if (p.slotCount + static_cast<int>(p.constants.size()) >= kMaxSlots) return 0;
    p.constants.insert(p.constants.begin(), value);
    return static_cast<uint16_t>(kMaxSlots - p.constants.size());
}

uint16_t VariableSlotOf(Program& p, Variable v) {
    for (const VariableSlot& known : p.variables)
        if (known.variable == v) return known.slot;
    const uint16_t slot = NewSlot(p);
    p.variables.push_back({slot, v});
    return slot;
}

SemValue InSlot(uint16_t slot) {
    SemValue out;
    out.slot = slot;
    return out;
}

SemValue WithValue(Value v) {
    SemValue out;
    out.value = v;
    return out;
}

SemValue Emit(ParseSession& s, Op op, const SemValue& a, const SemValue& b) {
    Program& p = *s.program;
    const uint16_t dst = NewSlot(p);
    p.code.push_back({op, dst, a.slot, b.slot, CanFail(op) ? s.lex.yycolno : 0});
    return InSlot(dst);
}

SemValue Reported(ParseSession& s, Value v, SemanticError error) {
    if (error != SemanticError::None) ReportError(s.lex, SemanticErrorText(error));
    return WithValue(v);
}

}  // namespace

int NextToken(ParseSession& s, SemValue* lval) {
    *lval = SemValue{};
    const int token = ScanToken(s.lex, lval->token, s.dialect);
    const bool integer = lval->token.kind == TokenValue::Kind::IntLiteral;
    s.lex.beforeLast = s.lex.last;
    s.lex.last = {integer, integer ? lval->token.integer : 0, s.lex.yycolno};
    return token;
}

namespace {

// Whether the parse gets further with the integer literal before the error written as a real:
// the same grammar runs quietly on the line with ".0" after the literal.
bool ARealWasMeant(const ParseSession& s, const IntLiteralSeen& literal) {
    const ParseContext& ctx = s.lex;
    if (ctx.grammar == nullptr || ctx.trial || !literal.seen) return false;
    const size_t at = static_cast<size_t>(std::max(literal.end - 1, 0));
    if (at > ctx.yyline.size()) return false;
    std::string line = ctx.yyline;
    line.insert(at, ".0");
    RecordingSink quiet;
    ParseContext trial(quiet);
    trial.trial = true;
    trial.grammar = ctx.grammar;
    ResetLexer(trial);
    SetInput(trial, line);
    Program scratch;
    ParseSession session{trial, &scratch, nullptr, s.dialect};
    const int result = ctx.grammar(session);
    if (result == 0 && !trial.ParseFailed) return true;
    return trial.firstErrorColumn > ctx.yycolno + 2;
}

}  // namespace

void SyntaxError(ParseSession& s, const char* message) {
    // bison's name for a full stack.
    if (std::strcmp(message, "memory exhausted") == 0) {
        ReportError(s.lex, "yyparse stack overflow");
        return;
    }
    // The error comes with the token after the literal in hand.
    const IntLiteralSeen literal = s.lex.beforeLast;
    if (!ARealWasMeant(s, literal)) {
        ReportError(s.lex, message);
        return;
    }
    const std::string n = std::to_string(literal.value);
    ReportError(s.lex, std::string(message) + " - a real number is expected: write " + n + " as " +
                           n + ".0");
}

SemValue Leaf(ParseSession& s, const SemValue& leaf) {
    const TokenValue& t = leaf.token;
    const bool literal =
        t.kind == TokenValue::Kind::RealLiteral || t.kind == TokenValue::Kind::IntLiteral;
    const Value value = t.kind == TokenValue::Kind::RealLiteral ? t.real : IntValue(t.integer);
    if (!s.program) return WithValue(literal ? value : VariableValue(t.variable, *s.vars));
    if (!literal) return InSlot(VariableSlotOf(*s.program, t.variable));
    return InSlot(NewConstant(*s.program, value));
}

SemValue Unary(ParseSession& s, Op op, const SemValue& a) {
    if (s.program) return Emit(s, op, a, a);
    SemanticError error = SemanticError::None;
    const Value v = Apply(op, a.value, a.value, error);
    return Reported(s, v, error);
}

SemValue Binary(ParseSession& s, Op op, const SemValue& a, const SemValue& b) {
    if (s.program) return Emit(s, op, a, b);
    SemanticError error = SemanticError::None;
    const Value v = Apply(op, a.value, b.value, error);
    return Reported(s, v, error);
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
    if (s.program) s.program->resultSlot = v.slot;
}

CompileResult CompileExpression(ParseContext& ctx, std::string_view expression, Program& program,
                                GrammarParse parse, ScannerDialect dialect) {
    program = Program{};
    ResetLexer(ctx);
    SetInput(ctx, expression);
    ctx.grammar = parse;
    ParseSession session{ctx, &program, nullptr, dialect};
    CompileResult result;
    result.parseResult = parse(session);
    result.parseFailed = ctx.ParseFailed;
    program.line = ctx.yyline;
    program.result = session.resultKind;
    return result;
}

}  // namespace halvern::expr
