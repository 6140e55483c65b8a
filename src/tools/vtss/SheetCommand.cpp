// The `vtss sheet import|export|show|calc|read` commands over the grid's sheet files and CSV.
#include "tools/vtss/SheetCommand.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include <nlohmann/json.hpp>

#include "platform/core/FileBytes.h"
#include "platform/core/Unicode.h"
#include "platform/grid/Csv.h"
#include "platform/grid/HeaderLabels.h"
#include "platform/grid/SheetFile.h"
#include "platform/grid/SheetFormulas.h"
#include "spread/FormulaExports.h"
#include "tools/vtss/Cli.h"
#include "tools/vtss/ModuleSession.h"

namespace vtss {
namespace {

constexpr const char* kUsage =
    "usage: vtss sheet import IN.csv OUT.vts           CSV (or TSV) into a sheet file, its\n"
    "                                                  formulas computed\n"
    "       vtss sheet export IN.vts OUT.csv [--formulas]\n"
    "                                                  a sheet file's values as CSV\n"
    "       vtss sheet show IN.vts                     the sheet as a text table\n"
    "       vtss sheet calc IN.vts [OUT.csv]           recalculate every formula; the value\n"
    "                                                  texts as CSV on stdout or into OUT.csv\n"
    "       vtss sheet read FILE [--json]              what the module's sheet reader returns:\n"
    "                                                  title, column names and rows (formula\n"
    "                                                  cells with their stored results)\n"
    "\n"
    "sheet read prints one record a line, fields separated by tabs, with tab,\n"
    "line feed, carriage return and backslash in a field written \\t, \\n, \\r and\n"
    "\\\\:\n"
    "  title<TAB>TEXT\n"
    "  columns<TAB>NAME<TAB>NAME...      (one field per column)\n"
    "  row<TAB>TEXT<TAB>TEXT...          (one line per row, one field per column)\n"
    "With --json: {\"title\": TEXT, \"columns\": [NAME...], \"rows\": [[TEXT...]...]}.\n";

int usageError(std::ostream& err, const std::string& why) {
    err << "vtss: " << why << "\n" << kUsage;
    return kExitUsage;
}

// Loads a sheet file; on failure prints "vtss: FILE:LINE: why" and returns false.
bool loadSheet(const std::string& path, grid::Sheet& sheet, std::ostream& err) {
    grid::SheetFileError error;
    if (grid::loadSheetFile(Tvx_String::fromUtf8(path), sheet, error))
        return true;
    err << "vtss: " << path;
    if (error.line > 0)
        err << ":" << error.line;
    err << ": " << error.message << "\n";
    return false;
}

int write(const std::string& path, const std::string& bytes, std::ostream& err) {
    if (writeFileBytes(Tvx_String::fromUtf8(path), bytes))
        return kExitOk;
    err << "vtss: " << path << ": cannot write the file\n";
    return kExitFailed;
}

// Computes every formula of the sheet, as a grid with automatic recalculation
// does once they are typed in.
void recalculate(grid::Sheet& sheet) {
    grid::SheetFormulas formulas(sheet);
    formulas.recalculateAll();
}

int importCommand(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 3)
        return usageError(err, "sheet import takes IN.csv and OUT.vts");
    const std::optional<std::string> bytes = readFileBytes(Tvx_String::fromUtf8(args[1]));
    if (!bytes) {
        err << "vtss: " << args[1] << ": cannot read the file\n";
        return kExitUsage;
    }
    grid::Sheet sheet;
    grid::CsvError error;
    if (!grid::importCsv(*bytes, sheet, error)) {
        err << "vtss: " << args[1] << ":" << error.line << ": " << error.message << "\n";
        return kExitUsage;
    }
    recalculate(sheet);
    return write(args[2], grid::writeSheetText(sheet, grid::SheetFileContent::Everything), err);
}

// Splits the arguments after the subcommand into file names and one switch
// (on when given); the first other option, which is refused, when there is one.
std::optional<std::string> splitArguments(const std::vector<std::string>& args,
                                          const std::string& switchName,
                                          std::vector<std::string>& files, bool& switchOn) {
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == switchName) {
            switchOn = true;
        } else if (args[i].rfind("--", 0) == 0) {
            return args[i];
        } else {
            files.push_back(args[i]);
        }
    }
    return std::nullopt;
}

int exportCommand(const std::vector<std::string>& args, std::ostream& err) {
    std::vector<std::string> files;
    bool withFormulas = false;
    if (const std::optional<std::string> unknown =
            splitArguments(args, "--formulas", files, withFormulas))
        return usageError(err, "unknown option '" + *unknown + "'");
    if (files.size() != 2)
        return usageError(err, "sheet export takes IN.vts and OUT.csv");
    grid::Sheet sheet;
    if (!loadSheet(files[0], sheet, err))
        return kExitUsage;
    return write(files[1], grid::exportCsv(sheet, withFormulas), err);
}

// A text on one line: line breaks and tabs written as \n, \r, \t, and with
// withBackslash a backslash as \\ (so that the escapes can be undone).
std::wstring escapeBreaks(const std::wstring& text, bool withBackslash) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L'\n') {
            out += L"\\n";
        } else if (c == L'\r') {
            out += L"\\r";
        } else if (c == L'\t') {
            out += L"\\t";
        } else if (c == L'\\' && withBackslash) {
            out += L"\\\\";
        } else {
            out += c;
        }
    }
    return out;
}

// The table of rows 1..last used row and columns 1..last used column: column
// labels (header texts or letters) over the columns, row labels (header texts
// or numbers) before the rows, cells by their display text.
void showTable(const grid::Sheet& sheet, std::ostream& out) {
    int lastColumn = 0;
    int lastRow = 0;
    for (const auto& [key, cell] : sheet.cells()) {
        if (sheet.displayText(key.column, key.row).empty())
            continue;
        lastColumn = std::max(lastColumn, key.column);
        lastRow = std::max(lastRow, key.row);
    }
    std::vector<std::vector<std::wstring>> table;
    for (int row = 0; row <= lastRow; ++row) {
        std::vector<std::wstring> line;
        for (int column = 0; column <= lastColumn; ++column) {
            std::wstring text = escapeBreaks(sheet.displayText(column, row), false);
            if (text.empty() && row == 0)
                text = grid::columnLabel(column);
            if (text.empty() && column == 0)
                text = grid::rowLabel(row);
            line.push_back(std::move(text));
        }
        table.push_back(std::move(line));
    }
    std::vector<size_t> widths(static_cast<size_t>(lastColumn) + 1, 0);
    for (const auto& line : table) {
        for (size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    }
    for (const auto& line : table) {
        std::wstring text;
        for (size_t i = 0; i < line.size(); ++i) {
            text += line[i];
            if (i + 1 < line.size())
                text += std::wstring(widths[i] - line[i].size() + 2, L' ');
        }
        text.erase(text.find_last_not_of(L' ') + 1);
        out << unicode::toUtf8(text) << "\n";
    }
}

int showCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return usageError(err, "sheet show takes IN.vts");
    grid::Sheet sheet;
    if (!loadSheet(args[1], sheet, err))
        return kExitUsage;
    out << args[1] << ": " << sheet.columnCount() << " columns, " << sheet.rowCount() << " rows\n";
    showTable(sheet, out);
    return kExitOk;
}

// Recalculates every formula of the sheet and exports the values by the CSV
// export rules; the file is written atomically, without OUT.csv the CSV goes
// to stdout. Error values in cells are results, not failures of the command.
int calcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 && args.size() != 3)
        return usageError(err, "sheet calc takes IN.vts and an optional OUT.csv");
    grid::Sheet sheet;
    if (!loadSheet(args[1], sheet, err))
        return kExitUsage;
    recalculate(sheet);
    const std::string csv = grid::exportCsv(sheet, false);
    if (args.size() == 2) {
        out << csv;
        return kExitOk;
    }
    return write(args[2], csv, err);
}

// A field of the tab-separated form of sheet read.
std::string escapedField(const Tvx_String& text) {
    return unicode::toUtf8(escapeBreaks(text.str(), true));
}

void printRecord(std::ostream& out, const char* kind, const Tvx_StringArray& fields) {
    out << kind;
    for (int i = 0; i < fields.length(); ++i)
        out << '\t' << escapedField(fields[i]);
    out << '\n';
}

nlohmann::ordered_json jsonTexts(const Tvx_StringArray& texts) {
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (int i = 0; i < texts.length(); ++i)
        array.push_back(texts[i].toUtf8());
    return array;
}

// Reads the sheet through the module's exported reader (ReadSSFile), after
// loading it once here so that a file it cannot read is named with the line
// and reason.
int readCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    bool json = false;
    if (const std::optional<std::string> unknown = splitArguments(args, "--json", files, json))
        return usageError(err, "unknown option '" + *unknown + "'");
    if (files.size() != 1)
        return usageError(err, "sheet read takes one FILE");
    grid::Sheet check;
    if (!loadSheet(files[0], check, err))
        return kExitUsage;
    ModuleSession module;
    if (!module.loaded()) {
        err << "vtss: the host refused to load the module\n";
        return kExitFailed;
    }
    Tvx_String title;
    Tvx_StringArray columns;
    Tvx_StringArrArr rows;
    ReadSSFile(Tvx_String::fromUtf8(files[0]), title, columns, rows);
    if (json) {
        nlohmann::ordered_json result;
        result["title"] = title.toUtf8();
        result["columns"] = jsonTexts(columns);
        result["rows"] = nlohmann::ordered_json::array();
        for (int i = 0; i < rows.length(); ++i)
            result["rows"].push_back(jsonTexts(rows[i]));
        out << result.dump(2) << "\n";
        return kExitOk;
    }
    out << "title\t" << escapedField(title) << "\n";
    printRecord(out, "columns", columns);
    for (int i = 0; i < rows.length(); ++i)
        printRecord(out, "row", rows[i]);
    return kExitOk;
}

}  // namespace

int runSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return usageError(err, "sheet needs a command");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" ||
        std::find(args.begin(), args.end(), "--help") != args.end()) {
        out << kUsage;
        return kExitOk;
    }
    if (command == "import")
        return importCommand(args, err);
    if (command == "export")
        return exportCommand(args, err);
    if (command == "show")
        return showCommand(args, out, err);
    if (command == "calc")
        return calcCommand(args, out, err);
    if (command == "read")
        return readCommand(args, out, err);
    return usageError(err, "unknown sheet command '" + command + "'");
}

}  // namespace vtss
