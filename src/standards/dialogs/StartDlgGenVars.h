// The exported general-variables dialog.
#pragma once

#include "platform/core/VtAutoStandardsData.h"

// The general-variables dialog (CDlgGenVars) on a copy of data; true, with
// data then holding the dialog's lists, when the user confirms with OK; false,
// data untouched, otherwise.
bool StartDlgGenVars(VtAutoStandardsData& data);
