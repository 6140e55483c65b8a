// The grid library's formula and custom function functions.
#include "platform/grid/SSFormulas.h"

#include <array>
#include <vector>

#include "platform/grid/GridAddress.h"
#include "platform/grid/GridHandles.h"

using grid::GridControl;

namespace {

// An argument record of the engine as the library's record; a text goes into
// a new handle (freeLibraryRecord frees it after the call).
SS_VALUE toLibraryRecord(const formula::ValueRecord& record) {
    SS_VALUE value;
    value.Status = record.status;
    value.Type = record.type;
    value.Long = record.wholeNumber;
    value.Double = record.number;
    value.Column = record.column;
    value.Row = record.row;
    value.Column2 = record.lastColumn;
    value.Row2 = record.lastRow;
    if (record.status == formula::kValuePresent && record.type == formula::kText) {
        GlobalHandle handle = kNullGlobalHandle;
        if (setGlobalStr(handle, record.text))
            value.Text = handle;
        else
            value.Status = SS_VALUE_FAILED;
    }
    return value;
}

void freeLibraryRecord(const SS_VALUE& value) {
    if (value.Text != kNullGlobalHandle)
        freeGlobalHandle(value.Text);
}

// The library's result record as the engine's; a text handle is read and freed.
formula::ValueRecord toEngineRecord(const SS_VALUE& value) {
    formula::ValueRecord record;
    record.status = value.Status;
    record.type = value.Type;
    record.wholeNumber = static_cast<std::int32_t>(value.Long);
    record.number = value.Double;
    record.column = value.Column;
    record.row = value.Row;
    record.lastColumn = value.Column2;
    record.lastRow = value.Row2;
    if (value.Type == SS_TYPE_STRING && value.Text != kNullGlobalHandle) {
        if (!takeGlobalStr(value.Text, record.text) && value.Status == SS_VALUE_PRESENT)
            record.status = formula::kValueFailed;
    }
    return record;
}

// The engine's callback around a library callback.
formula::CustomFunctionCallback adapt(SS_CUSTFUNC callback) {
    return
        [callback](formula::ValueRecord& result, std::span<const formula::ValueRecord> arguments) {
            // The records of a usual call live on the stack.
            constexpr std::size_t kUsualArguments = 8;
            std::array<SS_VALUE, kUsualArguments> usual;
            std::vector<SS_VALUE> many;
            SS_VALUE* values = usual.data();
            if (arguments.size() > kUsualArguments) {
                many.resize(arguments.size());
                values = many.data();
            }
            for (std::size_t i = 0; i < arguments.size(); ++i)
                values[i] = toLibraryRecord(arguments[i]);
            SS_VALUE answer;
            const BOOL filled = callback(&answer, values, static_cast<int>(arguments.size()));
            for (std::size_t i = 0; i < arguments.size(); ++i)
                freeLibraryRecord(values[i]);
            result = toEngineRecord(answer);
            return filled != 0;
        };
}

bool isBodyCell(const GridControl& grid, SS_COORD column, SS_COORD row) {
    return column >= 1 && row >= 1 && column <= grid.sheet().columnCount() &&
           row <= grid.sheet().rowCount();
}

}  // namespace

BOOL SSSetFormula(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& formula,
                  BOOL recalc) {
    GridControl* grid = grid::gridOf(window);
    if (!grid || !isBodyCell(*grid, column, row) ||
        !grid->formulas().setFormula(column, row, formula.str(), recalc != 0))
        return 0;
    grid->invalidate();
    return 1;
}

BOOL SSGetFormula(HWND window, SS_COORD column, SS_COORD row, Tvx_String& formula) {
    formula = Tvx_String();
    const GridControl* grid = grid::gridOf(window);
    if (!grid || !grid::cellAddress(grid->sheet(), column, row))
        return 0;
    formula = Tvx_String(grid->formulas().formulaText(column, row).value_or(std::wstring()));
    return 1;
}

int SSGetFormulaLen(HWND window, SS_COORD column, SS_COORD row) {
    Tvx_String formula;
    return SSGetFormula(window, column, row, formula) ? formula.length() : -1;
}

BOOL SSReCalcCell(HWND window, SS_COORD column, SS_COORD row) {
    GridControl* grid = grid::gridOf(window);
    if (!grid || !isBodyCell(*grid, column, row) || !grid->formulas().recalculateCell(column, row))
        return 0;
    grid->invalidate();
    return 1;
}

BOOL SSReCalc(HWND window) {
    GridControl* grid = grid::gridOf(window);
    if (!grid || !grid->formulas().recalculateAll())
        return 0;
    grid->invalidate();
    return 1;
}

BOOL SSSetRefStyle(HWND window, int style) {
    GridControl* grid = grid::gridOf(window);
    if (!grid || style < 0 || style > 2)
        return 0;
    grid->formulas().setReferenceStyle(static_cast<formula::ReferenceStyle>(style));
    return 1;
}

int SSGetRefStyle(HWND window) {
    const GridControl* grid = grid::gridOf(window);
    return grid ? static_cast<int>(grid->formulas().referenceStyle()) : -1;
}

BOOL SSIsCellError(HWND window, SS_COORD column, SS_COORD row) {
    const GridControl* grid = grid::gridOf(window);
    return grid && isBodyCell(*grid, column, row) &&
                   grid->sheet().value(column, row).kind() == grid::CellValue::Kind::Error
               ? 1
               : 0;
}

BOOL SSAddCustomFunctionExt(HWND window, const Tvx_String& name, int minArguments, int maxArguments,
                            SS_CUSTFUNC callback, long flags) {
    GridControl* grid = grid::gridOf(window);
    if (!grid || !callback)
        return 0;
    const unsigned engineFlags =
        (flags & SS_CUSTFUNC_WANTCELLREF) ? formula::kPassReferencesAsCells : 0u;
    // The callback's address names it, so that adding the same function again
    // (at every calculation) is found to change nothing.
    return grid->formulas().addCustomFunction(name.str(), minArguments, maxArguments,
                                              adapt(callback), engineFlags,
                                              reinterpret_cast<std::uintptr_t>(callback))
               ? 1
               : 0;
}
