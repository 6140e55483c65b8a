// Splits formula text into tokens.
//
// Blanks (space, tab, line breaks) between tokens are skipped. A name directly
// followed by "(" is always an identifier (so LOG10( is a function, not the cell
// LOG10). In the A1 styles a name of one to three letters and up to eight digits,
// each part optionally after "$", is a reference; in the R1C1 style the forms
// R<n>C<n>, R[<offset>]C[<offset>] and their mixtures, with "R" or "C" alone for
// the formula's own row or column, are references. Anything else that starts
// with a letter or "_" is an identifier of letters, digits, "_" and ".".
#pragma once

#include <string_view>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/lexer/Token.h"

namespace formula {

class Lexer {
  public:
    // Relative R1C1 references resolve against the cell (column, row).
    Lexer(std::wstring_view text, ReferenceStyle style, int column, int row);

    // The next token; End at the end of the text, then End again. A character
    // that starts no token gives Invalid, and so does text whose closing quote
    // is missing; the caller stops there.
    Token next();

  private:
    bool lexNumber(Token& token);
    bool lexText(Token& token);
    bool lexError(Token& token);
    bool lexA1Reference(Token& token);
    bool lexR1C1Reference(Token& token);
    bool lexR1C1Part(wchar_t letter, std::size_t& at, int base, int& value, bool& isAbsolute) const;
    void lexIdentifier(Token& token);
    bool endsName(std::size_t at) const;
    bool lexOperator(Token& token);

    std::wstring_view text_;
    ReferenceStyle style_;
    int column_;
    int row_;
    std::size_t at_ = 0;
};

// True for the characters of a name after its first one.
bool isNameCharacter(wchar_t c);
// True for the characters that may start a name.
bool isNameStart(wchar_t c);

}  // namespace formula
