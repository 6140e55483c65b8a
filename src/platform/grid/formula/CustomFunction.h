// Functions that the sheet's owner adds to the formula language, and the value
// records through which they receive arguments and return their result.
//
// A record holds a status byte, a type byte and the value:
//
//   status  0 kValuePresent   the value below is present
//           1 kValueFailed    the argument is an error value
//           2 kValueMissing   no value (an empty cell)
//   type    0 kWholeNumber    wholeNumber
//           1 kDouble         number
//           2 kText           text
//           3 kCellReference  column, row: one cell of the calling sheet
//           4 kRange          column, row .. lastColumn, lastRow
//
// How arguments arrive (the formula's cell is the calling cell):
// - a number is a whole number (type 0) when it has no fraction and lies within
//   the 32-bit range, otherwise a double (type 1); TRUE and FALSE are 1 and 0;
// - a text is type 2; an error value is status 1; an empty cell is status 2;
// - a bare cell reference such as A9 arrives as the value of that cell, exactly
//   as A9+0 would except that an empty cell stays status 2 — unless the
//   function was added with kPassReferencesAsCells, then as a type-3 record;
// - a range such as A1:B3 always arrives as a type-4 record;
// - any other expression arrives as its value.
// A reference outside the sheet arrives as status 1 (failed).
//
// What the result gives the cell:
// - callback returned false, or status 1: #VALUE!;
// - status 2 (no value left in the result): an empty text;
// - status 0: type 0 or 1 the number, type 2 the text, type 3 the value of
//   that cell of the calling sheet (#REF! outside it), type 4 #VALUE!.
// A call with fewer or more arguments than registered gives #VALUE! without
// calling the callback; a name that no built-in and no custom function has
// gives #NAME?.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace formula {

enum ValueStatus : std::uint8_t { kValuePresent = 0, kValueFailed = 1, kValueMissing = 2 };
enum ValueType : std::uint8_t {
    kWholeNumber = 0,
    kDouble = 1,
    kText = 2,
    kCellReference = 3,
    kRange = 4
};

struct ValueRecord {
    std::uint8_t status = kValueMissing;
    std::uint8_t type = kWholeNumber;
    std::int32_t wholeNumber = 0;
    double number = 0;
    std::wstring text;
    int column = 0;
    int row = 0;
    int lastColumn = 0;
    int lastRow = 0;
};

// How deeply custom function calls may nest on one thread, counting calls that
// evaluate formulas of other sheets from within a callback; a call deeper than
// this gives #DEPTH! without calling the callback.
inline constexpr int kMaxCustomCallNesting = 32;

// Flag of addCustomFunction: bare cell references arrive as type-3 records.
inline constexpr unsigned kPassReferencesAsCells = 0x1;

// Receives the result record (status 2, type 0 on entry) and the argument
// records; returns true when it filled the result.
using CustomFunctionCallback =
    std::function<bool(ValueRecord& result, std::span<const ValueRecord> arguments)>;

struct CustomFunction {
    std::wstring name;  // upper case
    int minArguments = 0;
    int maxArguments = 0;
    CustomFunctionCallback callback;
    unsigned flags = 0;
    // What the callback calls, when its adder can tell (the address of the
    // library callback it wraps), else 0: callbacks of the same non-zero
    // source behave alike.
    std::uintptr_t source = 0;

    // True when `name` is this function's name in any letter case.
    bool isNamed(std::wstring_view name) const;
    // True when adding this function again with these settings would change
    // nothing: the same non-zero source, argument counts and flags.
    bool isAddedAs(int minimum, int maximum, unsigned addFlags,
                   std::uintptr_t callbackSource) const {
        return callbackSource != 0 && source == callbackSource && minArguments == minimum &&
               maxArguments == maximum && flags == addFlags;
    }
};

// The custom functions of one sheet, found by name without regard to letter case.
class CustomFunctionRegistry {
  public:
    // Adds a function, or replaces the one of the same name. Refused (false):
    // an empty name or one with characters other than letters, digits, "_" and
    // "." or not starting with a letter or "_", the name of a built-in function,
    // a minimum below 0, a maximum below the minimum or above 255, no callback.
    // Adding a function exactly as it is already added (CustomFunction::isAddedAs)
    // succeeds and keeps the one there.
    bool add(std::wstring_view name, int minArguments, int maxArguments,
             CustomFunctionCallback callback, unsigned flags, std::uintptr_t source = 0);
    // The function of an upper-case name, or nullptr.
    const CustomFunction* find(std::wstring_view upperName) const;
    // The function of a name in any letter case, or nullptr.
    const CustomFunction* findNamed(std::wstring_view name) const;
    // Counts every add that changed a function, so that callers can tell when
    // names may resolve differently.
    unsigned version() const { return version_; }

  private:
    std::vector<CustomFunction> functions_;
    unsigned version_ = 0;
};

}  // namespace formula
