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

// The defaults of the fields a kind's builder may leave alone: those of a
// new CellType record (the builders' tests hold the two together).
constexpr int kPlainMaxLength = kMaxTextLength;
constexpr int kPlainDecimals = 0;
constexpr double kPlainMinimum = -kNumberRangeLimit;
constexpr double kPlainMaximum = kNumberRangeLimit;

// Sets every field of `type` to the default of a type of this kind and style,
// keeping the storage of its texts.
void resetTo(CellType& type, CellKind kind, std::uint32_t style) {
    type.kind = kind;
    type.style = style;
    type.maxLength = kPlainMaxLength;
    type.decimals = kPlainDecimals;
    type.minimum = kPlainMinimum;
    type.maximum = kPlainMaximum;
    type.thousandsSeparator = false;
    type.text.clear();
    type.pictureOff.clear();
    type.pictureOn.clear();
}

// Runs a record-filling builder on a new record.
template <typename Fill>
std::optional<CellType> built(Fill fill) {
    CellType type;
    if (!fill(type))
        return std::nullopt;
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

bool setTextType(CellType& type, std::uint32_t style, int maxLength) {
    if (!isTextStyleAndLength(style, maxLength))
        return false;
    resetTo(type, CellKind::Text, style);
    type.maxLength = maxLength;
    return true;
}

bool setNumberType(CellType& type, int decimals, double minimum, double maximum,
                   bool thousandsSeparator) {
    if (!isNumberRange(decimals, minimum, maximum))
        return false;
    resetTo(type, CellKind::Number, 0);
    type.decimals = decimals;
    type.minimum = minimum;
    type.maximum = maximum;
    type.thousandsSeparator = thousandsSeparator;
    return true;
}

bool setStaticTextType(CellType& type, std::uint32_t style) {
    if (!onlyBits(style, kStaticStyles))
        return false;
    resetTo(type, CellKind::StaticText, style);
    return true;
}

bool setCheckBoxType(CellType& type, std::uint32_t style, std::wstring_view caption,
                     std::wstring_view pictureOff, std::wstring_view pictureOn) {
    if (!onlyBits(style, kStyleCaptionLeft))
        return false;
    resetTo(type, CellKind::CheckBox, style);
    type.text = caption;
    type.pictureOff = pictureOff;
    type.pictureOn = pictureOn;
    return true;
}

bool setComboBoxType(CellType& type, std::uint32_t style, std::wstring_view items) {
    if (!onlyBits(style, kStyleEditable))
        return false;
    resetTo(type, CellKind::ComboBox, style);
    type.text = items;
    return true;
}

bool setButtonType(CellType& type, std::uint32_t style, std::wstring_view caption) {
    if (style != 0)
        return false;
    resetTo(type, CellKind::Button, style);
    type.text = caption;
    return true;
}

bool setPictureType(CellType& type, std::uint32_t style, std::wstring_view picture) {
    if (!isPictureStyle(style) || picture.empty())
        return false;
    resetTo(type, CellKind::Picture, style);
    type.text = picture;
    return true;
}

std::optional<CellType> makeTextType(std::uint32_t style, int maxLength) {
    return built([&](CellType& type) { return setTextType(type, style, maxLength); });
}

std::optional<CellType> makeNumberType(int decimals, double minimum, double maximum,
                                       bool thousandsSeparator) {
    return built([&](CellType& type) {
        return setNumberType(type, decimals, minimum, maximum, thousandsSeparator);
    });
}

std::optional<CellType> makeStaticTextType(std::uint32_t style) {
    return built([&](CellType& type) { return setStaticTextType(type, style); });
}

std::optional<CellType> makeCheckBoxType(std::uint32_t style, std::wstring_view caption,
                                         std::wstring_view pictureOff,
                                         std::wstring_view pictureOn) {
    return built([&](CellType& type) {
        return setCheckBoxType(type, style, caption, pictureOff, pictureOn);
    });
}

std::optional<CellType> makeComboBoxType(std::uint32_t style, std::wstring_view items) {
    return built([&](CellType& type) { return setComboBoxType(type, style, items); });
}

std::optional<CellType> makeButtonType(std::uint32_t style, std::wstring_view caption) {
    return built([&](CellType& type) { return setButtonType(type, style, caption); });
}

std::optional<CellType> makePictureType(std::uint32_t style, std::wstring_view picture) {
    return built([&](CellType& type) { return setPictureType(type, style, picture); });
}

bool isValidCellType(const CellType& type) {
    // Every field a kind's builder does not set keeps its default.
    const bool plainLength = type.maxLength == kPlainMaxLength;
    const bool plainNumber = type.decimals == kPlainDecimals && type.minimum == kPlainMinimum &&
                             type.maximum == kPlainMaximum && !type.thousandsSeparator;
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
