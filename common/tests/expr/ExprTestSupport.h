// Shared set-up of the expression-language tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Filter.h"
#include "MessageSink.h"

namespace halvern::expr::test {

inline RecordVariables Vars(long double rx, long double ry, long double rz, long double px,
                            long double py, long double pz, long double ti, long double ms,
                            int32_t rw = 0, int32_t rn = 1) {
    return {rx, ry, rz, px, py, pz, ti, ms, rw, rn};
}

// A record at rest at the origin with mass 1, and one with only RX (and RW) set.
inline RecordVariables AtRx(long double rx, int32_t rw = 0) {
    return Vars(rx, 0, 0, 0, 0, 0, 0, 1, rw);
}

// A particle of 10 amu at (1, 2, 3) Angstrom moving with the given momentum.
inline RecordVariables Particle(long double px, long double py, long double pz) {
    return Vars(1e-10L, 2e-10L, 3e-10L, px, py, pz, 1e-15L, 1.66053e-26L);
}

// The text of the parse-error dialog: the message, the upper-cased line and the caret.
inline std::string ErrorReport(const std::string& message, const std::string& expression,
                               int column) {
    return "Error type: " + message + "\r" + UpCaseStr(expression) + "\r" +
           std::string(static_cast<size_t>(column - 1), ' ') + "^\r(near char. #" +
           std::to_string(column) + ").";
}

// The parse-error dialogs a sink received, in order.
inline std::vector<std::string> ParseErrors(const RecordingSink& sink) {
    std::vector<std::string> out;
    for (const auto& e : sink.entries())
        if (e.kind == RecordingSink::Kind::ParseError) out.push_back(e.text);
    return out;
}

// The filter parser evaluating one record from a fresh start of the lexer; its return value.
inline int ParseOnce(ParseContext& ctx, const std::string& expression, const RecordVariables& vars,
                     bool& filterResult) {
    ResetLexer(ctx);
    SetInput(ctx, expression);
    return FilterParse(ctx, vars, filterResult);
}

}  // namespace halvern::expr::test
