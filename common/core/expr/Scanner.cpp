#include "Scanner.h"

#include <string>

#include "NumberText.h"

namespace halvern::expr {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kElectronVolt = 1.60219E-19L;  // "EP": joules per electronvolt

struct Keyword {
    std::string_view text;
    int token;
    TokenValue value;
};

TokenValue Var(Variable v) {
    return {TokenValue::Kind::Variable, v, Function::Exp, 0, 0};
}
TokenValue Func(Function f) {
    return {TokenValue::Kind::Function, Variable::RX, f, 0, 0};
}
TokenValue Constant(long double x) {
    return {TokenValue::Kind::RealLiteral, Variable::RX, Function::Exp, 0, x};
}

// In rule order; RW and RN are integer variables, the others real.
const Keyword kKeywords[] = {
    {"ALT", kTokReal, Var(Variable::ALT)},    {"PHI", kTokReal, Var(Variable::PHI)},
    {"ALTD", kTokReal, Var(Variable::ALTD)},  {"PHID", kTokReal, Var(Variable::PHID)},
    {"VX", kTokReal, Var(Variable::VX)},      {"VY", kTokReal, Var(Variable::VY)},
    {"VZ", kTokReal, Var(Variable::VZ)},      {"RX", kTokReal, Var(Variable::RX)},
    {"RY", kTokReal, Var(Variable::RY)},      {"RZ", kTokReal, Var(Variable::RZ)},
    {"PX", kTokReal, Var(Variable::PX)},      {"PY", kTokReal, Var(Variable::PY)},
    {"PZ", kTokReal, Var(Variable::PZ)},      {"LX", kTokReal, Var(Variable::LX)},
    {"LY", kTokReal, Var(Variable::LY)},      {"LZ", kTokReal, Var(Variable::LZ)},
    {"EXP", kTokFunc, Func(Function::Exp)},   {"EP", kTokEp, Constant(kElectronVolt)},
    {"MS", kTokReal, Var(Variable::MS)},      {"TI", kTokReal, Var(Variable::TI)},
    {"KE", kTokReal, Var(Variable::KE)},      {"LN", kTokFunc, Func(Function::Ln)},
    {"LOG", kTokFunc, Func(Function::Log)},   {"SIN", kTokFunc, Func(Function::Sin)},
    {"COS", kTokFunc, Func(Function::Cos)},   {"TAN", kTokFunc, Func(Function::Tan)},
    {"ATAN", kTokFunc, Func(Function::Atan)}, {"SQRT", kTokFunc, Func(Function::Sqrt)},
    {"ABS", kTokFunc, Func(Function::Abs)},   {"RW", kTokInt, Var(Variable::RW)},
    {"RN", kTokInt, Var(Variable::RN)},       {"PI", kTokPi, Constant(kPi)},
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Some keyword starts with `text` (longer is true: and goes on after it).
bool KeywordStartsWith(std::string_view text, bool longer) {
    for (const Keyword& k : kKeywords)
        if (k.text.starts_with(text) && (!longer || k.text.size() > text.size())) return true;
    return false;
}

const Keyword* FindKeyword(std::string_view text) {
    for (const Keyword& k : kKeywords)
        if (k.text == text) return &k;
    return nullptr;
}

// The text of the token being matched (yytext).
class TokenText {
  public:
    explicit TokenText(ParseContext& ctx) : ctx_(ctx) {}

    // Reads one more character; false after the "yytext overflow" fatal error.
    bool next(char& c) {
        if (text_.size() == kMaxTokenText) {
            yyfatal(ctx_, "yytext overflow");
            return false;
        }
        c = GetChar(ctx_);
        text_.push_back(c);
        return true;
    }
    // Keeps the first n characters and gives the rest back, last first.
    void keep(size_t n) {
        while (text_.size() > n) {
            UngetChar(ctx_, text_.back());
            text_.pop_back();
        }
    }
    const std::string& str() const { return text_; }
    size_t size() const { return text_.size(); }

  private:
    ParseContext& ctx_;
    std::string text_;
};

enum class NumberState { Digits, Point, Fraction, ExpMark, ExpSign, ExpDigits, Dead };

NumberState NextNumberState(NumberState s, char c, ScannerDialect dialect) {
    const bool digit = IsDigit(c);
    const bool expMark = c == 'E' || (dialect.lowerCaseExponent && c == 'e');
    switch (s) {
        case NumberState::Digits:
            if (digit) return NumberState::Digits;
            if (c == '.') return NumberState::Point;
            return expMark ? NumberState::ExpMark : NumberState::Dead;
        case NumberState::Point:
            return digit ? NumberState::Fraction : NumberState::Dead;
        case NumberState::Fraction:
            if (digit) return NumberState::Fraction;
            return expMark ? NumberState::ExpMark : NumberState::Dead;
        case NumberState::ExpMark:
            if (digit) return NumberState::ExpDigits;
            return c == '+' || c == '-' ? NumberState::ExpSign : NumberState::Dead;
        case NumberState::ExpSign:
        case NumberState::ExpDigits:
            return digit ? NumberState::ExpDigits : NumberState::Dead;
        case NumberState::Dead:
            break;
    }
    return NumberState::Dead;
}

// An integer or real literal; its first digit has been read.
int ScanNumber(TokenText& t, TokenValue& value, ScannerDialect dialect) {
    size_t accepted = 1;
    bool real = false;
    NumberState s = NumberState::Digits;
    for (;;) {
        char c;
        if (!t.next(c)) return kTokEnd;
        NumberState n = NextNumberState(s, c, dialect);
        if (n == NumberState::Dead) break;
        s = n;
        if (s == NumberState::Digits || s == NumberState::Fraction || s == NumberState::ExpDigits) {
            accepted = t.size();
            real = s != NumberState::Digits;
        }
    }
    t.keep(accepted);
    value = {};
    if (real) {
        value.kind = TokenValue::Kind::RealLiteral;
        return ParseReal(t.str(), value.real) ? kTokReal : kTokBadNumber;
    }
    value.kind = TokenValue::Kind::IntLiteral;
    return ParseInt32Token(t.str(), value.integer) ? kTokInt : kTokBadNumber;
}

// A keyword, or the single character that starts none; the first character has been read.
int ScanWord(TokenText& t, TokenValue& value) {
    const Keyword* match = nullptr;
    size_t accepted = 1;
    for (;;) {
        if (const Keyword* k = FindKeyword(t.str())) {
            match = k;
            accepted = t.size();
        }
        if (!KeywordStartsWith(t.str(), true)) break;
        char c;
        if (!t.next(c)) return kTokEnd;
        if (!KeywordStartsWith(t.str(), false)) break;
    }
    t.keep(accepted);
    if (!match) return static_cast<unsigned char>(t.str()[0]);
    value = match->value;
    return match->token;
}

// Inside a comment: false when the input ended (or the comment overflowed the token text).
bool SkipComment(TokenText& t, ParseContext& ctx) {
    for (;;) {
        char c;
        if (!t.next(c) || c == '\0') return false;
        if (c == '}') {
            ctx.start = StartState::Initial;
            return true;
        }
    }
}

}  // namespace

int ScanToken(ParseContext& ctx, TokenValue& value, ScannerDialect dialect) {
    value = {};
    for (;;) {
        if (ctx.inputEnded) return kTokEnd;
        TokenText t(ctx);
        if (ctx.start == StartState::Comment) {
            if (SkipComment(t, ctx)) continue;
            ctx.start = StartState::Initial;
            return kTokEnd;
        }
        char c;
        t.next(c);
        if (c == '\0') return kTokEnd;
        if (c == '{') {
            ctx.start = StartState::Comment;
            continue;
        }
        if (c == ' ') continue;
        if (c == '\n') return kTokLineEnd;
        if (IsDigit(c)) return ScanNumber(t, value, dialect);
        return ScanWord(t, value);
    }
}

}  // namespace halvern::expr
