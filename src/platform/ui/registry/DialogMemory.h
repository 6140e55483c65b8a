// The core's memory of dialog settings: a dialog's size and named on/off
// settings, each kept under the dialog's key ("DLG_GENVARS", "DLG_SELECT_MACRO"
// ...) in the registry stand-in, below
// HKEY_CURRENT_USER\Software\vtss\Dialogs\<key>: the size as the DWORD values
// "Width" and "Height", an on/off setting as a DWORD value 0 or 1 under its name.
#pragma once

#include <optional>

#include "platform/core/Tvx_String.h"
#include "platform/ui/WinTypes.h"

// The on/off setting `name` of the dialog `dlgKey`; defaultValue when it was
// never written, the key or name is empty, or the stored value is not a DWORD.
bool readDlgRegBool(const Tvx_String& dlgKey, const Tvx_String& name, bool defaultValue = false);
// Stores the setting; false when the key or name is empty or the store cannot
// be written.
bool writeDlgRegBool(const Tvx_String& dlgKey, const Tvx_String& name, bool value);

namespace registry {

// The size stored for a dialog; nothing when none was stored, the key is empty,
// or the stored width or height is not a positive number.
std::optional<CSize> readDialogSize(const Tvx_String& dlgKey);
// Stores a dialog's size; false for an empty key, a size that is not positive,
// or a store that cannot be written.
bool writeDialogSize(const Tvx_String& dlgKey, const CSize& size);

}  // namespace registry
