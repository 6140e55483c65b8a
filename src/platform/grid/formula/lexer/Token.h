// The tokens of formula text.
#pragma once

#include <cstddef>
#include <string>

#include "platform/grid/formula/Value.h"

namespace formula {

enum class TokenKind : std::uint8_t {
    Number,        // 12, 1.5, .5, 2E-3
    Text,          // "abc" (text holds the characters without quotes, "" undoubled)
    Identifier,    // a function name, TRUE, FALSE or an unknown name
    Reference,     // one cell: B3, $B$3, R3C2, R[-1]C
    ErrorLiteral,  // #N/A, #DIV/0!, ...
    Plus,
    Minus,
    Star,
    Slash,
    Caret,
    Ampersand,
    Percent,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    LeftParen,
    RightParen,
    Separator,  // "," or ";" between function arguments
    Colon,
    End,
    Invalid,  // a character that starts no token, or text without its closing quote
};

// One cell reference as written: the cell it names (relative references already
// resolved against the formula's cell) and which parts are absolute.
struct ReferenceToken {
    int column = 0;
    int row = 0;
    bool isColumnAbsolute = false;
    bool isRowAbsolute = false;
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t position = 0;  // of the first character
    std::size_t length = 0;
    double number = 0;
    std::wstring text;  // Text: the characters; Identifier: the name as written
    ReferenceToken reference;
    ErrorKind error = ErrorKind::Value;
    bool isFollowedByParen = false;  // Identifier directly followed by "("
};

}  // namespace formula
