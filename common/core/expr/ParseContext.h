// Run-time state of the expression scanner and parsers, and their error report.
//
// One context per program serves every parse, one parse at a time. A caller stores the
// expression in `yyinput` (UpCaseStr, cut to 255 characters), calls ResetLexer and runs a
// parser; afterwards it tests the parser's result and `ParseFailed`. The input line is loaded
// lazily at the first character read, so `yyinput` may be stored before or after ResetLexer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "MessageSink.h"

namespace halvern::expr {

inline constexpr size_t kMaxInputLength = 255;  // `yyinput`, `yyline`
inline constexpr size_t kPushBackLimit = 2048;  // characters the scanner may hold back
inline constexpr char kParseErrorTitle[] = "Error parsing expression";

enum class StartState { Initial, Comment };

struct ParseSession;

// An integer literal the scanner handed over: its value and the column after it.
struct IntLiteralSeen {
    bool seen = false;
    int32_t value = 0;
    int end = 0;
};

struct ParseContext {
    explicit ParseContext(MessageSink& s) : sink(&s) {}

    MessageSink* sink;
    std::string yyinput;  // the upper-cased expression to scan
    std::string yyline;   // copy of `yyinput` taken when the line is loaded; shown in reports
    int yylineno = 0;     // lines loaded since ResetLexer (0 or 1)
    int yycolno = 1;      // 1 + characters taken from the line; a character given back counts -1
    bool ParseFailed = false;

    // Scanner state.
    std::string pushBack;  // characters still to be read, the next one last
    bool loaded = false;
    bool inputEnded = false;  // after a scanner fatal error every token is end of input
    StartState start = StartState::Initial;

    // What a syntax error needs to tell whether a real literal was meant: the grammar being
    // run, the last two tokens (when they were integer literals), the first error's column, and
    // whether this parse is the quiet trial of such a change.
    int (*grammar)(ParseSession&) = nullptr;
    IntLiteralSeen beforeLast;
    IntLiteralSeen last;
    int firstErrorColumn = 0;
    bool trial = false;
};

// Starts a parse: clears the failure flag and the scanner state.
void ResetLexer(ParseContext& ctx);

// Every letter a..z upper-cased.
std::string UpCaseStr(std::string_view source);

// Stores the expression as the scanner's input: upper-cased, cut to 255 characters.
void SetInput(ParseContext& ctx, std::string_view expression);

// Next character of the input; the line end (10) closes the line, 0 is the end of input.
char GetChar(ParseContext& ctx);
// Gives a character back; beyond 2048 held characters the input ends with a fatal error.
void UngetChar(ParseContext& ctx, char c);

// The report of a scanner or parser error: "Error type: ", the message, the line, a caret line
// under the error column (only for lines shorter than 110 characters) and "(near char. #n).".
std::string ErrorReportText(std::string_view message, std::string_view line, int colno);

// Shows the report for the current column in the parse-error dialog and sets `ParseFailed`.
// The parse goes on.
void ReportError(ParseContext& ctx, std::string_view message);
// A scanner error: reported like ReportError, then the input ends.
void yyfatal(ParseContext& ctx, std::string_view message);

}  // namespace halvern::expr
