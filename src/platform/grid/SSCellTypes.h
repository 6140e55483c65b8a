// The grid library's cell types: build a type record, then give it to one
// cell or a block. Conventions (handles, coordinates, results): SSTypes.h;
// the type codes, style bits and text rules: CellType.h and CellText.h.
//
// Each builder fills `type` and returns it; it returns null and leaves `type`
// as it was for an unknown handle or a parameter out of range.
#pragma once

#include <cstdint>

#include "platform/core/Tvx_String.h"
#include "platform/grid/SSTypes.h"

// No type: the cell shows its value in the general way (the default).
SS_CELLTYPE* SSSetTypeGeneral(HWND window, SS_CELLTYPE* type);
// Text of at most maxLength (1..1048576) characters; style: password, upper or
// lower case, word wrap (0x10000), ellipsis (0x100000).
SS_CELLTYPE* SSSetTypeEdit(HWND window, SS_CELLTYPE* type, std::uint32_t style, int maxLength);
// A number with 0..15 decimals, within minimum..maximum (at most
// -99999999999999..99999999999999), with or without a thousands separator.
SS_CELLTYPE* SSSetTypeNumber(HWND window, SS_CELLTYPE* type, int decimals, double minimum,
                             double maximum, BOOL thousandsSeparator);
SS_CELLTYPE* SSSetTypeStaticText(HWND window, SS_CELLTYPE* type, std::uint32_t style);
// A check box whose text is "1" or "0", with a caption and, optionally, the
// pictures of its two states (a bitmap path or "#" and a resource number).
SS_CELLTYPE* SSSetTypeCheckBox(HWND window, SS_CELLTYPE* type, std::uint32_t style,
                               const Tvx_String& caption, const Tvx_String& pictureOff,
                               const Tvx_String& pictureOn);
// A combo box whose items are separated by tab characters; style 1 editable
// (any text), else only the items are taken.
SS_CELLTYPE* SSSetTypeComboBox(HWND window, SS_CELLTYPE* type, std::uint32_t style,
                               const Tvx_String& items);
SS_CELLTYPE* SSSetTypeButton(HWND window, SS_CELLTYPE* type, std::uint32_t style,
                             const Tvx_String& caption);
// A picture (a bitmap file path or "#" and a resource number, not empty);
// style 1 stretched, 3 stretched keeping its proportions.
SS_CELLTYPE* SSSetTypePicture(HWND window, SS_CELLTYPE* type, std::uint32_t style,
                              const Tvx_String& picture);

// Gives the type to a cell or a block; the cells keep their values (a value
// the new type would refuse stays until it is written again).
BOOL SSSetCellType(HWND window, SS_COORD column, SS_COORD row, const SS_CELLTYPE* type);
BOOL SSSetCellTypeRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                        const SS_CELLTYPE* type);
// The full type of a cell (the general type when none was given).
BOOL SSGetCellTypeInfo(HWND window, SS_COORD column, SS_COORD row, SS_CELLTYPE& type);
