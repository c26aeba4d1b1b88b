// Shared parts of the two expression-language targets: the input is an expression (its first
// line) and up to eight 40-byte records (the rest).
#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "MessageSink.h"
#include "OslRecord.h"
#include "Program.h"

namespace halvern::fuzz {

struct ExprInput {
    std::string expression;
    std::vector<TOslRecord> records;
};

inline ExprInput SplitExprInput(std::string_view input) {
    ExprInput out;
    const size_t newline = input.find('\n');
    out.expression = std::string(input.substr(0, newline));
    const std::string_view rest =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
    for (size_t at = 0; at + kOslRecordSize <= rest.size() && out.records.size() < 8;
         at += kOslRecordSize)
        out.records.push_back(
            DecodeOslRecord(reinterpret_cast<const unsigned char*>(rest.data() + at)));
    if (out.records.empty())
        out.records.push_back(
            TOslRecord{1e-10f, 2e-10f, 3e-10f, 1e-21f, -2e-21f, 3e-21f, 1e-15f, 6.6e-26f, 2, 1});
    return out;
}

inline std::vector<std::string> ParseErrors(const RecordingSink& sink) {
    std::vector<std::string> out;
    for (const auto& e : sink.entries())
        if (e.kind == RecordingSink::Kind::ParseError) out.push_back(e.text);
    return out;
}

inline bool SameValue(expr::Value a, expr::Value b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// A syntax error: the parse per record fails on the same report as the compilation (after the
// semantic errors it met on the way, which a compiled run never reaches).
inline bool SameSyntaxError(const RecordingSink& compiled, const RecordingSink& parsed) {
    const std::vector<std::string> a = ParseErrors(compiled);
    const std::vector<std::string> b = ParseErrors(parsed);
    return !a.empty() && !b.empty() && a.back() == b.back();
}

// The reports of the compiled program's semantic faults, as a parse would show them.
inline std::vector<std::string> FaultReports(const expr::Program& program,
                                             const std::vector<expr::SemanticFault>& faults) {
    std::vector<std::string> reports;
    for (const expr::SemanticFault& f : faults) reports.push_back(FaultReport(program, f));
    return reports;
}

}  // namespace halvern::fuzz
