// A macro in the drawing database: read while open, written once opened for
// write through the transaction, and its base profiles.
#include "platform/core/macro/Tvx_DbMacro.h"

#include <gtest/gtest.h>

#include "platform/core/macro/MacroTestData.h"
#include "platform/host/AcDbDatabase.h"
#include "platform/host/AcTransactionManager.h"

namespace {

Tvx_String T(const char* utf8) {
    return Tvx_String::fromUtf8(utf8);
}

TEST(DbMacro, MacroWriteUpgradesAnObjectOpenForRead) {
    AcDbDatabase database;
    AcDbObjectId id;
    ASSERT_EQ(database.addAcDbObject(id, std::make_unique<Tvx_DbMacro>(macrotest::endPlateMacro())),
              eOk);
    AcTransactionManager* transactions = database.transactionManager();
    transactions->startTransaction();
    AcDbObject* object = nullptr;
    ASSERT_EQ(transactions->getObject(object, id, AcDb::kForRead), eOk);
    auto* dbMacro = dynamic_cast<Tvx_DbMacro*>(object);
    ASSERT_NE(dbMacro, nullptr);
    EXPECT_FALSE(dbMacro->isWriteEnabled());
    Tvx_Macro* macro = dbMacro->macroWrite();
    ASSERT_NE(macro, nullptr);
    EXPECT_TRUE(dbMacro->isWriteEnabled());
    macro->setGeneralVariable(T("gen_Gap"), 20.0);

    // An abort puts the macro back as it was.
    ASSERT_EQ(transactions->abortTransaction(), eOk);
    transactions->startTransaction();
    ASSERT_EQ(transactions->getObject(object, id, AcDb::kForRead), eOk);
    double gap = 0;
    EXPECT_EQ(dynamic_cast<Tvx_DbMacro*>(object)->macro().generalVariableValue(T("gen_Gap"), gap),
              eOk);
    EXPECT_EQ(gap, 12.0);
    transactions->endTransaction();

    // Closed: it cannot be opened for write.
    EXPECT_EQ(dynamic_cast<Tvx_DbMacro*>(object)->macroWrite(), nullptr);
}

TEST(DbMacro, BaseProfilesByNumberWithSectionAndMaterial) {
    const Tvx_DbMacro dbMacro(macrotest::endPlateMacro());
    const Tvx_Profile* profile = nullptr;
    ASSERT_EQ(getBaseProf(&dbMacro, 1, profile), eOk);
    Tvx_String text;
    EXPECT_EQ(getSectionName(*profile, text), eOk);
    EXPECT_EQ(text, T("IPE-300"));
    EXPECT_EQ(getMaterial(*profile, text), eOk);
    EXPECT_EQ(text, T("S355"));
    EXPECT_EQ(getBaseProf(&dbMacro, 2, profile), eInvalidInput);
    EXPECT_EQ(profile, nullptr);
    EXPECT_EQ(getBaseProf(&dbMacro, -1, profile), eInvalidInput);
    EXPECT_EQ(getBaseProf(nullptr, 0, profile), eInvalidInput);

    const Tvx_Profile bare{T("HEA-200"), T("")};
    text = T("kept");
    EXPECT_EQ(getMaterial(bare, text), eInvalidInput);
    EXPECT_EQ(text, T("kept"));
}

}  // namespace
