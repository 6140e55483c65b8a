// The standards functions as the grid calls them: reading the arguments from
// the grid's value records and writing the result into its record, written
// once for all twelve functions.
//
// Reading an argument: status 0 with type 0 (a whole number) or 1 is a number;
// status 0 with type 2 is a text, taken from its global memory handle, and one
// leading and one trailing double quote are removed when present; status 2 is
// empty; anything else (an error, a cell reference, a range, a text whose
// handle cannot be read) is of no kind a function accepts.
//
// Writing the result: a number as status 0, type 1; a non-empty text in a new
// global memory handle with status 0, type 2; an empty text, or nothing, as
// status 2.
#pragma once

#include "platform/grid/SSFormulas.h"
#include "standards/functions/FunctionValues.h"
#include "standards/functions/StandardsFunctionTable.h"

FunctionArgument readFunctionArgument(const SS_VALUE& record);

// False when a text cannot be put into a handle (the record then has no value).
bool writeFunctionResult(const FunctionResult& result, SS_VALUE& record);

// Runs one function over the grid's records: the result record starts with
// status 2, type 0 and keeps that on any failure. Non-zero when the result was
// filled.
BOOL runStandardsFunction(const StandardsFunction& function, SS_VALUE* result,
                          const SS_VALUE* arguments, int count);
