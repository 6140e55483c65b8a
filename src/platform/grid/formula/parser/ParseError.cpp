// The catalogue of parse error messages: every refusal of formula text is worded here.
#include "platform/grid/formula/parser/ParseError.h"

#include <string>

namespace formula {
namespace {

std::wstring_view catalogueText(ParseErrorCode code) {
    switch (code) {
        case ParseErrorCode::EmptyFormula:
            return L"the formula is empty";
        case ParseErrorCode::TooLong:
            return L"the formula is longer than 8192 characters";
        case ParseErrorCode::InvalidCharacter:
            return L"a character that starts no token";
        case ParseErrorCode::UnterminatedText:
            return L"a text without its closing quote";
        case ParseErrorCode::UnexpectedToken:
            return L"unexpected";
        case ParseErrorCode::UnexpectedEnd:
            return L"the formula ends where an operand is expected";
        case ParseErrorCode::MissingCloseParen:
            return L"expected ')'";
        case ParseErrorCode::ExpectedReference:
            return L"expected a cell reference after ':'";
        case ParseErrorCode::WrongArgumentCount:
            return L"wrong number of arguments for";
        case ParseErrorCode::TooManyArguments:
            return L"more than 255 arguments for";
        case ParseErrorCode::CellOutsideSheet:
            return L"the formula's cell lies outside the sheet";
        case ParseErrorCode::EngineBusy:
            return L"formulas cannot change while the sheet recalculates";
    }
    return L"cannot parse";
}

}  // namespace

ParseError makeParseError(ParseErrorCode code, std::size_t position, std::wstring_view detail) {
    ParseError error;
    error.code = code;
    error.position = position;
    error.message = L"position " + std::to_wstring(position + 1) + L": ";
    error.message += catalogueText(code);
    if (!detail.empty()) {
        error.message += L" ";
        error.message += detail;
    }
    return error;
}

}  // namespace formula
