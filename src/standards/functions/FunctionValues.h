// The arguments and the result of the standards sheet's own spreadsheet
// functions, as the function bodies see them once the grid's value records
// are read (FunctionRecords.h does the reading and writing, once for all).
#pragma once

#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"

// One argument: a number, a text, empty (no value, e.g. an empty cell), or
// anything else (an error value, a cell reference, a range), which no function
// accepts where it needs a number or a text.
struct FunctionArgument {
    enum class Kind { Empty, Number, Text, Other };

    Kind kind = Kind::Empty;
    double number = 0;
    Tvx_String text;  // one leading and one trailing double quote already removed

    static FunctionArgument ofNumber(double value) { return {Kind::Number, value, {}}; }
    static FunctionArgument ofText(Tvx_String value) { return {Kind::Text, 0, std::move(value)}; }
    static FunctionArgument empty() { return {}; }
    static FunctionArgument other() { return {Kind::Other, 0, {}}; }

    bool isNumber() const { return kind == Kind::Number; }
    bool isText() const { return kind == Kind::Text; }
    bool isEmpty() const { return kind == Kind::Empty; }
};

using FunctionArguments = Tvx_Array<FunctionArgument>;

// What a function gives back: a number, or a text (an empty text leaves the
// cell without value).
struct FunctionResult {
    enum class Kind { None, Number, Text };

    Kind kind = Kind::None;
    double number = 0;
    Tvx_String text;

    void setNumber(double value) {
        kind = Kind::Number;
        number = value;
    }
    void setText(Tvx_String value) {
        kind = Kind::Text;
        text = std::move(value);
    }
};

// A function body: true when it computed its result from the arguments,
// false when the arguments do not suit it (the cell then shows an error).
// The count of arguments is checked against the function's table entry
// before the body runs.
using FunctionBody = bool (*)(const FunctionArguments& arguments, FunctionResult& result);
