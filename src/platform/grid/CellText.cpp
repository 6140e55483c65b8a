// The text rules of cell types: value and display texts, and reading text into values.
#include "platform/grid/CellText.h"

#include <cmath>

#include "platform/core/NumberText.h"
#include "platform/core/Tvx_String.h"

namespace grid {
namespace {

// The blanks that the number reader skips at both ends of a text.
bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
}

// Whole numbers below this size are written with their exact digits, so that
// rounding them to any decimals gives them back unchanged.
constexpr double kExactWholeLimit = 1e15;

// The number rounded as a number cell with these decimals stores it.
double roundForCell(double number, int decimals) {
    double rounded = 0;
    if (decimals == 0) {
        rounded = std::trunc(number);
    } else if (std::fabs(number) < kExactWholeLimit && number == std::trunc(number)) {
        rounded = number;
    } else {
        numtext::parseWholeDouble(numtext::formatFixed(number, decimals), rounded);
    }
    return rounded == 0 ? 0.0 : rounded;  // no negative zero
}

std::optional<CellValue> numberForNumberCell(const CellType& type, double number) {
    if (!std::isfinite(number))
        return std::nullopt;
    const double rounded = roundForCell(number, type.decimals);
    if (rounded < type.minimum || rounded > type.maximum)
        return std::nullopt;
    return CellValue::number(rounded);
}

// Inserts "," between groups of three digits of the whole part of a fixed-decimal text.
std::wstring groupThousands(const std::wstring& fixed) {
    const size_t digitsStart = (!fixed.empty() && fixed[0] == L'-') ? 1 : 0;
    size_t digitsEnd = fixed.find(L'.');
    if (digitsEnd == std::wstring::npos)
        digitsEnd = fixed.size();
    std::wstring grouped = fixed.substr(0, digitsStart);
    for (size_t i = digitsStart; i < digitsEnd; ++i) {
        if (i > digitsStart && (digitsEnd - i) % 3 == 0)
            grouped += L',';
        grouped += fixed[i];
    }
    grouped += fixed.substr(digitsEnd);
    return grouped;
}

bool isComboItem(const std::wstring& items, std::wstring_view text) {
    size_t start = 0;
    while (start <= items.size()) {
        size_t end = items.find(L'\t', start);
        if (end == std::wstring::npos)
            end = items.size();
        if (std::wstring_view(items).substr(start, end - start) == text)
            return true;
        start = end + 1;
    }
    return false;
}

std::optional<CellValue> readNumberCellText(const CellType& type, std::wstring_view text) {
    std::wstring cleaned;
    if (type.thousandsSeparator && text.find(L',') != std::wstring_view::npos) {
        for (wchar_t c : text) {
            if (c != L',')
                cleaned += c;
        }
        text = cleaned;
    }
    double number = 0;
    if (!numtext::parseWholeDouble(text, number))
        return std::nullopt;
    return numberForNumberCell(type, number);
}

std::optional<CellValue> readTextCellText(const CellType& type, std::wstring_view text) {
    if (static_cast<long long>(text.size()) > type.maxLength)
        return std::nullopt;
    Tvx_String cased{std::wstring(text)};
    if (type.style & kStyleUpperCase)
        cased = cased.toUpper();
    if (type.style & kStyleLowerCase)
        cased = cased.toLower();
    return CellValue::text(cased.str());
}

}  // namespace

bool isNumberLiteral(std::wstring_view text) {
    if (text.empty() || isBlank(text.front()) || isBlank(text.back()))
        return false;
    double ignored = 0;
    return numtext::parseWholeDouble(text, ignored);
}

void writeValueText(const CellType& type, const CellValue& value, std::wstring& out) {
    const bool isCheck = type.kind == CellKind::CheckBox;
    const auto checkMark = [&](bool on) { out.assign(on ? L"1" : L"0"); };
    out.clear();
    switch (value.kind()) {
        case CellValue::Kind::Empty:
            if (isCheck)
                checkMark(false);
            return;
        case CellValue::Kind::Error:
            out.assign(value.asText());
            return;
        case CellValue::Kind::Text:
            if (isCheck)
                checkMark(value.asText() == L"1");
            else
                out.assign(value.asText());
            return;
        case CellValue::Kind::Logical:
            if (isCheck)
                checkMark(value.asNumber() != 0);
            else
                out.assign(value.asNumber() != 0 ? L"TRUE" : L"FALSE");
            return;
        case CellValue::Kind::Number:
            if (isCheck)
                checkMark(value.asNumber() != 0);
            else if (type.kind == CellKind::Number)
                numtext::appendFixed(out, value.asNumber(), type.decimals);
            else
                numtext::appendGeneral(out, value.asNumber());
            return;
    }
}

std::wstring valueText(const CellType& type, const CellValue& value) {
    std::wstring text;
    writeValueText(type, value, text);
    return text;
}

std::wstring displayText(const CellType& type, const CellValue& value) {
    std::wstring text = valueText(type, value);
    if (type.kind == CellKind::Number && type.thousandsSeparator &&
        value.kind() == CellValue::Kind::Number) {
        return groupThousands(text);
    }
    if (type.kind == CellKind::Text && (type.style & kStylePassword)) {
        return std::wstring(text.size(), L'*');
    }
    return text;
}

std::optional<CellValue> readCellText(const CellType& type, std::wstring_view text,
                                      TextReading reading) {
    if (text.empty())
        return CellValue{};
    switch (type.kind) {
        case CellKind::General:
            if (reading == TextReading::AsValue && isNumberLiteral(text)) {
                double number = 0;
                numtext::parseWholeDouble(text, number);
                if (std::isfinite(number))
                    return CellValue::number(number);
            }
            return CellValue::text(std::wstring(text));
        case CellKind::Number:
            return readNumberCellText(type, text);
        case CellKind::CheckBox:
            if (text == L"1")
                return CellValue::number(1);
            if (text == L"0")
                return CellValue::number(0);
            return std::nullopt;
        case CellKind::Text:
            return readTextCellText(type, text);
        case CellKind::ComboBox:
            if (!(type.style & kStyleEditable) && !isComboItem(type.text, text)) {
                return std::nullopt;
            }
            return CellValue::text(std::wstring(text));
        case CellKind::StaticText:
        case CellKind::Button:
        case CellKind::Picture:
            return CellValue::text(std::wstring(text));
    }
    return std::nullopt;
}

std::optional<CellValue> readCellNumber(const CellType& type, double number) {
    if (!std::isfinite(number))
        return std::nullopt;
    switch (type.kind) {
        case CellKind::General:
            return CellValue::number(number);
        case CellKind::Number:
            return numberForNumberCell(type, number);
        case CellKind::CheckBox:
            return CellValue::number(number != 0 ? 1 : 0);
        default:
            return readCellText(type, numtext::formatGeneral(number), TextReading::AsTyped);
    }
}

}  // namespace grid
