// The grid library's formula functions: formulas of cells, the reference
// style, recalculation and custom functions. Conventions (handles,
// coordinates, results): SSTypes.h; the formula language: FORMULAS.md.
//
// Custom functions exchange library-style value records (SS_VALUE): a status
// byte, a type byte and the value, texts travelling in global memory handles
// (GlobalMemory.h). An argument record's text handle belongs to the grid and
// is freed when the callback returns; a result text handle is taken over by the
// grid and freed once read.
//
//   Status 0 SS_VALUE_PRESENT  the value is present
//          1 SS_VALUE_FAILED   an error value
//          2 SS_VALUE_EMPTY    no value (an empty cell)
//   Type   0 SS_TYPE_LONG      Long: a whole number
//          1 SS_TYPE_DOUBLE    Double
//          2 SS_TYPE_STRING    Text: a global memory handle holding the text
//          3 SS_TYPE_CELL      Column, Row: one cell of the calling sheet
//          4 SS_TYPE_RANGE     Column, Row .. Column2, Row2
//
// How arguments arrive and what a result gives the cell: the formula engine's
// custom functions (formula/CustomFunction.h), record for record. A callback
// receives its result record set to status 2, type 0 and returns non-zero when
// it filled it.
#pragma once

#include <cstdint>

#include "platform/core/GlobalMemory.h"
#include "platform/core/Tvx_String.h"
#include "platform/grid/SSTypes.h"

inline constexpr std::uint8_t SS_VALUE_PRESENT = 0;
inline constexpr std::uint8_t SS_VALUE_FAILED = 1;
inline constexpr std::uint8_t SS_VALUE_EMPTY = 2;
inline constexpr std::uint8_t SS_TYPE_LONG = 0;
inline constexpr std::uint8_t SS_TYPE_DOUBLE = 1;
inline constexpr std::uint8_t SS_TYPE_STRING = 2;
inline constexpr std::uint8_t SS_TYPE_CELL = 3;
inline constexpr std::uint8_t SS_TYPE_RANGE = 4;

// Flag of SSAddCustomFunctionExt: bare cell references arrive as type-3
// records instead of their values.
inline constexpr long SS_CUSTFUNC_WANTCELLREF = 0x1;

struct SS_VALUE {
    std::uint8_t Status = SS_VALUE_EMPTY;
    std::uint8_t Type = SS_TYPE_LONG;
    long Long = 0;
    double Double = 0;
    GlobalHandle Text = kNullGlobalHandle;
    SS_COORD Column = 0;
    SS_COORD Row = 0;
    SS_COORD Column2 = 0;
    SS_COORD Row2 = 0;
};

using SS_CUSTFUNC = BOOL (*)(SS_VALUE* result, const SS_VALUE* arguments, int count);

// Makes text (without "=", in the sheet's reference style) the formula of a
// body cell. With recalc the cell is computed at once (after any stale
// formulas it uses); without it, it is computed when automatic recalculation
// (option 7) is on, else by SSReCalcCell or SSReCalc. 0, nothing changed, for
// a text that does not parse (FORMULAS.md, "Limits and refusals").
BOOL SSSetFormula(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& formula,
                  BOOL recalc);
// The cell's formula in the sheet's reference style (empty for a cell without
// one); the length of that text, -1 outside the sheet.
BOOL SSGetFormula(HWND window, SS_COORD column, SS_COORD row, Tvx_String& formula);
int SSGetFormulaLen(HWND window, SS_COORD column, SS_COORD row);
// Computes one formula cell (after its stale precedents; its dependents too
// under automatic recalculation); 0 for a cell without formula.
BOOL SSReCalcCell(HWND window, SS_COORD column, SS_COORD row);
// Computes every formula of the sheet.
BOOL SSReCalc(HWND window);
// 0 default, 1 A1, 2 R1C1; other styles are refused.
BOOL SSSetRefStyle(HWND window, int style);
int SSGetRefStyle(HWND window);
// True when the cell holds an error value (a formula that failed).
BOOL SSIsCellError(HWND window, SS_COORD column, SS_COORD row);

// Adds a function to this grid's formulas, or replaces the one of that name:
// 0 for a name that is empty, not a name (letters, digits, "_" and "."), or a
// built-in function's, for counts outside 0 <= min <= max <= 255, or without
// a callback.
BOOL SSAddCustomFunctionExt(HWND window, const Tvx_String& name, int minArguments, int maxArguments,
                            SS_CUSTFUNC callback, long flags);
