// The window settings of a grid and their bounds.
#include "platform/grid/GridSettings.h"

#include <algorithm>

#include "platform/grid/GridKeys.h"

namespace grid {
namespace {

constexpr int kKnownOptions[] = {kOptionGridLines,
                                 kOptionColumnHeaders,
                                 kOptionVerticalScrollBar,
                                 kOptionRowHeaders,
                                 kOptionHorizontalScrollBar,
                                 kOptionProcessTab,
                                 kOptionAutoCalc,
                                 kOptionRedraw,
                                 kOptionMoveActiveOnEnter,
                                 kOptionArrowsExitEditMode,
                                 kOptionEditModePermanent,
                                 kOptionAllowUserFormulas,
                                 kOptionAutoClipboard,
                                 kOptionChangeMade};

}  // namespace

bool isKnownOption(int index) {
    return std::find(std::begin(kKnownOptions), std::end(kKnownOptions), index) !=
           std::end(kKnownOptions);
}

GridSettings::GridSettings() {
    for (int index :
         {kOptionGridLines, kOptionColumnHeaders, kOptionVerticalScrollBar, kOptionRowHeaders,
          kOptionHorizontalScrollBar, kOptionAutoCalc, kOptionRedraw, kOptionAutoClipboard}) {
        options_.set(static_cast<size_t>(index));
    }
    actionKeys[kActionClear] = ActionKey{kKeyDelete, false, false};
    actionKeys[kActionEdit] = ActionKey{kKeyF2, false, false};
    actionKeys[kActionActivate] = ActionKey{kKeySpace, false, false};
}

bool GridSettings::setOption(int index, bool value) {
    if (!isKnownOption(index))
        return false;
    options_.set(static_cast<size_t>(index), value);
    return true;
}

bool GridSettings::option(int index) const {
    return isKnownOption(index) && options_.test(static_cast<size_t>(index));
}

bool isValidAppearance(int appearance) {
    return appearance >= kAppearanceFlat && appearance <= kAppearanceNone;
}

bool isValidBackColorStyle(int style) {
    return style >= kBackColorOverGrid && style <= kBackColorVerticalGrid;
}

bool isValidGridType(int type) {
    return type >= 0 && (type & ~kGridTypeBits) == 0;
}

bool isValidTextTip(const TextTip& tip) {
    return tip.mode >= 0 && tip.mode <= 2 && tip.delay >= 0 && tip.delay <= 10000 &&
           tip.font.height >= 1 && tip.font.height <= kMaxFontHeight && tip.font.weight >= 1 &&
           tip.font.weight <= 1000;
}

bool isValidNoteIndicator(int mode) {
    return mode == 0 || mode == 1;
}

}  // namespace grid
