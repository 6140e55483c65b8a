// Why a formula text was refused: a code, the position and a message from one catalogue.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace formula {

enum class ParseErrorCode : std::uint8_t {
    EmptyFormula,
    TooLong,
    InvalidCharacter,
    UnterminatedText,
    UnexpectedToken,
    UnexpectedEnd,
    MissingCloseParen,
    ExpectedReference,
    WrongArgumentCount,
    TooManyArguments,
    CellOutsideSheet,  // the formula engine's setter: the cell lies outside the sheet
    EngineBusy,        // the formula engine's setter: called while the sheet recalculates
};

struct ParseError {
    ParseErrorCode code = ParseErrorCode::EmptyFormula;
    std::size_t position = 0;  // character index in the formula text
    std::wstring message;      // "position 4: expected ')' ..." in plain English
};

// Builds the error with its catalogue message; detail (may be empty) names what
// was found or which function was called.
ParseError makeParseError(ParseErrorCode code, std::size_t position, std::wstring_view detail);

}  // namespace formula
