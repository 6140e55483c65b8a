// The core's memory of dialog sizes, on dialog windows: a resizable dialog
// restores its size at initialisation and stores it when destroyed, under a
// fixed key ("DLG_GENVARS", "DLG_DLGDESIGNER" ...). Sizes are the window's
// outer width and height in pixels (DialogMemory.h says where they are kept).
#pragma once

#include "platform/core/Tvx_String.h"

class CWnd;

// The dialog's present outer size; false (width and height untouched) for a
// null or destroyed dialog.
bool getDlgSize(CWnd* dialog, int& width, int& height);
// Gives the dialog the size stored under key, keeping its position and never
// going below the minimum tracking size the dialog reports; false
// (nothing changes) when no size is stored, the key is empty or the dialog is
// null or destroyed.
bool ChangeDlgSize(CWnd* dialog, const Tvx_String& key);
// Stores the dialog's present size under key; false for an empty key, a null
// or destroyed dialog, or a store that cannot be written.
bool WriteDlgSize(CWnd* dialog, const Tvx_String& key);
