// The formula lexer (the token rules are in the header).
#include "platform/grid/formula/lexer/Lexer.h"

#include <charconv>
#include <cmath>
#include <string>

namespace formula {
namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool isAsciiLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}
bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
}

// Reads up to maxDigits decimal digits at `at`; false when there are none or more.
bool readDigits(std::wstring_view text, std::size_t& at, int maxDigits, int& value) {
    std::size_t end = at;
    long long number = 0;
    while (end < text.size() && isDigit(text[end])) {
        if (static_cast<int>(end - at) == maxDigits)
            return false;
        number = number * 10 + (text[end] - L'0');
        ++end;
    }
    if (end == at)
        return false;
    value = static_cast<int>(number);
    at = end;
    return true;
}

}  // namespace

bool isNameStart(wchar_t c) {
    return isAsciiLetter(c) || c == L'_' || c >= 0x80;
}

bool isNameCharacter(wchar_t c) {
    return isNameStart(c) || isDigit(c) || c == L'.';
}

Lexer::Lexer(std::wstring_view text, ReferenceStyle style, int column, int row)
    : text_(text), style_(style), column_(column), row_(row) {}

Token Lexer::next() {
    while (at_ < text_.size() && isBlank(text_[at_]))
        ++at_;
    Token token;
    token.position = at_;
    if (at_ >= text_.size()) {
        token.kind = TokenKind::End;
        return token;
    }
    const wchar_t c = text_[at_];
    bool lexed = false;
    if (isDigit(c) || (c == L'.' && at_ + 1 < text_.size() && isDigit(text_[at_ + 1]))) {
        lexed = lexNumber(token);
    } else if (c == L'"') {
        lexed = lexText(token);
    } else if (c == L'#') {
        lexed = lexError(token);
    } else if (c == L'$' || isNameStart(c)) {
        lexed = style_ == ReferenceStyle::R1C1 ? lexR1C1Reference(token) : lexA1Reference(token);
        if (!lexed && c != L'$') {
            lexIdentifier(token);
            lexed = true;
        }
    } else {
        lexed = lexOperator(token);
    }
    if (!lexed) {
        token.kind = TokenKind::Invalid;
        token.length = 1;
        at_ = text_.size();  // nothing after an invalid token is read
        return token;
    }
    token.length = at_ - token.position;
    return token;
}

bool Lexer::lexNumber(Token& token) {
    std::size_t end = at_;
    while (end < text_.size() && isDigit(text_[end]))
        ++end;
    if (end < text_.size() && text_[end] == L'.') {
        ++end;
        while (end < text_.size() && isDigit(text_[end]))
            ++end;
    }
    if (end < text_.size() && (text_[end] == L'e' || text_[end] == L'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text_.size() && (text_[exponent] == L'+' || text_[exponent] == L'-')) {
            ++exponent;
        }
        if (exponent < text_.size() && isDigit(text_[exponent])) {
            while (exponent < text_.size() && isDigit(text_[exponent]))
                ++exponent;
            end = exponent;
        }
    }
    std::string narrow;
    narrow.reserve(end - at_);
    for (std::size_t i = at_; i < end; ++i)
        narrow.push_back(static_cast<char>(text_[i]));
    double value = 0;
    const auto result = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large a literal reads as infinity, which evaluates to #NUM!; too
        // small a one as 0.
        const std::size_t e = narrow.find_first_of("eE");
        value = e != std::string::npos && narrow[e + 1] == '-' ? 0.0 : HUGE_VAL;
    }
    token.kind = TokenKind::Number;
    token.number = value;
    at_ = end;
    return true;
}

bool Lexer::lexText(Token& token) {
    std::size_t i = at_ + 1;
    std::wstring characters;
    while (i < text_.size()) {
        if (text_[i] == L'"') {
            if (i + 1 < text_.size() && text_[i + 1] == L'"') {
                characters.push_back(L'"');
                i += 2;
                continue;
            }
            token.kind = TokenKind::Text;
            token.text = std::move(characters);
            at_ = i + 1;
            return true;
        }
        characters.push_back(text_[i]);
        ++i;
    }
    return false;
}

bool Lexer::lexError(Token& token) {
    // The longest error text that the characters here begin with.
    std::size_t best = 0;
    for (std::size_t length = 2; length <= 7 && at_ + length <= text_.size(); ++length) {
        if (auto kind = errorFromText(text_.substr(at_, length))) {
            token.error = *kind;
            best = length;
        }
    }
    if (best == 0)
        return false;
    token.kind = TokenKind::ErrorLiteral;
    at_ += best;
    return true;
}

bool Lexer::endsName(std::size_t at) const {
    return at >= text_.size() || (!isNameCharacter(text_[at]) && text_[at] != L'(' &&
                                  text_[at] != L'$' && text_[at] != L'[');
}

bool Lexer::lexA1Reference(Token& token) {
    std::size_t i = at_;
    ReferenceToken reference;
    if (text_[i] == L'$') {
        reference.isColumnAbsolute = true;
        ++i;
    }
    const std::size_t lettersStart = i;
    while (i < text_.size() && isAsciiLetter(text_[i]))
        ++i;
    reference.column = columnFromLetters(text_.substr(lettersStart, i - lettersStart));
    if (reference.column == 0)
        return false;
    if (i < text_.size() && text_[i] == L'$') {
        reference.isRowAbsolute = true;
        ++i;
    }
    if (!readDigits(text_, i, 8, reference.row) || reference.row == 0 || !endsName(i))
        return false;
    token.kind = TokenKind::Reference;
    token.reference = reference;
    at_ = i;
    return true;
}

bool Lexer::lexR1C1Part(wchar_t letter, std::size_t& at, int base, int& value,
                        bool& isAbsolute) const {
    if (at >= text_.size() || (text_[at] != letter && text_[at] != letter - L'A' + L'a')) {
        return false;
    }
    ++at;
    isAbsolute = false;
    value = base;
    if (at < text_.size() && text_[at] == L'[') {
        std::size_t i = at + 1;
        bool negative = false;
        if (i < text_.size() && (text_[i] == L'-' || text_[i] == L'+'))
            negative = text_[i++] == L'-';
        int offset = 0;
        if (!readDigits(text_, i, 8, offset) || i >= text_.size() || text_[i] != L']')
            return false;
        value = base + (negative ? -offset : offset);
        at = i + 1;
    } else if (at < text_.size() && isDigit(text_[at])) {
        std::size_t i = at;
        if (!readDigits(text_, i, 8, value))
            return false;
        isAbsolute = true;
        at = i;
    }
    return true;
}

bool Lexer::lexR1C1Reference(Token& token) {
    std::size_t i = at_;
    ReferenceToken reference;
    if (!lexR1C1Part(L'R', i, row_, reference.row, reference.isRowAbsolute))
        return false;
    if (!lexR1C1Part(L'C', i, column_, reference.column, reference.isColumnAbsolute))
        return false;
    if (!endsName(i))
        return false;
    token.kind = TokenKind::Reference;
    token.reference = reference;
    at_ = i;
    return true;
}

void Lexer::lexIdentifier(Token& token) {
    std::size_t end = at_ + 1;
    while (end < text_.size() && isNameCharacter(text_[end]))
        ++end;
    token.kind = TokenKind::Identifier;
    token.text = std::wstring(text_.substr(at_, end - at_));
    token.isFollowedByParen = end < text_.size() && text_[end] == L'(';
    at_ = end;
}

bool Lexer::lexOperator(Token& token) {
    const wchar_t c = text_[at_];
    const wchar_t following = at_ + 1 < text_.size() ? text_[at_ + 1] : L'\0';
    std::size_t length = 1;
    switch (c) {
        case L'+':
            token.kind = TokenKind::Plus;
            break;
        case L'-':
            token.kind = TokenKind::Minus;
            break;
        case L'*':
            token.kind = TokenKind::Star;
            break;
        case L'/':
            token.kind = TokenKind::Slash;
            break;
        case L'^':
            token.kind = TokenKind::Caret;
            break;
        case L'&':
            token.kind = TokenKind::Ampersand;
            break;
        case L'%':
            token.kind = TokenKind::Percent;
            break;
        case L'=':
            token.kind = TokenKind::Equal;
            break;
        case L'(':
            token.kind = TokenKind::LeftParen;
            break;
        case L')':
            token.kind = TokenKind::RightParen;
            break;
        case L',':
        case L';':
            token.kind = TokenKind::Separator;
            break;
        case L':':
            token.kind = TokenKind::Colon;
            break;
        case L'<':
            if (following == L'=') {
                token.kind = TokenKind::LessEqual;
                length = 2;
            } else if (following == L'>') {
                token.kind = TokenKind::NotEqual;
                length = 2;
            } else {
                token.kind = TokenKind::Less;
            }
            break;
        case L'>':
            if (following == L'=') {
                token.kind = TokenKind::GreaterEqual;
                length = 2;
            } else {
                token.kind = TokenKind::Greater;
            }
            break;
        default:
            return false;
    }
    at_ += length;
    return true;
}

}  // namespace formula
