// A test of whole evaluations: a library folder of its own, a macro open in a
// transaction of the working drawing, and evaluations run as callers run
// them, through StartDlgStandardsSS.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "frame/FrameTemplates.h"
#include "platform/core/NumberText.h"
#include "platform/core/macro/MacroData.h"
#include "platform/core/macro/MacroFile.h"
#include "platform/core/macro/Tvx_DbMacro.h"
#include "platform/host/AcDbDatabase.h"
#include "platform/host/AcTransactionManager.h"
#include "standards/VtDlgStandardsData.h"
#include "standards/engine/MessageBoxRecorder.h"
#include "standards/engine/SheetText.h"
#include "standards/engine/TempLibrary.h"

namespace standardstest {

// A plate module (group Plate) and a bolt module (group Bolts), two base
// profiles and two general variables.
inline const char* const kTestMacro = R"({
  "name": "TestPlate",
  "generalVariables": [{"name": "gen_Gap", "value": 12.0}],
  "baseProfiles": [{"section": "HEA-200", "material": "S235"}],
  "modules": [
    {"name": "Plate1", "group": "Plate", "kind": 0, "variables": [
      {"name": "Thickness", "value": 10.0}, {"name": "Width", "value": 0.0},
      {"name": "Length", "value": 0.0}, {"name": "Count", "value": 0.0}]},
    {"name": "Bolts1", "group": "Bolts", "kind": 0, "variables": [
      {"name": "Pitch", "value": 70.0}]}
  ]
})";

class EvaluationTest : public testing::Test {
  protected:
    void SetUp() override {
        registerFrameTemplates();
        Tvx_Macro macro;
        MacroFileError error;
        ASSERT_TRUE(macroFromJson(kTestMacro, macro, error)) << error.reason.toUtf8();
        dbMacro = std::make_unique<Tvx_DbMacro>(macro);
        ASSERT_EQ(macroData.initFromMacro(dbMacro->macro()), eOk);
        transaction = actrTransactionManager()->startTransaction();
    }
    void TearDown() override {
        actrTransactionManager()->endTransaction();
        gSettings.setStandardsWarnings(false);
    }

    // Writes a sheet under "Connection Standards\\" (relative may name a
    // sub-folder, "Childs/Name.vts") and returns its module path.
    Tvx_String writeSheet(const std::string& relative, const SheetRows& rows) {
        return library.write("Connection Standards/" + relative, sheetText(rows));
    }

    // A block for an evaluation of sheet against the macro, bound to a module
    // group ("Module.Plate") or a mapping of the sheet's mapping file.
    VtDlgStandardsData block(const Tvx_String& sheet, const Tvx_String& mapping = L"Module.Plate") {
        VtDlgStandardsData data;
        EXPECT_EQ(data.initialize(dbMacro.get(), sheet, mapping, &macroData), eOk);
        data.transaction = transaction;
        return data;
    }

    // A dialog variable of a module, as a number.
    double macroValue(const char* moduleName, const char* variable) {
        Tvx_Module* module = nullptr;
        EXPECT_EQ(dbMacro->macroWrite()->findModuleWrite(Tvx_String::fromUtf8(moduleName), module),
                  eOk);
        Tvx_String text;
        EXPECT_EQ(getSetConstrVarValue(*module, Tvx_String::fromUtf8(variable), text, true), eOk);
        return numtext::parseLeadingDouble(text.str());
    }

    // The value of a variable of the evaluated block, as text; "<none>" when
    // the block has no variable of that name.
    static std::string valueOf(const VtDlgStandardsData& data, const char* name) {
        int index = -1;
        if (data.varCells.findVarCell(Tvx_String::fromUtf8(name), index) != eOk)
            return "<none>";
        return data.varCells[index].value.toUtf8();
    }
    static double numberOf(const VtDlgStandardsData& data, const char* name) {
        return numtext::parseLeadingDouble(Tvx_String::fromUtf8(valueOf(data, name)).str());
    }

    TempLibrary library;
    std::unique_ptr<Tvx_DbMacro> dbMacro;
    MacroData macroData;
    AcTransaction* transaction = nullptr;
};

}  // namespace standardstest
