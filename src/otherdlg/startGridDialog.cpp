// The exported string-table dialog.
#include "otherdlg/startGridDialog.h"

#include "frame/ResourceScope.h"
#include "otherdlg/CDlgStringArray.h"
#include "platform/ui/WinConstants.h"

bool startGridDialog(const Tvx_StringArray& a, const Tvx_StringArray& b, Tvx_StringArrArr& rows,
                     bool flag, Tvx_String sizeKey, Tvx_String title) {
    if (a.isEmpty())
        return false;
    VtResourceScope scope;
    CDlgStringArray dialog;
    dialog.columnHeads = a;
    dialog.rowHeads = b;
    dialog.rows = rows;
    dialog.rowsEditable = flag;
    dialog.sizeKey = sizeKey.isEmpty() ? Tvx_String(CDlgStringArray::kDefaultSizeKey) : sizeKey;
    dialog.title = std::move(title);
    if (dialog.DoModal() != IDOK)
        return false;
    rows = dialog.rows;
    return true;
}
