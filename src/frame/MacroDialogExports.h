// The exported functions that query and close the modeless macro dialogs
// (they open no resource scope).
#pragma once

#include "platform/core/macro/MacroData.h"

// Copies the macro data of the modeless macro dialog in slot; false for a bad
// or empty slot (data untouched).
bool GetDlgMacroData(int slot, MacroData& data);
// Closes one modeless macro dialog (MacroDialogTable::close).
bool EndDlgMacroModeless(int slot);
// Closes every modeless macro dialog, the last slot first.
void DestroyAllMacroDlgs();
