// A test's end-plate macro as the standards engine meets it: the drawing's
// macro object, its dialog data, and the library folder that holds the
// sections of its base profiles.
#pragma once

#include <gtest/gtest.h>

#include "platform/core/Tvx_Settings.h"
#include "platform/core/macro/MacroData.h"
#include "platform/core/macro/MacroTestData.h"
#include "platform/core/macro/Tvx_DbMacro.h"

namespace standardstest {

inline Tvx_String T(const char* utf8) {
    return Tvx_String::fromUtf8(utf8);
}

class EndPlateTest : public testing::Test {
  protected:
    void SetUp() override {
        gSettings.setLibDir(T(macrotest::macroDataFolder().c_str()));
        macroData.initFromMacro(dbMacro.macro());
    }
    void TearDown() override { gSettings.setLibDir(Tvx_String()); }

    const Tvx_Macro& macro() const { return dbMacro.macro(); }
    Tvx_Module& module(const char* name) {
        Tvx_Module* found = nullptr;
        EXPECT_EQ(dbMacro.macroWrite()->findModuleWrite(T(name), found), eOk);
        return *found;
    }
    MacroTabData& tab(const char* name) {
        int index = -1;
        EXPECT_TRUE(macroData.findTab(T(name), index));
        return *macroData.getTab(index);
    }

    // Not in a database, so open for read and write.
    Tvx_DbMacro dbMacro{macrotest::endPlateMacro()};
    MacroData macroData;
};

}  // namespace standardstest
