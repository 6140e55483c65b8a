// The module-wide objects behind its resources: the instance handle the loader
// gave it, its extension module record, the resource switch that makes its
// resources current, and the two check-box bitmaps of the macro dialogs' grids.
#pragma once

#include "platform/core/VtTempResourceOverride.h"
#include "platform/host/ExtensionModule.h"
#include "platform/ui/gdi/GdiClasses.h"

// The bitmap resources of the two check-box pictures, in the order they load:
// 8134 shows an empty box, 8136 a ticked one (resources/bitmaps/).
inline constexpr UINT kCheckBoxBitmapIds[2] = {8134, 8136};

// This module's instance handle; null while it is not attached.
HINSTANCE moduleInstance();
AFX_EXTENSION_MODULE& moduleExtension();
VtTempResourceOverride& moduleResourceOverride();

// Records the instance (attach) and forgets it (detach).
void setModuleInstance(HINSTANCE instance);

// Loads the check-box bitmaps (8134, then 8136) anew; false when either is
// missing (the other still loads).
bool loadCheckBoxBitmaps();
// The bitmap of kCheckBoxBitmapIds[index]; null for another index or while it
// is not loaded.
CBitmap* checkBoxBitmap(int index);
