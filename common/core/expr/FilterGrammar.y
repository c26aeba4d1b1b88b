/* The filter language: one logical expression over a particle record, e.g.
   "[KE/EP > 100.0] { KE > 100 eV }".

   Grouping: unary minus binds tightest, then "^" (left to right), then "*" "/", then "+" "-";
   "!" takes the logical term right after it; "&" and "|" are equal and group left to right.
   There is no integer-based power: an integer term is never the base of "^", so in
   'RX*2^3' the power applies to the real product (RX*2), and '2^3' is a syntax error. Both
   sides of a relation are real or both integer; function arguments are real. */

%require "3.8"
%define api.pure full
%define api.prefix {filter_}
%define api.token.prefix {TOK_}
%define api.value.type {halvern::expr::SemValue}
%define lr.default-reduction consistent
%define parse.error simple
%param {halvern::expr::ParseSession& session}
%expect 0

%code top {
#define YYMAXDEPTH 1024
#define YYINITDEPTH YYMAXDEPTH
}

%code requires {
#include "ExprBuilder.h"
}

%code provides {
namespace halvern::expr {
// 0 when the input was accepted, 1 when the parse was abandoned.
int FilterGrammarParse(ParseSession& session);
}
}

%code {
namespace {
using namespace halvern::expr;
int filter_lex(FILTER_STYPE* lval, ParseSession& session) { return NextToken(session, lval); }
void filter_error(ParseSession& session, const char* message) { SyntaxError(session, message); }
}
}

%token REAL 258
%token INT 259
%token FUNC 260
%token PI 261
%token EP 262
%token LINEEND 263
%token BADNUMBER 264

%left '|' '&'
%precedence '!'
%left '+' '-'
%left '*' '/'
%left '^'
%precedence UMINUS

%%

input
    : %empty
    | input LINEEND       { YYACCEPT; }
    | lexpr LINEEND       { SetResult(session, ResultKind::Logical, $1); }
    | error LINEEND       { yyerrok; }
    ;

lexpr
    : '[' rexpr rel rexpr ']'   { $$ = Compare(session, $3, true, $2, $4); }
    | '[' iexpr rel iexpr ']'   { $$ = Compare(session, $3, false, $2, $4); }
    | '!' lexpr                 { $$ = Unary(session, Op::Not, $2); }
    | lexpr '&' lexpr           { $$ = Binary(session, Op::And, $1, $3); }
    | lexpr '|' lexpr           { $$ = Binary(session, Op::Or, $1, $3); }
    | '[' lexpr ']'             { $$ = $2; }
    ;

rel
    : '>'       { $$ = RelationValue(Relation::Gt); }
    | '<'       { $$ = RelationValue(Relation::Lt); }
    | '<' '='   { $$ = RelationValue(Relation::Le); }
    | '>' '='   { $$ = RelationValue(Relation::Ge); }
    | '='       { $$ = RelationValue(Relation::Eq); }
    | '<' '>'   { $$ = RelationValue(Relation::Ne); }
    ;

rexpr
    : rexpr '+' rexpr           { $$ = Binary(session, Op::AddRR, $1, $3); }
    | iexpr '+' rexpr           { $$ = Binary(session, Op::AddIR, $1, $3); }
    | rexpr '+' iexpr           { $$ = Binary(session, Op::AddRI, $1, $3); }
    | rexpr '-' rexpr           { $$ = Binary(session, Op::SubRR, $1, $3); }
    | iexpr '-' rexpr           { $$ = Binary(session, Op::SubIR, $1, $3); }
    | rexpr '-' iexpr           { $$ = Binary(session, Op::SubRI, $1, $3); }
    | rexpr '*' rexpr           { $$ = Binary(session, Op::MulRR, $1, $3); }
    | iexpr '*' rexpr           { $$ = Binary(session, Op::MulIR, $1, $3); }
    | rexpr '*' iexpr           { $$ = Binary(session, Op::MulRI, $1, $3); }
    | rexpr '/' rexpr           { $$ = Binary(session, Op::DivRR, $1, $3); }
    | iexpr '/' rexpr           { $$ = Binary(session, Op::DivIR, $1, $3); }
    | rexpr '/' iexpr           { $$ = Binary(session, Op::DivRI, $1, $3); }
    | rexpr '^' iexpr           { $$ = Binary(session, Op::PowRI, $1, $3); }
    | rexpr '^' rexpr           { $$ = Binary(session, Op::PowRR, $1, $3); }
    | iexpr '/' iexpr           { $$ = Binary(session, Op::DivII, $1, $3); }
    | '(' rexpr ')'             { $$ = $2; }
    | FUNC '(' rexpr ')'        { $$ = Function(session, $1, $3); }
    | '-' rexpr %prec UMINUS    { $$ = Unary(session, Op::NegReal, $2); }
    | REAL                      { $$ = Leaf(session, $1); }
    | PI                        { $$ = Leaf(session, $1); }
    | EP                        { $$ = Leaf(session, $1); }
    ;

iexpr
    : iexpr '+' iexpr           { $$ = Binary(session, Op::AddII, $1, $3); }
    | iexpr '-' iexpr           { $$ = Binary(session, Op::SubII, $1, $3); }
    | iexpr '*' iexpr           { $$ = Binary(session, Op::MulII, $1, $3); }
    | '(' iexpr ')'             { $$ = $2; }
    | '-' iexpr %prec UMINUS    { $$ = Unary(session, Op::NegInt, $2); }
    | INT                       { $$ = Leaf(session, $1); }
    ;

%%

namespace halvern::expr {

int FilterGrammarParse(ParseSession& session) {
    // bison's 2 (stack exhausted) is an abandoned parse like any other.
    return filter_parse(session) == 0 ? 0 : 1;
}

}  // namespace halvern::expr
