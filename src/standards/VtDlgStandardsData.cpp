// Setting up the data block of a standards evaluation.
#include "standards/VtDlgStandardsData.h"

ErrorStatus VtDlgStandardsData::initialize(Tvx_DbMacro* macro, Tvx_String sheet, Tvx_String mapping,
                                           MacroData* data) {
    if (!macro || !data)
        return eInvalidInput;
    const Tvx_String modulePrefix(L"Module.");
    moduleGroup = mapping.startsWith(modulePrefix) ? mapping.getSubStringAt(modulePrefix.length())
                                                   : Tvx_String();
    mode = 0;
    sheetName = std::move(sheet);
    mappingName = std::move(mapping);
    dbMacro = macro;
    macroData = data;
    return eOk;
}
