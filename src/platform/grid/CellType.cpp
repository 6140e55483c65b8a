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

// The parameter rules of each builder, shared by the builders and by
// isValidCellType (which checks a type without building a copy of it).
bool isTextStyleAndLength(std::uint32_t style, int maxLength) {
    return onlyBits(style, kTextStyles) &&
           !((style & kStyleUpperCase) && (style & kStyleLowerCase)) && maxLength >= 1 &&
           maxLength <= kMaxTextLength;
}

bool isNumberRange(int decimals, double minimum, double maximum) {
    return decimals >= 0 && decimals <= kMaxDecimals && withinNumberLimit(minimum) &&
           withinNumberLimit(maximum) && minimum <= maximum;
}

bool isPictureStyle(std::uint32_t style) {
    return onlyBits(style, kStyleStretch | kStyleKeepAspect) &&
           !((style & kStyleKeepAspect) && !(style & kStyleStretch));
}

}  // namespace

std::optional<CellType> makeTextType(std::uint32_t style, int maxLength) {
    if (!isTextStyleAndLength(style, maxLength))
        return std::nullopt;
    CellType type = ofKind(CellKind::Text, style);
    type.maxLength = maxLength;
    return type;
}

std::optional<CellType> makeNumberType(int decimals, double minimum, double maximum,
                                       bool thousandsSeparator) {
    if (!isNumberRange(decimals, minimum, maximum))
        return std::nullopt;
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
    if (!isPictureStyle(style) || picture.empty())
        return std::nullopt;
    CellType type = ofKind(CellKind::Picture, style);
    type.text = std::move(picture);
    return type;
}

bool isValidCellType(const CellType& type) {
    // Every field a kind's builder does not set keeps its default.
    const CellType plain;
    const bool plainLength = type.maxLength == plain.maxLength;
    const bool plainNumber = type.decimals == plain.decimals && type.minimum == plain.minimum &&
                             type.maximum == plain.maximum &&
                             type.thousandsSeparator == plain.thousandsSeparator;
    const bool noPictures = type.pictureOff.empty() && type.pictureOn.empty();
    const bool noTexts = type.text.empty() && noPictures;
    switch (type.kind) {
        case CellKind::General:
            return type.style == 0 && plainLength && plainNumber && noTexts;
        case CellKind::Text:
            return isTextStyleAndLength(type.style, type.maxLength) && plainNumber && noTexts;
        case CellKind::Number:
            return type.style == 0 && isNumberRange(type.decimals, type.minimum, type.maximum) &&
                   plainLength && noTexts;
        case CellKind::StaticText:
            return onlyBits(type.style, kStaticStyles) && plainLength && plainNumber && noTexts;
        case CellKind::CheckBox:
            return onlyBits(type.style, kStyleCaptionLeft) && plainLength && plainNumber;
        case CellKind::ComboBox:
            return onlyBits(type.style, kStyleEditable) && plainLength && plainNumber && noPictures;
        case CellKind::Button:
            return type.style == 0 && plainLength && plainNumber && noPictures;
        case CellKind::Picture:
            return isPictureStyle(type.style) && !type.text.empty() && plainLength && plainNumber &&
                   noPictures;
    }
    return false;
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
