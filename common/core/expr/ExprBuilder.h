// What the grammars' actions call: one set of actions serves both ways of running a grammar.
// Compiling, each action appends its instruction to a Program; interpreting (one parse per
// record), each action computes its value at once and reports a semantic error through the
// parse-error dialog at the current column.
//
// A grammar plugs in like FilterGrammar.y: the yacc.c skeleton with `%define api.pure full`,
// its own `api.prefix`, `%define api.value.type {halvern::expr::SemValue}`,
// `%param {halvern::expr::ParseSession& session}`, `%define lr.default-reduction consistent`,
// `%define parse.error simple`, YYMAXDEPTH 1024 and `%expect 0`; the named tokens with the
// numbers of Token.h (`%token REAL 258` ...); yylex returning NextToken(session, lval) and yyerror
// calling SyntaxError(session, message); actions built from Leaf, Unary, Binary, Function,
// Compare and SetResult; CompileExpression with the grammar's driver makes its Program. The
// value grammar adds I "^" R with Op::PowIR, the checked EXP (Function(..., true)) and its
// statements on SetResult's value.
#pragma once

#include <limits>

#include "ParseContext.h"
#include "Program.h"
#include "Scanner.h"

namespace halvern::expr {

// The semantic value of every token and non-terminal. Trivially copyable: the parser's stacks
// are copied as bytes.
struct SemValue {
    TokenValue token;  // REAL, INT, FUNC, PI, EP: what the scanner found
    Relation relation = Relation::Eq;
    uint16_t slot = 0;  // compiling: where the value will be
    // Interpreting: the value of the reduced rule; a failed operation leaves NaN, never garbage.
    Value value = std::numeric_limits<long double>::quiet_NaN();
};

struct ParseSession {
    ParseContext& lex;
    Program* program = nullptr;             // compiling into this program
    const RecordVariables* vars = nullptr;  // otherwise evaluating now, on these values
    ScannerDialect dialect;
    // The whole expression's kind and (interpreting) value, once reduced.
    ResultKind resultKind = ResultKind::None;
    Value result = 0;
};

int NextToken(ParseSession& s, SemValue* lval);
// The parser's error report: "syntax error", or "yyparse stack overflow" when its stack is full.
void SyntaxError(ParseSession& s, const char* message);

// REAL, INT, PI or EP.
SemValue Leaf(ParseSession& s, const SemValue& token);
SemValue Unary(ParseSession& s, Op op, const SemValue& a);
SemValue Binary(ParseSession& s, Op op, const SemValue& a, const SemValue& b);
SemValue Function(ParseSession& s, const SemValue& func, const SemValue& arg,
                  bool checkedExp = false);
SemValue Compare(ParseSession& s, const SemValue& rel, bool real, const SemValue& a,
                 const SemValue& b);
SemValue RelationValue(Relation rel);
void SetResult(ParseSession& s, ResultKind kind, const SemValue& v);

// A grammar's parser driver: 0 when the input was accepted, 1 when the parse was abandoned.
using GrammarParse = int (*)(ParseSession&);

// Parses the expression once into `program` (ResetLexer, the upper-cased input, one parse);
// errors are shown through the context's sink.
CompileResult CompileExpression(ParseContext& ctx, std::string_view expression, Program& program,
                                GrammarParse parse, ScannerDialect dialect = {});

}  // namespace halvern::expr
