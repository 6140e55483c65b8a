// The bodies of the standards sheet's own spreadsheet functions (the table in
// StandardsFunctionTable.h gives their names and argument counts). Each
// returns false, leaving the result without value, when an argument is not of
// the kind it needs or its data cannot be had.
#pragma once

#include "standards/functions/FunctionValues.h"

// ROUNDTO(value, step): the nearest multiple of step (ObjectExportRoundTo).
bool roundToFunction(const FunctionArguments& arguments, FunctionResult& result);

// GETCELL(file, key parts...): the value for the key in a tab-separated file
// (LookupTable.h). GETPROFCELL: the same, with the file's keys read as
// section names.
bool getCellFunction(const FunctionArguments& arguments, FunctionResult& result);
bool getProfCellFunction(const FunctionArguments& arguments, FunctionResult& result);

// SECTIONSIZE(section, n): the number that dimension n (from 1) of the
// section begins with. GETSYSNAME(section): the section name of a section or
// user name, or the argument itself when the library does not know it.
bool sectionSizeFunction(const FunctionArguments& arguments, FunctionResult& result);
bool getSysNameFunction(const FunctionArguments& arguments, FunctionResult& result);

// The standard-size functions (StandardSizes.h): a standard value within the
// tolerances, else the target rounded to the step.
bool stdWidthWithToleranceFunction(const FunctionArguments& arguments, FunctionResult& result);
bool stdThicknessWithToleranceFunction(const FunctionArguments& arguments, FunctionResult& result);
bool stdSizeWithToleranceFunction(const FunctionArguments& arguments, FunctionResult& result);

// GETARRAYITEM(list, position): item `position` (from 1, truncated) of a
// ";"-separated list; an empty text outside the list.
bool getArrayItemFunction(const FunctionArguments& arguments, FunctionResult& result);
// TONUMBER(text): the number a text begins with (0 when none); a number
// argument is refused.
bool toNumberFunction(const FunctionArguments& arguments, FunctionResult& result);
// ISNULL(value): 1 for an empty argument, a number equal to 0 or an empty
// text; 0 for any other number or text.
bool isNullFunction(const FunctionArguments& arguments, FunctionResult& result);
// ISPOSITIVE(value): 1 for a number above 0 or a text whose leading number is
// above 0; 0 for an empty argument, a number of 0 or less, any other text.
bool isPositiveFunction(const FunctionArguments& arguments, FunctionResult& result);
