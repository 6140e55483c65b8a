// The grid tests' dialog, over the grid window class.
#include "GridTestDialog.h"

#include "platform/grid/GridWindow.h"
#include "platform/ui/DialogTemplate.h"

namespace spreadtest {

void ensureGridWindowClass() {
    grid::registerGridWindowClass();
}

GridTestDialog::GridTestDialog() {
    ensureGridWindowClass();
    ui::DialogTemplate t(kTemplate, 0, 0, 300, 200, L"Grid test",
                         WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE);
    t.control(kGridPlaceholder, L"STATIC", L"", WS_VISIBLE, 20, 40, 200, 120)
        .control(kSecondPlaceholder, L"STATIC", L"", WS_VISIBLE, 230, 40, 60, 60)
        .pushButton(kOtherButton, L"Other", 230, 170, 50, 14);
    ui::registerDialogTemplate(t);
    Create(kTemplate);
}

}  // namespace spreadtest
