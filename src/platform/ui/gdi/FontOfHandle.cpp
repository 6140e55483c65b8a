// Font descriptions as the drawing layer's metric sees them.
#include "platform/ui/gdi/FontOfHandle.h"

#include <cstdlib>

FontSpec fontSpecOf(const LOGFONT& font) {
    FontSpec spec;
    spec.faceName = font.lfFaceName;
    spec.height = std::abs(font.lfHeight);
    spec.weight = font.lfWeight;
    spec.italic = font.lfItalic != 0;
    spec.underline = font.lfUnderline != 0;
    return spec;
}

FontSpec fontSpecOf(HFONT font) {
    const LOGFONT* description = ui::fontDescription(font);
    if (!description)
        description = ui::fontDescription(ui::defaultDialogFont());
    return description ? fontSpecOf(*description) : FontSpec{};
}

CSize textExtentOf(HFONT font, std::wstring_view text) {
    return textExtent(fontSpecOf(font), text);
}
