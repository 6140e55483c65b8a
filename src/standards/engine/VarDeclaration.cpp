// Reading variable declarations from cell texts.
#include "standards/engine/VarDeclaration.h"

#include "platform/core/TextHelpers.h"

bool parseVarDeclaration(const Tvx_String& text, Tvx_String& name, VtValueType& valueType) {
    const Tvx_String declaration = stripSymbols(text, Tvx_String(L" "), StripSide::Start);
    const VtValueType type = valueTypeFromText(declaration);
    if (type == eValueUndefined)
        return false;
    int blank = -1;
    name = declaration.findFirstFrom(0, Tvx_String(L" "), true, blank)
               ? declaration.getSubStringAt(blank + 1)
               : Tvx_String();
    valueType = type;
    return true;
}
