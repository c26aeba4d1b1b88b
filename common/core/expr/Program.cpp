#include "Program.h"

#include "ParseContext.h"

namespace halvern::expr {

Evaluation Evaluate(const Program& program, const RecordVariables& vars,
                    std::vector<SemanticFault>* all) {
    Evaluation out;
    out.value = RunProgram(program, vars, [&](const SemanticFault& fault) {
        if (out.faults++ == 0) out.first = fault;
        if (all) all->push_back(fault);
    });
    return out;
}

std::string FaultReport(const Program& program, const SemanticFault& fault) {
    return ErrorReportText(SemanticErrorText(fault.error), program.line, fault.colno);
}

}  // namespace halvern::expr
