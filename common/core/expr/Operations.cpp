#include "Operations.h"

namespace halvern::expr {

namespace {

constexpr long double kLog10OfE = 0.4342944819L;  // the languages' own rounding
constexpr int32_t kMaxFactors = 65535;  // beyond this x^n comes from pow instead of a product
constexpr long double kExpLimit = 75;

long double Failed(SemanticError& error, SemanticError e) {
    error = e;
    return std::numeric_limits<long double>::quiet_NaN();
}

// The product of n factors x (x < 0, n >= 1). Once it is 0 or infinite only the sign changes.
long double RepeatedProduct(long double x, int32_t n) {
    long double p = x;
    for (int32_t k = 1; k < n; ++k) {
        if (p == 0 || std::isinf(p)) return (n - k) % 2 == 0 ? p : -p;
        p *= x;
    }
    return p;
}

}  // namespace

const char* SemanticErrorText(SemanticError e) {
    switch (e) {
        case SemanticError::None:
            return "";
        case SemanticError::DivideByZero:
            return "divide by zero.";
        case SemanticError::NegativePower:
            return "non-integral power of negative number";
        case SemanticError::NegativeLogarithm:
            return "negative logarithm.";
        case SemanticError::TangentUndefined:
            return "tangent undefined (cosine = zero).";
        case SemanticError::NegativeSquareRoot:
            return "negative square root.";
        case SemanticError::ExpTooLarge:
            return "exp() argument too large.";
    }
    return "";
}

Op RelationOp(Relation rel, bool real) {
    static constexpr Op kReal[] = {Op::EqR, Op::NeR, Op::LtR, Op::LeR, Op::GtR, Op::GeR};
    static constexpr Op kInt[] = {Op::EqI, Op::NeI, Op::LtI, Op::LeI, Op::GtI, Op::GeI};
    return (real ? kReal : kInt)[static_cast<int>(rel)];
}

Op FunctionOp(Function f, bool checkedExp) {
    switch (f) {
        case Function::Exp:
            return checkedExp ? Op::ExpChecked : Op::Exp;
        case Function::Ln:
            return Op::Ln;
        case Function::Log:
            return Op::Log;
        case Function::Sin:
            return Op::Sin;
        case Function::Cos:
            return Op::Cos;
        case Function::Tan:
            return Op::Tan;
        case Function::Atan:
            return Op::Atan;
        case Function::Sqrt:
            return Op::Sqrt;
        case Function::Abs:
            return Op::Abs;
    }
    return Op::Abs;
}

long double PowerRealInt(long double x, int32_t n, SemanticError& error) {
    if (x == 0) return 0;
    if (n == 0) return 1;
    if (x < 0) {
        if (n < 0) return Failed(error, SemanticError::NegativePower);
        if (n <= kMaxFactors) return RepeatedProduct(x, n);
        const long double magnitude = std::pow(-x, static_cast<long double>(n));
        return n % 2 == 0 ? magnitude : -magnitude;
    }
    return std::exp(static_cast<long double>(n) * std::log(x));
}

long double PowerRealReal(long double x, long double y, SemanticError& error) {
    if (x == 0) return 0;
    if (y == 0) return 1;
    if (x < 0) return Failed(error, SemanticError::NegativePower);
    return std::exp(y * std::log(x));
}

long double ApplyFunction(Op op, long double x, SemanticError& error) {
    switch (op) {
        case Op::Exp:
            return std::exp(x);
        case Op::ExpChecked:
            if (std::fabs(x) >= kExpLimit) return Failed(error, SemanticError::ExpTooLarge);
            return std::exp(x);
        case Op::Ln:
            if (x <= 0) return Failed(error, SemanticError::NegativeLogarithm);
            return std::log(x);
        case Op::Log:
            if (x <= 0) return Failed(error, SemanticError::NegativeLogarithm);
            return std::log(x) * kLog10OfE;
        case Op::Sin:
            return std::sin(x);
        case Op::Cos:
            return std::cos(x);
        case Op::Tan: {
            const long double c = std::cos(x);
            if (c == 0) return Failed(error, SemanticError::TangentUndefined);
            return std::sin(x) / c;
        }
        case Op::Atan:
            return std::atan(x);
        case Op::Sqrt:
            if (x < 0) return Failed(error, SemanticError::NegativeSquareRoot);
            return std::sqrt(x);
        case Op::Abs:
            return std::fabs(x);
        default:
            return x;
    }
}

bool CanFail(Op op) {
    switch (op) {
        case Op::ExpChecked:
        case Op::Ln:
        case Op::Log:
        case Op::Tan:
        case Op::Sqrt:
        case Op::DivRR:
        case Op::DivIR:
        case Op::DivRI:
        case Op::DivII:
        case Op::PowRI:
        case Op::PowRR:
        case Op::PowIR:
            return true;
        default:
            return false;
    }
}

}  // namespace halvern::expr
