// Printing the result of an evaluation as a table or as JSON.
#include "tools/vtss/EvaluationOutput.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "platform/core/TextHelpers.h"

namespace vtss {
namespace {

using Json = nlohmann::ordered_json;

std::string typeName(int valueType) {
    switch (valueType) {
        case eValueInt:
            return "Int";
        case eValueDouble:
            return "Double";
        case eValueString:
            return "String";
        default:
            return "";
    }
}

std::string cellReference(const VtVarCell& cell) {
    return (getAlfabet(cell.column) + Tvx_String(cell.row)).toUtf8();
}

}  // namespace

std::string messageLine(const ShownMessage& message) {
    std::string line = "message: " + message.caption + ": ";
    for (char c : message.text) {
        if (c == '\n')
            line += "\\n";
        else if (c != '\r')
            line += c;
    }
    return line;
}

void printVariableTable(const EvaluationResult& result, std::ostream& out) {
    out << "Sheet:   " << result.sheet << "\n"
        << "Mapping: " << result.mapping << "\n"
        << "Macro:   " << result.macroFile << "\n\n";
    const char* headings[] = {"Kind", "Type", "Name", "Value", "Cell"};
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < result.variables.length(); ++i) {
        const VtVarCell& cell = result.variables[i];
        rows.push_back({cellTypeName(cell.cellType).toUtf8(), typeName(cell.valueType),
                        cell.name.toUtf8(), cell.value.toUtf8(), cellReference(cell)});
    }
    std::vector<size_t> widths;
    for (const char* heading : headings)
        widths.push_back(std::string(heading).size());
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], Tvx_String::fromUtf8(row[i]).str().size());
    }
    const auto printRow = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (size_t i = 0; i < cells.size(); ++i) {
            line += cells[i];
            if (i + 1 < cells.size())
                line +=
                    std::string(widths[i] - Tvx_String::fromUtf8(cells[i]).str().size() + 2, ' ');
        }
        out << line << "\n";
    };
    printRow({headings[0], headings[1], headings[2], headings[3], headings[4]});
    for (const auto& row : rows)
        printRow(row);
}

void printResultJson(const EvaluationResult& result, std::ostream& out) {
    Json json = Json::object();
    json["ok"] = result.ok;
    Json variables = Json::array();
    for (int i = 0; i < result.variables.length(); ++i) {
        const VtVarCell& cell = result.variables[i];
        Json variable = Json::object();
        variable["name"] = cell.name.toUtf8();
        variable["kind"] = cellTypeName(cell.cellType).toUtf8();
        variable["type"] = typeName(cell.valueType);
        variable["value"] = cell.value.toUtf8();
        variable["column"] = cell.column;
        variable["row"] = cell.row;
        variables.push_back(variable);
    }
    json["variables"] = variables;
    json["macro"] =
        result.macroJson.empty() ? Json::object() : Json::parse(result.macroJson, nullptr, false);
    Json messages = Json::array();
    for (const ShownMessage& message : result.messages)
        messages.push_back(Json{{"caption", message.caption}, {"text", message.text}});
    json["messages"] = messages;
    json["commandLine"] = result.commandLine;
    out << json.dump(2) << "\n";
}

}  // namespace vtss
