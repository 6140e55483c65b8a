// The core's multiple-choice open dialog: the user picks any number of files
// of one type.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

class CWnd;

// Opens a file dialog on `folder` titled `title`, listing files with the
// extension `extension` (without ".") under the description `description`, in
// which several files may be chosen. True, with paths holding the full path of
// every chosen file in order, when the user chose; false (paths emptied) when
// the user cancelled.
bool DlgOpenMulti(CWnd* parent, const Tvx_String& extension, const Tvx_String& description,
                  const Tvx_String& title, const Tvx_String& folder, Tvx_StringArray& paths);
