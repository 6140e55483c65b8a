// The differential test: the engine's results for the corpus of
// tests/data/formula against the values the reference spreadsheet computed
// (scripts/regen-formula-corpus.sh). Every deliberate difference is listed in
// the table of src/platform/grid/FORMULAS.md between the markers
// "<!-- differences:begin -->" and "<!-- differences:end -->"; the test holds
// the engine to that table too, so the list can never go stale.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "TestSheet.h"
#include "platform/core/NumberText.h"
#include "platform/core/Unicode.h"

namespace {

using formula::Value;

std::filesystem::path dataFolder() {
    const char* folder = std::getenv("VTSS_TEST_DATA");
    return folder ? std::filesystem::path(folder) : std::filesystem::path("tests/data");
}

std::vector<std::wstring> readLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::wstring text = unicode::fromUtf8(bytes.str());
    std::vector<std::wstring> lines;
    std::wstring line;
    for (wchar_t c : text) {
        if (c == L'\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != L'\r') {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

std::vector<std::wstring> splitTabs(const std::wstring& line, std::size_t parts) {
    std::vector<std::wstring> fields;
    std::size_t start = 0;
    while (fields.size() + 1 < parts) {
        const std::size_t tab = line.find(L'\t', start);
        if (tab == std::wstring::npos)
            break;
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

struct ExpectedValue {
    std::wstring formula;
    wchar_t kind;  // N, T, B or E
    std::wstring value;
};

// The reference's value in the form the differences table writes it.
std::wstring describeExpected(const ExpectedValue& e) {
    if (e.kind == L'N')
        return numtext::formatGeneral(numtext::parseLeadingDouble(e.value));
    if (e.kind == L'T')
        return L"\"" + e.value + L"\"";
    return e.value;
}

bool matches(const Value& actual, const ExpectedValue& expected) {
    switch (expected.kind) {
        case L'N': {
            if (actual.type() != Value::Type::Number)
                return false;
            double reference = 0;
            if (!numtext::parseWholeDouble(expected.value, reference))
                return false;
            const double tolerance = 1e-14 * std::max(std::fabs(reference), 1e-300);
            return std::fabs(actual.asNumber() - reference) <= tolerance;
        }
        case L'T':
            return actual.isText() && actual.asText() == expected.value;
        case L'B':
            return actual.isLogical() && (actual.asNumber() != 0) == (expected.value == L"TRUE");
        default:
            return actual.isError() && formula::errorText(actual.asError()) == expected.value;
    }
}

// Rows of the differences table: formula -> (reference value, engine value).
std::map<std::wstring, std::pair<std::wstring, std::wstring>> readDifferences() {
    const auto lines = readLines(dataFolder() / "../../src/platform/grid/FORMULAS.md");
    std::map<std::wstring, std::pair<std::wstring, std::wstring>> differences;
    bool inside = false;
    for (const auto& line : lines) {
        if (line.find(L"<!-- differences:begin -->") != std::wstring::npos)
            inside = true;
        if (line.find(L"<!-- differences:end -->") != std::wstring::npos)
            inside = false;
        if (!inside || line.size() < 2 || line[0] != L'|' ||
            line.find(L"`") == std::wstring::npos) {
            continue;
        }
        // | `formula` | `reference` | `engine` | why |
        std::vector<std::wstring> cells;
        std::size_t at = 0;
        while ((at = line.find(L'`', at)) != std::wstring::npos) {
            const std::size_t end = line.find(L'`', at + 1);
            if (end == std::wstring::npos)
                break;
            cells.push_back(line.substr(at + 1, end - at - 1));
            at = end + 1;
        }
        if (cells.size() >= 3)
            differences[cells[0]] = {cells[1], cells[2]};
    }
    return differences;
}

TEST(FormulaDifferential, CorpusMatchesReferenceSpreadsheetOrListedDifference) {
    formulatest::TestSheet sheet(26, 1000);
    formula::FormulaEngine engine(sheet);
    for (const auto& line : readLines(dataFolder() / "formula/inputs.tsv")) {
        if (line.empty() || line[0] == L'#')
            continue;
        const auto fields = splitTabs(line, 3);
        ASSERT_EQ(fields.size(), 3u) << unicode::toUtf8(line);
        const auto [column, row] = formulatest::address(fields[0]);
        if (fields[1] == L"number") {
            sheet.put(fields[0], Value::number(numtext::parseLeadingDouble(fields[2])));
        } else if (fields[1] == L"text") {
            sheet.put(fields[0], Value::text(fields[2]));
        } else if (fields[1] == L"logical") {
            sheet.put(fields[0], Value::logical(fields[2] == L"TRUE"));
        } else {
            ASSERT_TRUE(engine.setFormula(column, row, fields[2], true)) << unicode::toUtf8(line);
        }
    }
    std::vector<ExpectedValue> expected;
    for (const auto& line : readLines(dataFolder() / "formula/expected.tsv")) {
        if (line.empty() || line[0] == L'#')
            continue;
        const auto fields = splitTabs(line, 3);
        ASSERT_EQ(fields.size(), 3u) << unicode::toUtf8(line);
        expected.push_back({fields[0], fields[1].empty() ? L'?' : fields[1][0], fields[2]});
    }
    ASSERT_GE(expected.size(), 300u);
    const auto differences = readDifferences();
    int listedDifferences = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedValue& e = expected[i];
        SCOPED_TRACE(unicode::toUtf8(L"H" + std::to_wstring(i + 1) + L": " + e.formula));
        formula::ParseError error;
        const int row = static_cast<int>(i) + 1;
        const bool accepted = engine.setFormula(8, row, e.formula, true, &error);
        // The reference reports a wrong argument count as Err:504 or Err:511 when
        // it computes; this engine refuses such a formula when it is set.
        if (e.kind == L'E' && (e.value == L"Err:504" || e.value == L"Err:511") &&
            error.code == formula::ParseErrorCode::WrongArgumentCount) {
            EXPECT_FALSE(accepted);
            continue;
        }
        ASSERT_TRUE(accepted) << unicode::toUtf8(error.message);
        const Value& actual = *engine.result(8, row);
        const auto listed = differences.find(e.formula);
        if (listed != differences.end()) {
            ++listedDifferences;
            EXPECT_EQ(unicode::toUtf8(describeExpected(e)), unicode::toUtf8(listed->second.first))
                << "the reference's value in the differences table is stale";
            EXPECT_EQ(unicode::toUtf8(formula::describe(actual)),
                      unicode::toUtf8(listed->second.second));
            continue;
        }
        EXPECT_TRUE(matches(actual, e))
            << "reference " << unicode::toUtf8(describeExpected(e)) << ", engine "
            << unicode::toUtf8(formula::describe(actual));
    }
    EXPECT_EQ(listedDifferences, static_cast<int>(differences.size()))
        << "the differences table lists formulas that are not in the corpus";
}

}  // namespace
