// What `vtss evaluate` prints: the variables after an evaluation as a table,
// or the whole result as one JSON object (the shape ../shared/cli.md fixes).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/core/Tvx_String.h"
#include "standards/engine/VtVarCells.h"

namespace vtss {

struct ShownMessage {
    std::string caption;
    std::string text;
};

struct EvaluationResult {
    bool ok = false;
    std::string sheet;    // the sheet as given
    std::string mapping;  // the mapping as given
    std::string macroFile;
    VtVarCells variables;   // empty when the evaluation failed
    std::string macroJson;  // the macro after the evaluation, in the macro file's form
    std::vector<ShownMessage> messages;
    std::vector<std::string> commandLine;
};

// "message: CAPTION: TEXT" with each line break of the text written as "\n".
std::string messageLine(const ShownMessage& message);

// The variables as an aligned table: kind, type, name, value and cell.
void printVariableTable(const EvaluationResult& result, std::ostream& out);

// The result as one JSON object: ok, variables, macro, messages, commandLine,
// in this order, followed by a line break.
void printResultJson(const EvaluationResult& result, std::ostream& out);

}  // namespace vtss
