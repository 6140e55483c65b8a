// What a cell holds: nothing, a number, a text, or (as the cached result of a
// formula) a logical or an error value.
#pragma once

#include <string>

namespace grid {

class CellValue {
  public:
    enum class Kind : unsigned char { Empty, Number, Text, Logical, Error };

    CellValue() = default;
    static CellValue number(double value);
    static CellValue text(std::wstring value);
    static CellValue logical(bool value);
    // An error value shown by its text, for example "#DIV/0!".
    static CellValue error(std::wstring errorText);

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    // The number of a Number (and 1 or 0 for a Logical); 0 otherwise.
    double asNumber() const { return number_; }
    // The text of a Text or Error value; empty otherwise.
    const std::wstring& asText() const { return text_; }

    friend bool operator==(const CellValue&, const CellValue&) = default;

  private:
    Kind kind_ = Kind::Empty;
    double number_ = 0;
    std::wstring text_;
};

}  // namespace grid
