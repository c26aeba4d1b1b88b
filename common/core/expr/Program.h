// The compiled form of an expression: postfix instructions over a value stack, made once by a
// grammar's actions and evaluated per record. The instructions run in the order the actions of
// a parse would run, so values and semantic messages (with their columns) are those of a parse
// per record.
#pragma once

#include <string>
#include <vector>

#include "Operations.h"
#include "RecordVariables.h"

namespace halvern::expr {

// A postfix program never holds more values at once than the input line has tokens.
inline constexpr int kMaxStackDepth = 256;

struct Instr {
    Op op;
    // PushReal: constant index; PushInt: the value; Load*: the Variable; an operation that can
    // fail: `yycolno` when its action ran.
    int32_t arg;
};

enum class ResultKind : uint8_t { None, Logical, Real, Integer };

struct Program {
    std::vector<Instr> code;
    std::vector<long double> constants;
    std::string line;  // the scanned line, for reports
    ResultKind result = ResultKind::None;
    int maxDepth = 0;
};

struct SemanticFault {
    SemanticError error = SemanticError::None;
    int colno = 0;
};

struct Evaluation {
    Value value = 0;  // the program's result (see Program::result)
    int faults = 0;   // semantic errors in this evaluation
    SemanticFault first;
};

// Evaluates on one record; `all`, when given, receives every semantic error in order.
Evaluation Evaluate(const Program& program, const RecordVariables& vars,
                    std::vector<SemanticFault>* all = nullptr);

// The error report a parse would have shown for the fault.
std::string FaultReport(const Program& program, const SemanticFault& fault);

}  // namespace halvern::expr
