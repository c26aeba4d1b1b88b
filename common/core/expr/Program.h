// The compiled form of an expression, made once by a grammar's actions and evaluated per record.
//
// Every literal, variable and intermediate result has a slot; an instruction computes one slot
// from one or two others. The instructions run in the order the actions of a parse run, so the
// values and the semantic messages (with their columns) are those of a parse per record. The
// variables an expression reads are computed once per evaluation, before the instructions: they
// depend only on the record.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "Operations.h"
#include "RecordVariables.h"

namespace halvern::expr {

// More than a line of 255 characters can fill: each token makes at most one slot.
inline constexpr int kMaxSlots = 512;

struct Instr {
    Op op;
    uint16_t dst, a, b;  // slots; b unused by one-operand operations
    int32_t colno;       // an operation that can fail: `yycolno` when its action ran
};

struct VariableSlot {
    uint16_t slot;
    Variable variable;
};

enum class ResultKind : uint8_t { None, Logical, Real, Integer };

struct CompileResult {
    int parseResult = 1;  // 0 accepted, 1 abandoned
    bool parseFailed = true;
    bool ok() const { return parseResult == 0 && !parseFailed; }
};

struct Program {
    std::vector<Instr> code;
    // The literals fill the last slots, so that one block copy sets them: constants[i] is slot
    // kMaxSlots - constants.size() + i.
    std::vector<Value> constants;
    std::vector<VariableSlot> variables;
    int slotCount = 0;  // slots from 0 up: variables and results
    std::string line;   // the scanned line, for reports
    ResultKind result = ResultKind::None;
    uint16_t resultSlot = 0;
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

// Runs the program on one record (`Fields` as for VariableValue) and gives its result, 0 when it
// has none; onFault(fault) is called for every semantic error, in order.
template <class Fields, class OnFault>
Value RunProgram(const Program& program, const Fields& vars, OnFault&& onFault) {
    Value slot[kMaxSlots];
    std::copy(program.constants.begin(), program.constants.end(),
              slot + kMaxSlots - program.constants.size());
    for (const VariableSlot& v : program.variables) slot[v.slot] = VariableValue(v.variable, vars);
    for (const Instr& in : program.code) {
        SemanticError error = SemanticError::None;
        slot[in.dst] = Apply(in.op, slot[in.a], slot[in.b], error);
        if (error != SemanticError::None) [[unlikely]]
            onFault(SemanticFault{error, in.colno});
    }
    return program.result == ResultKind::None ? 0 : slot[program.resultSlot];
}

// Evaluates on one record; `all`, when given, receives every semantic error in order.
Evaluation Evaluate(const Program& program, const RecordVariables& vars,
                    std::vector<SemanticFault>* all = nullptr);

// The error report a parse would have shown for the fault.
std::string FaultReport(const Program& program, const SemanticFault& fault);

}  // namespace halvern::expr
