// Fuzzes the formula parser, printer, reference rewriter and evaluator: any
// bytes become formula text, parsed in both reference styles, printed back
// (also with references moved by structural edits), re-parsed and computed
// on a small sheet with a custom function, all without crashing or hanging.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/Unicode.h"
#include "platform/grid/formula/CellSource.h"
#include "platform/grid/formula/FormulaEngine.h"
#include "platform/grid/formula/ReferenceEdits.h"
#include "platform/grid/formula/parser/FormulaPrinter.h"
#include "platform/grid/formula/parser/Parser.h"
#include "platform/grid/formula/parser/ReferenceRewriter.h"

namespace {

class FuzzSheet : public formula::CellSource {
  public:
    int columnCount() const override { return 8; }
    int rowCount() const override { return 8; }
    formula::Value cellValue(int column, int row) const override {
        switch ((column + row) % 4) {
            case 0:
                return formula::Value::number(column * 1.5 - row);
            case 1:
                return formula::Value::text(L"t" + std::to_wstring(row));
            case 2:
                return formula::Value::logical(row % 2 == 0);
            default:
                return formula::Value();
        }
    }
    void storeResult(int, int, const formula::Value&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring text =
        unicode::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    for (auto style : {formula::ReferenceStyle::A1, formula::ReferenceStyle::R1C1}) {
        const auto parsed = formula::parseFormula(text, 4, 4, style);
        if (!parsed)
            continue;
        const std::wstring printed = formula::printFormula(*parsed, 4, 4, style);
        // What the printer writes must parse again.
        if (!formula::parseFormula(printed, 4, 4, style))
            __builtin_trap();
        // So must the formula with its references moved by structural edits.
        const formula::ReferenceMap edits[] = {
            [](const formula::ReferenceParts& r) {
                return formula::afterLinesDeleted(r, formula::LineAxis::Rows, 2, 3);
            },
            [](const formula::ReferenceParts& r) {
                return formula::afterLinesInserted(r, formula::LineAxis::Columns, 1, 2);
            },
            [](const formula::ReferenceParts& r) {
                return formula::afterBlockMoved(r, formula::Area{1, 1, 3, 3}, 2, -1);
            },
            [](const formula::ReferenceParts& r) {
                return formula::afterFormulaCopied(r, -3, 5, 8, 8);
            },
        };
        for (const formula::ReferenceMap& edit : edits) {
            const formula::Formula moved = formula::rewriteReferences(*parsed, edit);
            if (!formula::parseFormula(formula::printFormula(moved, 4, 4, style), 4, 4, style))
                __builtin_trap();
        }
    }
    FuzzSheet sheet;
    formula::FormulaEngine engine(sheet);
    engine.addCustomFunction(
        L"ECHO", 0, 3,
        [](formula::ValueRecord& result, std::span<const formula::ValueRecord> arguments) {
            if (!arguments.empty())
                result = arguments[0];
            return true;
        },
        formula::kPassReferencesAsCells);
    engine.setFormula(2, 2, L"D4+1", true);
    engine.setFormula(4, 4, text, true);
    engine.recalculateAll();
    return 0;
}
