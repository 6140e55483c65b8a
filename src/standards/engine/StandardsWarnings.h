// The standards engine's warning boxes: shown only while the drawing's
// standards-warning setting is on (gSettings.standardsWarnings), so that an
// unattended evaluation is never held up.
#pragma once

#include "platform/core/Tvx_String.h"

// Shows text in a message box with the exclamation icon and an OK button,
// captioned with the application title, when the setting is on. Returns
// whether the box was shown.
bool showStandardsWarning(const Tvx_String& text);
