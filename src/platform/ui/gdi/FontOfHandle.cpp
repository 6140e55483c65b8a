// Font descriptions as the drawing layer's metric sees them.
#include "platform/ui/gdi/FontOfHandle.h"

#include <cstdlib>

TextFont textFontOf(const LOGFONT& font) {
    TextFont pattern;
    pattern.faceName = font.lfFaceName;
    pattern.height = std::abs(font.lfHeight);
    pattern.weight = font.lfWeight;
    pattern.italic = font.lfItalic != 0;
    pattern.underline = font.lfUnderline != 0;
    return pattern;
}

TextFont textFontOf(HFONT font) {
    const LOGFONT* description = ui::fontDescription(font);
    if (!description)
        description = ui::fontDescription(ui::defaultDialogFont());
    return description ? textFontOf(*description) : TextFont{};
}

CSize textExtentOf(HFONT font, std::wstring_view text) {
    return textExtent(textFontOf(font), text);
}
