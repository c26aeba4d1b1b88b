// The scanner shared by the expression grammars, written by hand.
//
// It takes the longest text a rule matches, the earlier rule on a tie, and reads exactly the
// characters a table-driven scanner of the same rules reads: past the end of a match it reads
// while some rule could still go on, then gives the surplus back, so `yycolno` stands where the
// grammars' error reports expect it. The rules, in priority order: "{" opens a comment that ends
// at the next "}" (line ends included; an unclosed comment swallows the rest of the input);
// digits give an integer literal, digits[.digits][E[+-]digits] a real literal (a literal that
// does not convert gives kTokBadNumber); the keywords of Token.h (greedy, no separators needed);
// a blank is dropped; the line end gives kTokLineEnd; any other character is its own token.
#pragma once

#include "ParseContext.h"
#include "Token.h"

namespace halvern::expr {

inline constexpr size_t kMaxTokenText = 255;

struct ScannerDialect {
    bool lowerCaseExponent = false;  // the value grammar also takes "e" as exponent marker
};

// The next token of the input, with what it stands for in `value`.
int ScanToken(ParseContext& ctx, TokenValue& value, ScannerDialect dialect = {});

}  // namespace halvern::expr
