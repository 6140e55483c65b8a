// The pattern of the exported dialog functions: inside a resource scope, a
// dialog made on the stack without a parent gets a copy of the caller's data
// block, runs modally, and only OK (IDOK) copies its block back to the caller.
#pragma once

#include "frame/ResourceScope.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/WinConstants.h"

// Runs Dialog (default-constructible) with its data block member `block`.
// True on OK, with data then holding the dialog's block; false on any other
// result (a dialog that cannot be built included), data untouched.
template <typename Dialog, typename Data>
bool runDataDialog(Data& data, Data Dialog::*block) {
    VtResourceScope scope;
    Dialog dialog;
    dialog.*block = data;
    if (dialog.DoModal() != IDOK)
        return false;
    data = dialog.*block;
    return true;
}
