// Tokens and token values of the scanner shared by both expression grammars.
//
// Single characters that no keyword or literal rule takes come out as their own character code
// (1..255); end of input is 0. The named tokens below have fixed numbers so that every grammar
// declares them with the same number (`%token REAL 258` ...) and takes the scanner's codes as
// they are.
#pragma once

#include <cstdint>

namespace halvern::expr {

enum Token : int {
    kTokEnd = 0,
    kTokReal = 258,       // real literal or real variable
    kTokInt = 259,        // integer literal, RW or RN
    kTokFunc = 260,       // EXP LN LOG SIN COS TAN ATAN SQRT ABS
    kTokPi = 261,         // PI
    kTokEp = 262,         // EP
    kTokLineEnd = 263,    // the line end closing the input
    kTokBadNumber = 264,  // a literal that does not convert; no grammar rule takes it
};

// The record variables and the variables derived from them.
// clang-format off
enum class Variable : uint8_t {
    RX, RY, RZ, PX, PY, PZ, TI, MS,  // stored reals
    VX, VY, VZ, LX, LY, LZ, KE,      // derived reals
    ALT, PHI, ALTD, PHID,
    RW, RN,                          // stored integers
};
// clang-format on

enum class Function : uint8_t { Exp, Ln, Log, Sin, Cos, Tan, Atan, Sqrt, Abs };

// What a token stands for: a literal value, a variable or a function.
struct TokenValue {
    enum class Kind : uint8_t { None, RealLiteral, IntLiteral, Variable, Function };
    Kind kind = Kind::None;
    Variable variable = Variable::RX;
    Function function = Function::Exp;
    int32_t integer = 0;
    long double real = 0;
};

}  // namespace halvern::expr
