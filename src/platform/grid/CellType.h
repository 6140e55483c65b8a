// Cell types: how a cell shows and accepts its value (text, number, static
// text, check box, combo box, button, picture), with the codes the grid reports.
//
// Type codes (what SSGetCellType returns):
//    0  no type set (general), holding no number
//    1  text
//    2  combo box
//    4  button
//    6  picture
//    8  static text
//   10  number with 0 decimals: holds whole numbers
//   12  check box: its text is "1" or "0"
//   14  number with decimals
//   15  number with decimals and a thousands separator
//   16  no type set (general), holding a number
//
// Style bits, by kind (a builder refuses bits its kind does not define):
//   text and static text: kStylePassword (text only), kStyleUpperCase and
//     kStyleLowerCase (text only; not both), kStyleWordWrap, kStyleEllipsis
//   check box: kStyleCaptionLeft
//   combo box: kStyleEditable
//   picture: kStyleStretch, kStyleKeepAspect (only with kStyleStretch)
//   number and button: none
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/grid/CellValue.h"

namespace grid {

enum class CellKind : unsigned char {
    General,
    Text,
    Number,
    StaticText,
    CheckBox,
    ComboBox,
    Button,
    Picture
};

// Text: shown as asterisks, the value itself unchanged.
inline constexpr std::uint32_t kStylePassword = 0x00000001;
// Text: letters written into the cell are turned to upper (lower) case.
inline constexpr std::uint32_t kStyleUpperCase = 0x00000002;
inline constexpr std::uint32_t kStyleLowerCase = 0x00000004;
// Text and static text: long text breaks into lines inside the cell.
inline constexpr std::uint32_t kStyleWordWrap = 0x00010000;
// Text and static text: text wider than the cell ends in "..." when shown.
inline constexpr std::uint32_t kStyleEllipsis = 0x00100000;
// Check box: the caption stands left of the box instead of right of it.
inline constexpr std::uint32_t kStyleCaptionLeft = 0x00000001;
// Combo box: any text may be entered, not only one of the items.
inline constexpr std::uint32_t kStyleEditable = 0x00000001;
// Picture: scaled to fill the cell (optionally keeping its proportions)
// instead of drawn at its own size in the cell's centre.
inline constexpr std::uint32_t kStyleStretch = 0x00000001;
inline constexpr std::uint32_t kStyleKeepAspect = 0x00000002;

// The range a number cell accepts unless told otherwise.
inline constexpr double kNumberRangeLimit = 99999999999999.0;
inline constexpr int kMaxDecimals = 15;
inline constexpr int kMaxTextLength = 1048576;

struct CellType {
    CellKind kind = CellKind::General;
    std::uint32_t style = 0;
    int maxLength = kMaxTextLength;       // text: most characters a value may have
    int decimals = 0;                     // number
    double minimum = -kNumberRangeLimit;  // number
    double maximum = kNumberRangeLimit;   // number
    bool thousandsSeparator = false;      // number
    // Check box: caption; button: caption; combo box: the items separated by
    // tab characters; picture: the picture (see pictures below).
    std::wstring text;
    // Check box: the pictures of the unchecked and checked box, empty for the
    // plain drawn box. A picture is named by a bitmap file path or by "#"
    // followed by a bitmap resource number.
    std::wstring pictureOff;
    std::wstring pictureOn;

    friend bool operator==(const CellType&, const CellType&) = default;
};

// The builders: each returns nothing when a parameter is out of its range.
// Text: maxLength 1..kMaxTextLength.
std::optional<CellType> makeTextType(std::uint32_t style, int maxLength);
// Number: decimals 0..kMaxDecimals; minimum <= maximum, both finite and within
// -kNumberRangeLimit..kNumberRangeLimit.
std::optional<CellType> makeNumberType(int decimals, double minimum, double maximum,
                                       bool thousandsSeparator);
std::optional<CellType> makeStaticTextType(std::uint32_t style);
std::optional<CellType> makeCheckBoxType(std::uint32_t style, std::wstring_view caption,
                                         std::wstring_view pictureOff, std::wstring_view pictureOn);
// Combo box: items separated by tab characters (an empty text: no items).
std::optional<CellType> makeComboBoxType(std::uint32_t style, std::wstring_view items);
std::optional<CellType> makeButtonType(std::uint32_t style, std::wstring_view caption);
// Picture: the picture must be named (not empty).
std::optional<CellType> makePictureType(std::uint32_t style, std::wstring_view picture);
// The same builders filling an existing record, as the grid library does for
// its caller's record: every field is set (the texts reuse their storage).
// False, and the record left as it was, when a parameter is out of range.
bool setTextType(CellType& type, std::uint32_t style, int maxLength);
bool setNumberType(CellType& type, int decimals, double minimum, double maximum,
                   bool thousandsSeparator);
bool setStaticTextType(CellType& type, std::uint32_t style);
bool setCheckBoxType(CellType& type, std::uint32_t style, std::wstring_view caption,
                     std::wstring_view pictureOff, std::wstring_view pictureOn);
bool setComboBoxType(CellType& type, std::uint32_t style, std::wstring_view items);
bool setButtonType(CellType& type, std::uint32_t style, std::wstring_view caption);
bool setPictureType(CellType& type, std::uint32_t style, std::wstring_view picture);
// True when every field of the type is one its builder would accept.
bool isValidCellType(const CellType& type);

// The code of a cell of this type holding this value (table above).
int cellTypeCode(const CellType& type, const CellValue& value);

}  // namespace grid
