// The bodies of the built-in functions, grouped as their source files are; the
// table in FunctionTable.cpp says how each one's arguments arrive.
#pragma once

#include "platform/grid/formula/Value.h"

namespace formula {

class FunctionCall;

namespace functions {

// MathFunctions.cpp
Value abs(FunctionCall& call);
Value sqrt(FunctionCall& call);
Value power(FunctionCall& call);
Value exp(FunctionCall& call);
Value ln(FunctionCall& call);
Value log(FunctionCall& call);
Value log10(FunctionCall& call);
Value pi(FunctionCall& call);
Value sin(FunctionCall& call);
Value cos(FunctionCall& call);
Value tan(FunctionCall& call);
Value asin(FunctionCall& call);
Value acos(FunctionCall& call);
Value atan(FunctionCall& call);
Value atan2(FunctionCall& call);
Value degrees(FunctionCall& call);
Value radians(FunctionCall& call);
Value sign(FunctionCall& call);
Value mod(FunctionCall& call);
Value fact(FunctionCall& call);

// RoundingFunctions.cpp
Value round(FunctionCall& call);
Value roundUp(FunctionCall& call);
Value roundDown(FunctionCall& call);
Value integer(FunctionCall& call);
Value trunc(FunctionCall& call);
Value ceiling(FunctionCall& call);
Value floor(FunctionCall& call);

// AggregateFunctions.cpp
Value sum(FunctionCall& call);
Value product(FunctionCall& call);
Value average(FunctionCall& call);
Value min(FunctionCall& call);
Value max(FunctionCall& call);
Value count(FunctionCall& call);
Value countA(FunctionCall& call);

// LogicalFunctions.cpp
Value ifThen(FunctionCall& call);
Value ifError(FunctionCall& call);
Value choose(FunctionCall& call);
Value logicalAnd(FunctionCall& call);
Value logicalOr(FunctionCall& call);
Value logicalNot(FunctionCall& call);
Value logicalTrue(FunctionCall& call);
Value logicalFalse(FunctionCall& call);

// TextFunctions.cpp
Value len(FunctionCall& call);
Value left(FunctionCall& call);
Value right(FunctionCall& call);
Value mid(FunctionCall& call);
Value concatenate(FunctionCall& call);
Value upper(FunctionCall& call);
Value lower(FunctionCall& call);
Value trim(FunctionCall& call);
Value value(FunctionCall& call);
Value text(FunctionCall& call);
Value find(FunctionCall& call);
Value search(FunctionCall& call);
Value substitute(FunctionCall& call);
Value rept(FunctionCall& call);
Value exact(FunctionCall& call);

// InfoFunctions.cpp
Value isBlank(FunctionCall& call);
Value isNumber(FunctionCall& call);
Value isText(FunctionCall& call);
Value isError(FunctionCall& call);
Value isNa(FunctionCall& call);
Value isLogical(FunctionCall& call);
Value na(FunctionCall& call);

// LookupFunctions.cpp
Value vlookup(FunctionCall& call);
Value hlookup(FunctionCall& call);
Value match(FunctionCall& call);
Value index(FunctionCall& call);

}  // namespace functions
}  // namespace formula
