// `vtss bill ROWS.csv OUT.vts`: a CSV list fed through VtSSBillOutput.
//
// Input rules:
// - ROWS.csv is read with the grid's CSV rules (RFC 4180 fields, a UTF-8
//   byte-order mark skipped, a tab delimiter when the first line holds a tab,
//   else a comma). Fields are fed as written: no number or formula reading.
// - Without --columns the first line gives the column names and is not a row;
//   with --columns every line is a row.
// - A line without fields is skipped.
// - A line whose first field is exactly "SUBTOTAL" is fed as subtotals; that
//   first field is fed empty, so the sums stay in their columns.
// - NAMES is one CSV line (comma-separated, double quotes for a name holding a
//   comma). KINDS is a comma-separated list of whole numbers, one per column
//   from the first (1 whole number, 2 one decimal, 3 text, others no type; an
//   empty item is 0); columns beyond the list have no type.
// - --var NAME=VALUE adds a print variable (repeatable, kept in order); NAME
//   must not be empty. --settings NAME names the editor's settings file.
#include "tools/vtss/BillCommand.h"

#include <charconv>
#include <optional>

#include "bill/VtSSBillOutput.h"
#include "platform/core/FileBytes.h"
#include "platform/core/Unicode.h"
#include "platform/core/bill/Tvx_Bill.h"
#include "platform/grid/Csv.h"
#include "tools/vtss/Cli.h"
#include "tools/vtss/ModuleSession.h"

namespace vtss {
namespace {

constexpr const char* kUsage =
    "usage: vtss bill ROWS.csv OUT.vts [--columns NAMES] [--kinds KINDS] [--settings NAME]\n"
    "                 [--var NAME=VALUE]...\n"
    "\n"
    "Writes the rows of ROWS.csv as a bill sheet OUT.vts.\n"
    "  --columns NAMES   column names, comma-separated (default: the CSV's first line)\n"
    "  --kinds KINDS     column kinds, comma-separated: 1 whole number, 2 one decimal,\n"
    "                    3 text, 0 no type (default: no type)\n"
    "  --settings NAME   the editor's settings file NAME.vtd of the product folder\n"
    "  --var NAME=VALUE  a print variable; repeatable\n"
    "A row whose first cell is SUBTOTAL is written as subtotals.\n";

constexpr const wchar_t* kSubTotalMarker = L"SUBTOTAL";

struct BillOptions {
    std::vector<std::string> files;
    std::optional<std::string> columns;
    std::optional<std::string> kinds;
    std::string settings;
    Tvx_StringArray varNames;
    Tvx_StringArray varValues;
};

int usageError(std::ostream& err, const std::string& why) {
    err << "vtss: bill: " << why << "\n" << kUsage;
    return kExitUsage;
}

// Reads the command line into options; an error text when it is not valid.
std::optional<std::string> parseOptions(const std::vector<std::string>& args,
                                        BillOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue =
            arg == "--columns" || arg == "--kinds" || arg == "--settings" || arg == "--var";
        if (!takesValue) {
            if (arg.rfind("--", 0) == 0)
                return "unknown option '" + arg + "'";
            options.files.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size())
            return arg + " needs a value";
        const std::string& value = args[++i];
        if (arg == "--columns") {
            options.columns = value;
        } else if (arg == "--kinds") {
            options.kinds = value;
        } else if (arg == "--settings") {
            options.settings = value;
        } else {
            const size_t equals = value.find('=');
            if (equals == std::string::npos || equals == 0)
                return "--var takes NAME=VALUE, not '" + value + "'";
            options.varNames.append(Tvx_String::fromUtf8(value.substr(0, equals)));
            options.varValues.append(Tvx_String::fromUtf8(value.substr(equals + 1)));
        }
    }
    if (options.files.size() != 2)
        return std::string("bill takes ROWS.csv and OUT.vts");
    return std::nullopt;
}

// The names of --columns: one CSV line.
std::optional<Tvx_StringArray> parseNames(const std::string& text) {
    grid::CsvError error;
    const auto records = grid::readDelimitedRecords(unicode::decodeText(text), L',', error);
    if (!records || records->size() > 1)
        return std::nullopt;
    Tvx_StringArray names;
    if (!records->empty()) {
        for (const std::wstring& name : records->front())
            names.append(Tvx_String(name));
    }
    return names;
}

// The kinds of --kinds: whole numbers separated by commas.
std::optional<Tvx_IntArray> parseKinds(const std::string& text) {
    Tvx_IntArray kinds;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? comma : comma - start);
        int kind = 0;
        if (!item.empty()) {
            const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), kind);
            if (error != std::errc() || end != item.data() + item.size())
                return std::nullopt;
        }
        kinds.append(kind);
        if (comma == std::string::npos)
            return kinds;
        start = comma + 1;
    }
}

Tvx_StringArray toArray(const std::vector<std::wstring>& fields) {
    Tvx_StringArray values;
    for (const std::wstring& field : fields)
        values.append(Tvx_String(field));
    return values;
}

// The bill of the CSV records, from the first record on.
Tvx_Bill billOf(const std::vector<std::vector<std::wstring>>& records, size_t first) {
    Tvx_Bill bill;
    for (size_t i = first; i < records.size(); ++i) {
        const std::vector<std::wstring>& fields = records[i];
        if (fields.empty())
            continue;
        Tvx_StringArray values = toArray(fields);
        if (fields.front() == kSubTotalMarker) {
            values[0] = Tvx_String();
            bill.addSubTotals(values, {}, false, 0);
        } else {
            bill.addRow(values);
        }
    }
    return bill;
}

}  // namespace

int runBillCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return kExitOk;
        }
    }
    BillOptions options;
    if (const std::optional<std::string> why = parseOptions(args, options))
        return usageError(err, *why);
    std::optional<Tvx_IntArray> kinds = Tvx_IntArray();
    if (options.kinds) {
        kinds = parseKinds(*options.kinds);
        if (!kinds)
            return usageError(err, "--kinds takes whole numbers separated by commas, not '" +
                                       *options.kinds + "'");
    }
    std::optional<Tvx_StringArray> names;
    if (options.columns) {
        names = parseNames(*options.columns);
        if (!names)
            return usageError(err, "--columns takes one line of comma-separated names");
    }

    const std::string& rowsFile = options.files[0];
    const std::string& billFile = options.files[1];
    const std::optional<std::string> bytes = readFileBytes(Tvx_String::fromUtf8(rowsFile));
    if (!bytes) {
        err << "vtss: " << rowsFile << ": cannot read the file\n";
        return kExitUsage;
    }
    const std::wstring text = unicode::decodeText(*bytes);
    grid::CsvError csvError;
    const auto records = grid::readDelimitedRecords(text, grid::detectDelimiter(text), csvError);
    if (!records) {
        err << "vtss: " << rowsFile << ":" << csvError.line << ": " << csvError.message << "\n";
        return kExitUsage;
    }
    size_t firstRow = 0;
    if (!names) {
        names = records->empty() ? Tvx_StringArray() : toArray(records->front());
        firstRow = 1;
    }
    Tvx_Bill bill = billOf(*records, firstRow);

    ModuleSession module;
    if (!module.loaded()) {
        err << "vtss: bill: the host could not load the module\n";
        return kExitFailed;
    }
    VtSSBillOutput output;
    const ErrorStatus opened =
        output.init(Tvx_String::fromUtf8(billFile), *names, *kinds,
                    Tvx_String::fromUtf8(options.settings), options.varNames, options.varValues);
    if (opened != eOk) {
        err << "vtss: bill: the spreadsheet editor window could not be opened\n";
        return kExitFailed;
    }
    if (bill.feed(output) != eOk) {
        err << "vtss: " << billFile << ": cannot write the bill file\n";
        return kExitFailed;
    }
    out << billFile << ": " << output.row() << " rows\n";
    return kExitOk;
}

}  // namespace vtss
