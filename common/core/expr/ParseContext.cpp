#include "ParseContext.h"

#include <algorithm>

#include "ShortString.h"

namespace halvern::expr {

namespace {

// Lines this long or longer are shown without a caret line.
constexpr size_t kCaretLineLimit = 110;

}  // namespace

void ResetLexer(ParseContext& ctx) {
    ctx.yylineno = 0;
    ctx.ParseFailed = false;
    ctx.pushBack.clear();
    ctx.start = StartState::Initial;
    ctx.loaded = false;
    ctx.inputEnded = false;
    ctx.beforeLast = {};
    ctx.last = {};
    ctx.firstErrorColumn = 0;
}

std::string UpCaseStr(std::string_view source) {
    std::string out(source);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

void SetInput(ParseContext& ctx, std::string_view expression) {
    ctx.yyinput = CutTo(UpCaseStr(expression), kMaxInputLength);
}

char GetChar(ParseContext& ctx) {
    if (ctx.pushBack.empty() && !ctx.loaded) {
        ctx.yyline = ctx.yyinput;
        ++ctx.yylineno;
        ctx.yycolno = 1;
        ctx.pushBack.assign(1, '\n');
        ctx.pushBack.append(ctx.yyline.rbegin(), ctx.yyline.rend());
        ctx.loaded = true;
    }
    if (ctx.pushBack.empty()) return '\0';
    char c = ctx.pushBack.back();
    ctx.pushBack.pop_back();
    ++ctx.yycolno;
    return c;
}

void UngetChar(ParseContext& ctx, char c) {
    if (ctx.inputEnded) return;  // the overflow is reported once; nothing more is read
    if (ctx.pushBack.size() >= kPushBackLimit) {
        yyfatal(ctx, "input buffer overflow");
        return;
    }
    ctx.pushBack.push_back(c);
    --ctx.yycolno;
}

std::string ErrorReportText(std::string_view message, std::string_view line, int colno) {
    // The caret stands under the error column, character colno - 1.
    std::string caretLine;
    if (line.size() < kCaretLineLimit) {
        caretLine = "\r";
        caretLine.append(static_cast<size_t>(std::max(colno - 2, 0)), ' ');
        caretLine += '^';
    }
    std::string text = "Error type: ";
    text += message;
    text += '\r';
    text += line;
    text += caretLine;
    text += "\r(near char. #";
    text += std::to_string(colno - 1);
    text += ").";
    return text;
}

void ReportError(ParseContext& ctx, std::string_view message) {
    if (ctx.firstErrorColumn == 0) ctx.firstErrorColumn = ctx.yycolno;
    ctx.sink->parseError(kParseErrorTitle, ErrorReportText(message, ctx.yyline, ctx.yycolno));
    ctx.ParseFailed = true;
}

void yyfatal(ParseContext& ctx, std::string_view message) {
    ReportError(ctx, message);
    ctx.inputEnded = true;
}

}  // namespace halvern::expr
