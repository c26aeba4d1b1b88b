/* The value expressions of the record processes: one real or integer statement over a particle
   record, e.g. "sqrt(vx*vx+vy*vy+vz*vz) { particle speed, in m/s }".

   Grouping, as these precedences make the LALR(1) tables: unary minus binds tightest, then "^"
   (left to right), then "*" "/", then "+" "-". An integer may be the base of "^" when the
   exponent is real ('2^0.5'). Where an integer stands before "^" as the right operand of a real
   operation, the power is shifted first: 'RX*2^0.5' is RX*(2^0.5). Where the exponent of an
   integer base begins with an integer, the power's exponent takes in the whole integer-led
   operation that follows: '2^3*2.0' is 2^(3*2.0). An integer raised to an integer ('2^3') is a
   syntax error. There are no relations or logical operators. */

%require "3.8"
%define api.pure full
%define api.prefix {query_}
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
int QueryGrammarParse(ParseSession& session);
}
}

%code {
namespace {
using namespace halvern::expr;
int query_lex(QUERY_STYPE* lval, ParseSession& session) { return NextToken(session, lval); }
void query_error(ParseSession& session, const char* message) { SyntaxError(session, message); }
}
}

%token REAL 258
%token INT 259
%token FUNC 260
%token PI 261
%token EP 262
%token LINEEND 263
%token BADNUMBER 264

%left '+' '-'
%left '*' '/'
%left '^'
%precedence UMINUS

%%

input
    : %empty
    | input LINEEND             { YYACCEPT; }
    | input rexpr LINEEND       { SetResult(session, ResultKind::Real, $2); }
    | input iexpr LINEEND       { SetResult(session, ResultKind::Integer, $2); }
    | error LINEEND             { yyerrok; }
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
    | iexpr '^' rexpr           { $$ = Binary(session, Op::PowIR, $1, $3); }
    | rexpr '^' rexpr           { $$ = Binary(session, Op::PowRR, $1, $3); }
    | iexpr '/' iexpr           { $$ = Binary(session, Op::DivII, $1, $3); }
    | '(' rexpr ')'             { $$ = $2; }
    | FUNC '(' rexpr ')'        { $$ = Function(session, $1, $3, true); }
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
    | INT                       { $$ = Leaf(session, $1); }
    | '-' iexpr %prec UMINUS    { $$ = Unary(session, Op::NegInt, $2); }
    ;

%%

namespace halvern::expr {

int QueryGrammarParse(ParseSession& session) {
    // bison's 2 (stack exhausted) is an abandoned parse like any other.
    return query_parse(session) == 0 ? 0 : 1;
}

}  // namespace halvern::expr
