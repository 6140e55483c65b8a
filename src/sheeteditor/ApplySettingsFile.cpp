// applySettingsFile: editor options, the settings file and the sheet's fonts.
#include "sheeteditor/ApplySettingsFile.h"

#include "sheeteditor/VtSSRegistrySets.h"
#include "sheeteditor/VtSSSettings.h"
#include "spread/SpreadFunctions.h"
#include "spread/Tvx_Spread.h"

namespace {

constexpr int kEditorColumns = 6;
constexpr int kEditorRows = 11;
constexpr int kTextTipNextToPointer = 2;
constexpr int kTextTipDelay = 10;

constexpr int kEditorOptions[] = {
    grid::kOptionGridLines,           grid::kOptionColumnHeaders,
    grid::kOptionRowHeaders,          grid::kOptionVerticalScrollBar,
    grid::kOptionHorizontalScrollBar, grid::kOptionAutoCalc,
    grid::kOptionAllowUserFormulas,   grid::kOptionAutoClipboard,
    grid::kOptionProcessTab,          grid::kOptionRedraw,
};

}  // namespace

bool applySettingsFile(Tvx_Spread& sheet, const Tvx_String& name, bool initialise) {
    if (!sheet.isCreated())
        return false;
    for (int option : kEditorOptions)
        sheet.SetBool(option, TRUE);
    if (initialise) {
        sheet.setMaxCols(kEditorColumns);
        sheet.setMaxRows(kEditorRows);
        spread::setBlockTextType(sheet, SS_ALL, SS_ALL, SS_ALL, SS_ALL);
        VtSSSettings settings;
        if (!settings.load(name)) {
            VtSSRegistrySets registrySets;
            registrySets.read();
            settings.load(registrySets.defaultSettings());
        }
        settings.writeToSheet(sheet);
        if (!settings.fontName().isEmpty() && settings.textHeight() > 0)
            sheet.setSheetFont(settings.fontName(), settings.textHeight());
    }
    SS_TEXTTIP tip;
    if (sheet.GetTextTip(tip)) {
        tip.mode = kTextTipNextToPointer;
        tip.delay = kTextTipDelay;
        sheet.SetTextTip(tip);
    }
    sheet.SetCellNoteIndicator(0);
    return true;
}
