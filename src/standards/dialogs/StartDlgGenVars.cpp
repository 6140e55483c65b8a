// The exported general-variables dialog.
#include "standards/dialogs/StartDlgGenVars.h"

#include "frame/DataDialogRun.h"
#include "standards/dialogs/CDlgGenVars.h"

bool StartDlgGenVars(VtAutoStandardsData& data) {
    return runDataDialog(data, &CDlgGenVars::data_);
}
