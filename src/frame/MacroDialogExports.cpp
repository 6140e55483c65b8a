// The exported query and close functions of the modeless macro dialogs.
#include "frame/MacroDialogExports.h"

#include "frame/MacroDialogTable.h"

bool GetDlgMacroData(int slot, MacroData& data) {
    return macroDialogTable().macroData(slot, data);
}

bool EndDlgMacroModeless(int slot) {
    return macroDialogTable().close(slot);
}

void DestroyAllMacroDlgs() {
    macroDialogTable().closeAll();
}
