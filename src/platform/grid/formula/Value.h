// The value of a cell or of an expression: empty, number, logical, text or error.
//
// Errors are values, never exceptions: a formula that fails yields one of the
// error kinds below, and the error travels through every operator and function
// that does not test for it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace formula {

enum class ErrorKind : std::uint8_t {
    DivisionByZero,  // #DIV/0!
    Value,           // #VALUE!  wrong type of operand or argument
    Reference,       // #REF!    a reference outside the sheet
    Name,            // #NAME?   an unknown name or function
    NotAvailable,    // #N/A     a look-up found nothing, or a function gave no value
    Number,          // #NUM!    a number outside a function's domain, or overflow
    Circular,        // #CIRC!   the cell takes part in a circular reference
    TooDeep,         // #DEPTH!  the formula nests deeper than the engine allows
};

// The text of an error ("#DIV/0!", ...).
std::wstring_view errorText(ErrorKind kind);
// The error whose text this is (letter case ignored); nothing for any other text.
std::optional<ErrorKind> errorFromText(std::wstring_view text);

class Value {
  public:
    enum class Type : std::uint8_t { Empty, Number, Logical, Text, Error };

    // An empty value: a cell without content.
    Value() = default;
    // A number; a result that is not finite (overflow, not-a-number) becomes #NUM!.
    static Value number(double value);
    // TRUE or FALSE: a number 1 or 0 that shows as a logical.
    static Value logical(bool value);
    static Value text(std::wstring value);
    static Value error(ErrorKind kind);

    Type type() const { return type_; }
    bool isEmpty() const { return type_ == Type::Empty; }
    // Numbers and logicals: both take part in arithmetic.
    bool isNumeric() const { return type_ == Type::Number || type_ == Type::Logical; }
    bool isLogical() const { return type_ == Type::Logical; }
    bool isText() const { return type_ == Type::Text; }
    bool isError() const { return type_ == Type::Error; }

    // The number of a number or logical (0 for any other type).
    double asNumber() const { return number_; }
    // The text of a text value (empty for any other type).
    const std::wstring& asText() const { return text_ ? *text_ : emptyText(); }
    // The kind of an error value (meaningless for any other type).
    ErrorKind asError() const { return error_; }

    friend bool operator==(const Value& a, const Value& b);

  private:
    static const std::wstring& emptyText();

    Type type_ = Type::Empty;
    ErrorKind error_ = ErrorKind::Value;
    double number_ = 0;
    // Shared, so that copying a value (which the evaluator does for every
    // cell it reads) never copies characters; numbers carry no text at all.
    std::shared_ptr<const std::wstring> text_;
};

// A readable form for diagnostics and test output: 12.5, "abc", TRUE, #N/A, (empty).
std::wstring describe(const Value& value);

}  // namespace formula
