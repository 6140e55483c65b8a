// The standards sheet's own spreadsheet functions: their names, argument
// counts and bodies, in the order they are registered with a sheet.
//
//   name                        min max  arguments
//   ROUNDTO                       2   2  value, step
//   GETCELL                       2   7  file, key parts 1 to 6
//   GETPROFCELL                   2   7  file, key parts 1 to 6
//   SECTIONSIZE                   2   2  section name, column number
//   GETSYSNAME                    1   1  section name
//   STDWIDTHWITHTOLERANCE         6   6  file, step, thickness, target, down, up
//   STDTHICKNESSWITHTOLERANCE     5   5  file, step, target, down, up
//   STDSIZEWITHTOLERANCE          5   5  file, step, target, down, up
//   GETARRAYITEM                  2   2  list, position
//   TONUMBER                      1   1  text
//   ISNULL                        1   1  value
//   ISPOSITIVE                    1   1  value
#pragma once

#include <span>

#include "platform/core/Tvx_String.h"
#include "standards/functions/FunctionValues.h"

struct StandardsFunction {
    const wchar_t* name;
    int minArguments;
    int maxArguments;
    FunctionBody body;
};

// The twelve functions, in the order of the table above.
std::span<const StandardsFunction> standardsFunctions();

// The function of a name (exact, upper case), or null.
const StandardsFunction* findStandardsFunction(const Tvx_String& name);

// Runs a function as the grid does: arguments fewer than the minimum or more
// than the maximum fail without running the body; the result starts without
// value and is left so on failure.
bool callStandardsFunction(const StandardsFunction& function, const FunctionArguments& arguments,
                           FunctionResult& result);
