// The grid library's cell type builders and the functions that apply them.
#include "platform/grid/SSCellTypes.h"

#include "platform/grid/GridAddress.h"
#include "platform/grid/GridHandles.h"
#include "platform/grid/SSFormatting.h"

namespace {

// Fills the caller's record by `fill` (a record-filling builder of CellType.h);
// null, the record left as it was, for an unknown handle or a refused parameter.
template <typename Fill>
SS_CELLTYPE* build(HWND window, SS_CELLTYPE* type, Fill fill) {
    if (!type || !grid::gridOf(window) || !fill(*type))
        return nullptr;
    return type;
}

}  // namespace

SS_CELLTYPE* SSSetTypeGeneral(HWND window, SS_CELLTYPE* type) {
    return build(window, type, [](SS_CELLTYPE& built) {
        built = SS_CELLTYPE{};
        return true;
    });
}

SS_CELLTYPE* SSSetTypeEdit(HWND window, SS_CELLTYPE* type, std::uint32_t style, int maxLength) {
    return build(window, type,
                 [&](SS_CELLTYPE& built) { return grid::setTextType(built, style, maxLength); });
}

SS_CELLTYPE* SSSetTypeNumber(HWND window, SS_CELLTYPE* type, int decimals, double minimum,
                             double maximum, BOOL thousandsSeparator) {
    return build(window, type, [&](SS_CELLTYPE& built) {
        return grid::setNumberType(built, decimals, minimum, maximum, thousandsSeparator != 0);
    });
}

SS_CELLTYPE* SSSetTypeStaticText(HWND window, SS_CELLTYPE* type, std::uint32_t style) {
    return build(window, type,
                 [&](SS_CELLTYPE& built) { return grid::setStaticTextType(built, style); });
}

SS_CELLTYPE* SSSetTypeCheckBox(HWND window, SS_CELLTYPE* type, std::uint32_t style,
                               const Tvx_String& caption, const Tvx_String& pictureOff,
                               const Tvx_String& pictureOn) {
    return build(window, type, [&](SS_CELLTYPE& built) {
        return grid::setCheckBoxType(built, style, caption.str(), pictureOff.str(),
                                     pictureOn.str());
    });
}

SS_CELLTYPE* SSSetTypeComboBox(HWND window, SS_CELLTYPE* type, std::uint32_t style,
                               const Tvx_String& items) {
    return build(window, type, [&](SS_CELLTYPE& built) {
        return grid::setComboBoxType(built, style, items.str());
    });
}

SS_CELLTYPE* SSSetTypeButton(HWND window, SS_CELLTYPE* type, std::uint32_t style,
                             const Tvx_String& caption) {
    return build(window, type, [&](SS_CELLTYPE& built) {
        return grid::setButtonType(built, style, caption.str());
    });
}

SS_CELLTYPE* SSSetTypePicture(HWND window, SS_CELLTYPE* type, std::uint32_t style,
                              const Tvx_String& picture) {
    return build(window, type, [&](SS_CELLTYPE& built) {
        return grid::setPictureType(built, style, picture.str());
    });
}

BOOL SSSetCellType(HWND window, SS_COORD column, SS_COORD row, const SS_CELLTYPE* type) {
    if (!type || !grid::isValidCellType(*type))
        return 0;
    return grid::typeCell(window, column, row, *type);
}

BOOL SSSetCellTypeRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                        const SS_CELLTYPE* type) {
    if (!type || !grid::isValidCellType(*type))
        return 0;
    grid::CellFormat patch;
    patch.type = *type;
    return grid::formatBlock(window, column, row, column2, row2, patch);
}

BOOL SSGetCellTypeInfo(HWND window, SS_COORD column, SS_COORD row, SS_CELLTYPE& type) {
    const auto format = grid::resolvedFormatOf(window, column, row);
    if (!format)
        return 0;
    type = format->type;
    return 1;
}
