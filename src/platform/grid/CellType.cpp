// The cell type builders, their validation and the type codes.
#include "platform/grid/CellType.h"

#include <cmath>

namespace grid {
namespace {

constexpr std::uint32_t kTextStyles =
    kStylePassword | kStyleUpperCase | kStyleLowerCase | kStyleWordWrap | kStyleEllipsis;
constexpr std::uint32_t kStaticStyles = kStyleWordWrap | kStyleEllipsis;

bool onlyBits(std::uint32_t style, std::uint32_t allowed) {
    return (style & ~allowed) == 0;
}

CellType ofKind(CellKind kind, std::uint32_t style) {
    CellType type;
    type.kind = kind;
    type.style = style;
    return type;
}

bool withinNumberLimit(double value) {
    return std::isfinite(value) && std::fabs(value) <= kNumberRangeLimit;
}

}  // namespace

std::optional<CellType> makeTextType(std::uint32_t style, int maxLength) {
    if (!onlyBits(style, kTextStyles))
        return std::nullopt;
    if ((style & kStyleUpperCase) && (style & kStyleLowerCase))
        return std::nullopt;
    if (maxLength < 1 || maxLength > kMaxTextLength)
        return std::nullopt;
    CellType type = ofKind(CellKind::Text, style);
    type.maxLength = maxLength;
    return type;
}

std::optional<CellType> makeNumberType(int decimals, double minimum, double maximum,
                                       bool thousandsSeparator) {
    if (decimals < 0 || decimals > kMaxDecimals)
        return std::nullopt;
    if (!withinNumberLimit(minimum) || !withinNumberLimit(maximum) || minimum > maximum) {
        return std::nullopt;
    }
    CellType type = ofKind(CellKind::Number, 0);
    type.decimals = decimals;
    type.minimum = minimum;
    type.maximum = maximum;
    type.thousandsSeparator = thousandsSeparator;
    return type;
}

std::optional<CellType> makeStaticTextType(std::uint32_t style) {
    if (!onlyBits(style, kStaticStyles))
        return std::nullopt;
    return ofKind(CellKind::StaticText, style);
}

std::optional<CellType> makeCheckBoxType(std::uint32_t style, std::wstring caption,
                                         std::wstring pictureOff, std::wstring pictureOn) {
    if (!onlyBits(style, kStyleCaptionLeft))
        return std::nullopt;
    CellType type = ofKind(CellKind::CheckBox, style);
    type.text = std::move(caption);
    type.pictureOff = std::move(pictureOff);
    type.pictureOn = std::move(pictureOn);
    return type;
}

std::optional<CellType> makeComboBoxType(std::uint32_t style, std::wstring items) {
    if (!onlyBits(style, kStyleEditable))
        return std::nullopt;
    CellType type = ofKind(CellKind::ComboBox, style);
    type.text = std::move(items);
    return type;
}

std::optional<CellType> makeButtonType(std::uint32_t style, std::wstring caption) {
    if (style != 0)
        return std::nullopt;
    CellType type = ofKind(CellKind::Button, style);
    type.text = std::move(caption);
    return type;
}

std::optional<CellType> makePictureType(std::uint32_t style, std::wstring picture) {
    if (!onlyBits(style, kStyleStretch | kStyleKeepAspect))
        return std::nullopt;
    if ((style & kStyleKeepAspect) && !(style & kStyleStretch))
        return std::nullopt;
    if (picture.empty())
        return std::nullopt;
    CellType type = ofKind(CellKind::Picture, style);
    type.text = std::move(picture);
    return type;
}

bool isValidCellType(const CellType& type) {
    std::optional<CellType> rebuilt;
    switch (type.kind) {
        case CellKind::General:
            rebuilt = CellType{};
            break;
        case CellKind::Text:
            rebuilt = makeTextType(type.style, type.maxLength);
            break;
        case CellKind::Number:
            rebuilt =
                makeNumberType(type.decimals, type.minimum, type.maximum, type.thousandsSeparator);
            break;
        case CellKind::StaticText:
            rebuilt = makeStaticTextType(type.style);
            break;
        case CellKind::CheckBox:
            rebuilt = makeCheckBoxType(type.style, type.text, type.pictureOff, type.pictureOn);
            break;
        case CellKind::ComboBox:
            rebuilt = makeComboBoxType(type.style, type.text);
            break;
        case CellKind::Button:
            rebuilt = makeButtonType(type.style, type.text);
            break;
        case CellKind::Picture:
            rebuilt = makePictureType(type.style, type.text);
            break;
    }
    return rebuilt && *rebuilt == type;
}

int cellTypeCode(const CellType& type, const CellValue& value) {
    switch (type.kind) {
        case CellKind::General:
            return value.kind() == CellValue::Kind::Number ? 16 : 0;
        case CellKind::Text:
            return 1;
        case CellKind::ComboBox:
            return 2;
        case CellKind::Button:
            return 4;
        case CellKind::Picture:
            return 6;
        case CellKind::StaticText:
            return 8;
        case CellKind::CheckBox:
            return 12;
        case CellKind::Number:
            if (type.decimals == 0)
                return 10;
            return type.thousandsSeparator ? 15 : 14;
    }
    return 0;
}

}  // namespace grid
