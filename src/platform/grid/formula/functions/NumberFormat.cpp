// Rendering numbers with format codes (the codes are listed in the header).
#include "platform/grid/formula/functions/NumberFormat.h"

#include <cmath>
#include <vector>

#include "platform/core/NumberText.h"
#include "platform/core/Tvx_String.h"
#include "platform/grid/formula/evaluator/Coercion.h"

namespace formula {
namespace {

// One piece of a section: a digit place, the point, an exponent or literal text.
struct Piece {
    enum Kind { Digit, Point, Exponent, Literal, TextPlaceholder } kind;
    wchar_t placeholder = L'0';  // Digit: '0', '#' or '?'; Exponent: '+' or '-'
    std::wstring literal;        // Literal text
    int exponentDigits = 0;      // Exponent: the count of 0s after E+ or E-
};

struct Section {
    std::vector<Piece> pieces;
    bool grouping = false;
    int percents = 0;
    int thousandsScale = 0;
    bool isGeneral = false;
};

std::vector<std::wstring_view> splitSections(std::wstring_view format) {
    std::vector<std::wstring_view> sections;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == L'"')
            quoted = !quoted;
        if (!quoted && format[i] == L'\\')
            ++i;
        else if (!quoted && format[i] == L';') {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    return sections;
}

bool isDigitPlace(wchar_t c) {
    return c == L'0' || c == L'#' || c == L'?';
}

void addLiteral(Section& section, std::wstring_view text) {
    if (!section.pieces.empty() && section.pieces.back().kind == Piece::Literal) {
        section.pieces.back().literal += text;
    } else {
        section.pieces.push_back({Piece::Literal, L'0', std::wstring(text), 0});
    }
}

Section compileSection(std::wstring_view code) {
    Section section;
    if (foldedText(code) == L"general") {
        section.isGeneral = true;
        return section;
    }
    bool digitsSeen = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const wchar_t c = code[i];
        if (c == L'"') {
            const std::size_t end = code.find(L'"', i + 1);
            const std::size_t stop = end == std::wstring_view::npos ? code.size() : end;
            addLiteral(section, code.substr(i + 1, stop - i - 1));
            i = stop;
        } else if (c == L'\\' && i + 1 < code.size()) {
            addLiteral(section, code.substr(++i, 1));
        } else if (isDigitPlace(c)) {
            section.pieces.push_back({Piece::Digit, c, {}, 0});
            digitsSeen = true;
        } else if (c == L'.') {
            section.pieces.push_back({Piece::Point, L'.', {}, 0});
        } else if (c == L',' && digitsSeen) {
            // A comma followed by another digit place groups thousands; commas
            // after the last digit place scale.
            std::size_t j = i;
            while (j < code.size() && code[j] == L',')
                ++j;
            const bool moreDigits = j < code.size() && (isDigitPlace(code[j]) || code[j] == L'.');
            if (moreDigits) {
                section.grouping = true;
            } else {
                section.thousandsScale += static_cast<int>(j - i);
            }
            i = j - 1;
        } else if (c == L'%') {
            ++section.percents;
            addLiteral(section, L"%");
        } else if ((c == L'E' || c == L'e') && i + 1 < code.size() &&
                   (code[i + 1] == L'+' || code[i + 1] == L'-') && digitsSeen) {
            Piece exponent{Piece::Exponent, code[i + 1], {}, 0};
            i += 2;
            while (i < code.size() && isDigitPlace(code[i])) {
                ++exponent.exponentDigits;
                ++i;
            }
            --i;
            section.pieces.push_back(exponent);
        } else if (c == L'@') {
            section.pieces.push_back({Piece::TextPlaceholder, L'@', {}, 0});
        } else {
            addLiteral(section, code.substr(i, 1));
        }
    }
    return section;
}

std::wstring groupThousands(const std::wstring& digits) {
    std::wstring grouped;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += L',';
        grouped += digits[static_cast<std::size_t>(i)];
    }
    return grouped;
}

// Renders a non-negative magnitude with the section's digit places.
std::wstring render(double magnitude, const Section& section) {
    int integerPlaces = 0;
    int decimalPlaces = 0;
    bool afterPoint = false;
    const Piece* exponent = nullptr;
    for (const Piece& piece : section.pieces) {
        if (piece.kind == Piece::Point)
            afterPoint = true;
        if (piece.kind == Piece::Exponent)
            exponent = &piece;
        if (piece.kind == Piece::Digit && !exponent)
            (afterPoint ? decimalPlaces : integerPlaces)++;
    }
    magnitude *= std::pow(100.0, section.percents);
    magnitude /= std::pow(1000.0, section.thousandsScale);
    int exponentValue = 0;
    if (exponent && magnitude != 0) {
        const int leading = integerPlaces > 0 ? integerPlaces : 1;
        exponentValue = static_cast<int>(std::floor(std::log10(magnitude))) - (leading - 1);
        magnitude /= std::pow(10.0, exponentValue);
        // Rounding may carry into one more integer digit (9.99 to 10.0).
        const std::wstring check = numtext::formatFixed(magnitude, decimalPlaces);
        if (check.find(L'.') == std::wstring::npos ? static_cast<int>(check.size()) > leading
                                                   : static_cast<int>(check.find(L'.')) > leading) {
            magnitude /= 10;
            ++exponentValue;
        }
    }
    const std::wstring fixed = numtext::formatFixed(magnitude, decimalPlaces);
    const std::size_t point = fixed.find(L'.');
    std::wstring integerDigits = fixed.substr(0, point);
    std::wstring decimalDigits = point == std::wstring::npos ? L"" : fixed.substr(point + 1);
    if (integerDigits == L"0")
        integerDigits.clear();
    if (section.grouping)
        integerDigits = groupThousands(integerDigits);

    // Integer places are filled from the right; the leftmost one takes every
    // digit left over. Places before the first point or exponent are integer places.
    std::size_t integerEnd = section.pieces.size();
    for (std::size_t k = 0; k < section.pieces.size(); ++k) {
        const auto kind = section.pieces[k].kind;
        if (kind == Piece::Point || kind == Piece::Exponent) {
            integerEnd = k;
            break;
        }
    }
    auto emptyPlace = [](wchar_t placeholder) -> std::wstring {
        return placeholder == L'0' ? L"0" : (placeholder == L'?' ? L" " : L"");
    };
    std::vector<std::wstring> rendered(section.pieces.size());
    int remaining = static_cast<int>(integerDigits.size());
    int placesLeft = integerPlaces;
    for (std::size_t k = integerEnd; k-- > 0;) {
        const Piece& piece = section.pieces[k];
        if (piece.kind != Piece::Digit)
            continue;
        if (--placesLeft == 0) {
            rendered[k] = remaining > 0
                              ? integerDigits.substr(0, static_cast<std::size_t>(remaining))
                              : emptyPlace(piece.placeholder);
            remaining = 0;
        } else if (remaining > 0) {
            rendered[k] = std::wstring(1, integerDigits[static_cast<std::size_t>(--remaining)]);
        } else {
            rendered[k] = emptyPlace(piece.placeholder);
        }
    }
    // Decimal places: trailing zeros may be dropped (#) or blanked (?).
    std::vector<std::size_t> decimalPieces;
    bool pastPoint = false;
    bool pastExponent = false;
    for (std::size_t k = 0; k < section.pieces.size(); ++k) {
        const Piece& piece = section.pieces[k];
        if (piece.kind == Piece::Point)
            pastPoint = true;
        if (piece.kind == Piece::Exponent)
            pastExponent = true;
        if (piece.kind == Piece::Digit && pastPoint && !pastExponent)
            decimalPieces.push_back(k);
    }
    bool trailing = true;
    for (std::size_t d = decimalPieces.size(); d-- > 0;) {
        const Piece& piece = section.pieces[decimalPieces[d]];
        const wchar_t digit = d < decimalDigits.size() ? decimalDigits[d] : L'0';
        if (trailing && digit == L'0' && piece.placeholder != L'0') {
            rendered[decimalPieces[d]] = piece.placeholder == L'?' ? L" " : L"";
        } else {
            trailing = false;
            rendered[decimalPieces[d]] = std::wstring(1, digit);
        }
    }
    std::wstring out;
    for (std::size_t k = 0; k < section.pieces.size(); ++k) {
        const Piece& piece = section.pieces[k];
        switch (piece.kind) {
            case Piece::Digit:
                out += rendered[k];
                break;
            case Piece::Point:
                out += L'.';
                break;
            case Piece::Literal:
                out += piece.literal;
                break;
            case Piece::TextPlaceholder:
                break;
            case Piece::Exponent: {
                out += L'E';
                if (exponentValue < 0) {
                    out += L'-';
                } else if (piece.placeholder == L'+') {
                    out += L'+';
                }
                std::wstring digits = std::to_wstring(std::abs(exponentValue));
                while (static_cast<int>(digits.size()) < piece.exponentDigits)
                    digits.insert(0, L"0");
                out += digits;
                break;
            }
        }
    }
    return out;
}

}  // namespace

std::wstring formatNumber(double value, std::wstring_view format) {
    const auto sections = splitSections(format);
    std::size_t chosen = 0;
    bool showMinus = value < 0;
    if (value < 0 && sections.size() >= 2) {
        chosen = 1;
        showMinus = false;
    } else if (value == 0 && sections.size() >= 3) {
        chosen = 2;
    }
    const Section section = compileSection(sections[chosen]);
    if (section.isGeneral) {
        return (showMinus ? L"-" : L"") + numberText(std::fabs(value));
    }
    std::wstring body = render(std::fabs(value), section);
    // A number that shows only zeros carries no minus sign.
    if (showMinus && body.find_first_of(L"123456789") != std::wstring::npos)
        body.insert(0, L"-");
    return body;
}

std::wstring formatText(const std::wstring& text, std::wstring_view format) {
    const auto sections = splitSections(format);
    if (sections.size() < 4)
        return text;
    const Section section = compileSection(sections[3]);
    std::wstring out;
    for (const Piece& piece : section.pieces) {
        if (piece.kind == Piece::Literal)
            out += piece.literal;
        if (piece.kind == Piece::TextPlaceholder)
            out += text;
    }
    return out;
}

}  // namespace formula
