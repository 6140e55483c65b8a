// VtDlgStandardsData: the data block of one standards evaluation: which sheet,
// which macro and how the sheet is mapped onto it, the host transaction in
// which the macro is open, and the general variables of the evaluation.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "platform/core/macro/MacroData.h"
#include "platform/core/macro/Tvx_DbMacro.h"
#include "platform/host/AcTransactionManager.h"
#include "standards/engine/VtVarCells.h"

class VtDlgStandardsData {
  public:
    virtual ~VtDlgStandardsData() = default;
    VtDlgStandardsData() = default;
    VtDlgStandardsData(const VtDlgStandardsData&) = default;
    VtDlgStandardsData& operator=(const VtDlgStandardsData&) = default;
    VtDlgStandardsData(VtDlgStandardsData&&) = default;
    VtDlgStandardsData& operator=(VtDlgStandardsData&&) = default;

    // Sets up an evaluation against a macro (mode 0). A mapping name
    // "Module." + group binds the sheet to that module group (moduleGroup);
    // any other name is a mapping of the sheet's mapping file (moduleGroup
    // empty). The transaction and the general variables are the caller's to
    // set. eInvalidInput, with nothing changed, when a pointer is null.
    ErrorStatus initialize(Tvx_DbMacro* dbMacro, Tvx_String sheetName, Tvx_String mappingName,
                           MacroData* macroData);

    // 0 evaluate against the macro; 1 against the variable cells of the block
    // (a child call); any other value: the evaluation does nothing.
    int mode = 0;
    // A name under the standards folder without extension, or a full path.
    Tvx_String sheetName;
    Tvx_DbMacro* dbMacro = nullptr;
    Tvx_String mappingName;
    Tvx_String moduleGroup;
    AcTransaction* transaction = nullptr;
    MacroData* macroData = nullptr;
    // The general variables, paired by index.
    Tvx_StringArray genVarNames;
    Tvx_StringArray genVarValues;
    // Mode 1: the arguments of the child call. After an evaluation: the
    // sheet's variable cells with their final values.
    VtVarCells varCells;
};
