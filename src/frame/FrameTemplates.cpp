// Registration of the module frame's dialog templates.
#include "frame/FrameTemplates.h"

#include "platform/ui/DialogTemplate.h"

void registerFrameTemplates() {
    // Never shown: a popup without WS_VISIBLE, holding only the placeholder
    // the evaluation's sheet is put over.
    ui::DialogTemplate standards(kStandardsDialogTemplate, 0, 0, 320, 200, L"Standards",
                                 WS_POPUP | WS_CAPTION);
    standards.control(kStandardsSheetPlaceholder, L"STATIC", L"", SS_LEFT, 0, 0, 320, 200);
    ui::registerDialogTemplate(standards);
}
