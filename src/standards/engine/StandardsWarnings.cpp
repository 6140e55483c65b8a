// The standards engine's warning boxes.
#include "standards/engine/StandardsWarnings.h"

#include "platform/core/Tvx_Settings.h"
#include "platform/ui/MessageBox.h"

bool showStandardsWarning(const Tvx_String& text) {
    if (!gSettings.standardsWarnings())
        return false;
    AfxMessageBox(text, MB_ICONEXCLAMATION | MB_OK);
    return true;
}
