// The operations of the expression languages on their three kinds of value, with the semantic
// checks and messages. Both grammars and both ways of evaluating (at parse time, or from a
// compiled program) use these, so the values and messages are the same everywhere.
//
// Reals are 80-bit extended; integer + - * wrap in 32 bits; a mixed operation widens the integer;
// integer / integer is a real division. An operation that fails its check gives NaN and names the
// error; the evaluation goes on.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "Token.h"

namespace halvern::expr {

// Every value is held as an extended real: integers (32-bit) and logic values (0 or 1) exactly.
// The operation codes say which kind each operand is.
using Value = long double;

inline int32_t AsInt(Value v) {
    return static_cast<int32_t>(v);
}
inline bool AsLogic(Value v) {
    return v != 0;
}

enum class SemanticError : uint8_t {
    None,
    DivideByZero,
    NegativePower,
    NegativeLogarithm,
    TangentUndefined,
    NegativeSquareRoot,
    ExpTooLarge,
};

// "divide by zero." and the others, as the error report shows them.
const char* SemanticErrorText(SemanticError e);

// Operation codes. R = real, I = integer operand, in operand order (SubIR: integer - real).
// clang-format off
enum class Op : uint8_t {
    // One operand.
    NegReal, NegInt, Not,
    Exp, ExpChecked, Ln, Log, Sin, Cos, Tan, Atan, Sqrt, Abs,
    // Two operands.
    AddRR, AddIR, AddRI, AddII,
    SubRR, SubIR, SubRI, SubII,
    MulRR, MulIR, MulRI, MulII,
    DivRR, DivIR, DivRI, DivII,
    PowRI, PowRR, PowIR,
    EqR, NeR, LtR, LeR, GtR, GeR,
    EqI, NeI, LtI, LeI, GtI, GeI,
    And, Or,
};
// clang-format on

enum class Relation : uint8_t { Eq, Ne, Lt, Le, Gt, Ge };

Op RelationOp(Relation rel, bool real);
// EXP with checkedExp refuses arguments of magnitude 75 or more ("exp() argument too large.").
Op FunctionOp(Function f, bool checkedExp);

// x ^ n: 0 for x = 0, 1 for n = 0, exp(n ln x) for x > 0, the product of n factors for x < 0
// (beyond 65535 factors the same value from pow(|x|, n) and the sign of an odd n), an error for
// x < 0 and n < 0.
long double PowerRealInt(long double x, int32_t n, SemanticError& error);
// x ^ y: 0 for x = 0, 1 for y = 0, exp(y ln x) for x > 0, an error for x < 0.
long double PowerRealReal(long double x, long double y, SemanticError& error);
long double ApplyFunction(Op op, long double x, SemanticError& error);

inline long double Divide(long double a, long double b, SemanticError& error) {
    if (b == 0) {
        error = SemanticError::DivideByZero;
        return std::numeric_limits<long double>::quiet_NaN();
    }
    return a / b;
}

inline int32_t Wrap(uint32_t x) {
    return static_cast<int32_t>(x);
}
inline uint32_t U(int32_t x) {
    return static_cast<uint32_t>(x);
}

inline Value IntValue(int32_t x) {
    return static_cast<Value>(x);
}
// By a table: records select at random, a branch on the outcome would mispredict.
inline constexpr Value kLogicValues[2] = {0, 1};
inline Value LogicValue(bool x) {
    return kLogicValues[x];
}

// One operation on its operands (b unused by one-operand operations). A single dispatch serves
// all operations: the compiled evaluation runs one per instruction.
[[gnu::always_inline]] inline Value Apply(Op op, Value a, Value b, SemanticError& error) {
    switch (op) {
        case Op::NegReal:
            return -a;
        case Op::NegInt:
            return IntValue(Wrap(0u - U(AsInt(a))));
        case Op::Not:
            return LogicValue(!AsLogic(a));
        case Op::Exp:
        case Op::ExpChecked:
        case Op::Ln:
        case Op::Log:
        case Op::Sin:
        case Op::Cos:
        case Op::Tan:
        case Op::Atan:
        case Op::Sqrt:
        case Op::Abs:
            return ApplyFunction(op, a, error);
        case Op::AddRR:
        case Op::AddIR:
        case Op::AddRI:
            return a + b;
        case Op::AddII:
            return IntValue(Wrap(U(AsInt(a)) + U(AsInt(b))));
        case Op::SubRR:
        case Op::SubIR:
        case Op::SubRI:
            return a - b;
        case Op::SubII:
            return IntValue(Wrap(U(AsInt(a)) - U(AsInt(b))));
        case Op::MulRR:
        case Op::MulIR:
        case Op::MulRI:
            return a * b;
        case Op::MulII:
            return IntValue(Wrap(U(AsInt(a)) * U(AsInt(b))));
        case Op::DivRR:
        case Op::DivIR:
        case Op::DivRI:
        case Op::DivII:
            return Divide(a, b, error);
        case Op::PowRI:
            return PowerRealInt(a, AsInt(b), error);
        case Op::PowRR:
        case Op::PowIR:
            return PowerRealReal(a, b, error);
        case Op::EqR:
        case Op::EqI:
            return LogicValue(a == b);
        case Op::NeR:
        case Op::NeI:
            return LogicValue(a != b);
        case Op::LtR:
        case Op::LtI:
            return LogicValue(a < b);
        case Op::LeR:
        case Op::LeI:
            return LogicValue(a <= b);
        case Op::GtR:
        case Op::GtI:
            return LogicValue(a > b);
        case Op::GeR:
        case Op::GeI:
            return LogicValue(a >= b);
        // Both operands are evaluated already; no branch on their values either.
        case Op::And: {
            const bool left = AsLogic(a), right = AsLogic(b);
            return LogicValue(left && right);
        }
        case Op::Or: {
            const bool left = AsLogic(a), right = AsLogic(b);
            return LogicValue(left || right);
        }
    }
    return a;
}

// Whether the operation can report a semantic error (its instruction keeps the error column).
bool CanFail(Op op);

}  // namespace halvern::expr
