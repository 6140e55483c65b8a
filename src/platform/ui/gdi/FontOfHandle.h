// Measuring text in a font given by handle: a font description becomes the
// TextFont of the drawing layer's metric (FontMetric.h).
#pragma once

#include <string_view>

#include "platform/ui/CFont.h"
#include "platform/ui/gdi/FontMetric.h"

// The metric's view of a description: the height is |lfHeight| (0 means the
// default 13), weight, italic and underline as given.
TextFont textFontOf(const LOGFONT& font);
// The same for a handle; an unknown or null handle is the dialogs' default font.
TextFont textFontOf(HFONT font);

// The size of a single line of text in the font of a handle.
CSize textExtentOf(HFONT font, std::wstring_view text);
