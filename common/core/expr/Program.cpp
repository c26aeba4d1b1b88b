#include "Program.h"

#include "ParseContext.h"

namespace halvern::expr {

Evaluation Evaluate(const Program& program, const RecordVariables& vars,
                    std::vector<SemanticFault>* all) {
    Evaluation out;
    Value stack[kMaxStackDepth];
    int top = -1;
    for (const Instr& in : program.code) {
        if (in.op < kFirstUnaryOp) {
            Value& v = stack[++top];
            const auto variable = static_cast<Variable>(in.arg);
            switch (in.op) {
                case Op::PushReal:
                    v = program.constants[static_cast<size_t>(in.arg)];
                    break;
                case Op::PushInt:
                    v = IntValue(in.arg);
                    break;
                case Op::LoadReal:
                    v = RealVariableValue(variable, vars);
                    break;
                default:
                    v = IntValue(IntVariableValue(variable, vars));
                    break;
            }
            continue;
        }
        SemanticError error = SemanticError::None;
        if (in.op < kFirstBinaryOp) {
            stack[top] = ApplyUnary(in.op, stack[top], error);
        } else {
            stack[top - 1] = ApplyBinary(in.op, stack[top - 1], stack[top], error);
            --top;
        }
        if (error != SemanticError::None) {
            const SemanticFault fault{error, in.arg};
            if (out.faults++ == 0) out.first = fault;
            if (all) all->push_back(fault);
        }
    }
    if (top >= 0) out.value = stack[top];
    return out;
}

std::string FaultReport(const Program& program, const SemanticFault& fault) {
    return ErrorReportText(SemanticErrorText(fault.error), program.line, fault.colno);
}

}  // namespace halvern::expr
