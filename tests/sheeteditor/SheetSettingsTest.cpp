// Settings kept in a sheet's corner tag, and a sheet prepared for the editor
// from a settings file.
#include <gtest/gtest.h>

#include "GridTestDialog.h"
#include "platform/core/Tvx_Settings.h"
#include "platform/ui/registry/RegistryStore.h"
#include "sheeteditor/ApplySettingsFile.h"
#include "sheeteditor/VtSSRegistrySets.h"
#include "sheeteditor/VtSSSettings.h"
#include "spread/Tvx_Spread.h"
#include "support/TempDir.h"

namespace {

class SheetSettingsTest : public testing::Test {
  protected:
    void SetUp() override {
        gSettings.setTvxDir(Tvx_String::fromUtf8(productDir.path().string()));
        registry::setRegistryFolder(registryDir.path());
        ASSERT_TRUE(sheet.attachToDlgItem(&dialog, spreadtest::kGridPlaceholder, true));
    }
    void TearDown() override {
        gSettings.setTvxDir(L"");
        registry::setRegistryFolder({});
    }
    void saveSettings(const wchar_t* name, const wchar_t* font, int height) {
        VtSSSettings settings;
        settings.load(L"none");
        settings.setFontName(font);
        settings.setTextHeight(height);
        settings.setMarginTop(33);
        ASSERT_TRUE(settings.save(name));
    }
    Tvx_String cornerTag() {
        Tvx_String tag;
        sheet.GetCellTag(0, 0, tag);
        return tag;
    }

    testsupport::TempDir productDir;
    testsupport::TempDir registryDir;
    spreadtest::GridTestDialog dialog;
    Tvx_Spread sheet;
};

TEST_F(SheetSettingsTest, EmptyCornerTagReadsAsDefaultsAndValid) {
    VtSSSettings settings;
    settings.setMarginLeft(40);
    ASSERT_TRUE(settings.readFromSheet(sheet));
    EXPECT_TRUE(settings.isValid());
    EXPECT_EQ(settings.marginLeft(), 9);
    EXPECT_EQ(settings.sheetWindow(), sheet.GetSafeHwnd());
}

TEST_F(SheetSettingsTest, WrittenSettingsTravelInTheCornerTag) {
    VtSSSettings settings;
    EXPECT_FALSE(settings.writeToSheet(sheet));  // not valid yet
    EXPECT_TRUE(cornerTag().isEmpty());
    ASSERT_TRUE(settings.readFromSheet(sheet));
    settings.setFooterFile(L"foot.txt");
    settings.setVarNames({L"Job"});
    settings.setVarValues({L"12"});
    ASSERT_TRUE(settings.writeToSheet(sheet));
    EXPECT_EQ(cornerTag(), settings.textForm());

    VtSSSettings back;
    ASSERT_TRUE(back.readFromSheet(sheet));
    EXPECT_EQ(back.footerFile().str(), L"foot.txt");
    EXPECT_EQ(back.varNames(), Tvx_StringArray({L"Job"}));
    ASSERT_TRUE(back.writeToSheet(sheet));
    EXPECT_EQ(cornerTag(), settings.textForm());

    Tvx_Spread unattached;
    EXPECT_FALSE(back.readFromSheet(unattached));
}

TEST_F(SheetSettingsTest, ApplyingAFileInitialisesTheSheetWithItsSettingsAndFont) {
    saveSettings(L"Bill", L"Arial", 11);
    ASSERT_TRUE(applySettingsFile(sheet, L"Bill", true));
    EXPECT_EQ(sheet.getMaxCols(), 6);
    EXPECT_EQ(sheet.getMaxRows(), 11);
    EXPECT_EQ(sheet.getCellType(6, 11), 1);
    VtSSSettings settings;
    ASSERT_TRUE(settings.readFromSheet(sheet));
    EXPECT_EQ(settings.marginTop(), 33);
    EXPECT_EQ(sheet.fontName().str(), L"Arial");
    SS_FONT font;
    sheet.GetFont(3, 4, font);
    EXPECT_EQ(font, (SS_FONT{L"Arial", 11, 400}));
    sheet.GetFont(0, 4, font);
    EXPECT_EQ(font.weight, 700);
    SS_TEXTTIP tip;
    sheet.GetTextTip(tip);
    EXPECT_EQ(tip.mode, 2);
    EXPECT_EQ(tip.delay, 10);
    EXPECT_EQ(sheet.GetCellNoteIndicator(), 0);
    EXPECT_TRUE(sheet.GetBool(grid::kOptionAllowUserFormulas));
}

TEST_F(SheetSettingsTest, MissingFileFallsBackToTheRegistryDefault) {
    saveSettings(L"House", L"Courier", 12);
    VtSSRegistrySets registrySets;
    registrySets.setDefaultSettings(L"House");
    ASSERT_TRUE(registrySets.write());
    ASSERT_TRUE(applySettingsFile(sheet, L"Missing", true));
    VtSSSettings settings;
    settings.readFromSheet(sheet);
    EXPECT_EQ(settings.fontName().str(), L"Courier");
    EXPECT_EQ(sheet.fontHeight(), 12);
}

TEST_F(SheetSettingsTest, NothingReadableLeavesTheDefaults) {
    ASSERT_TRUE(applySettingsFile(sheet, L"Missing", true));
    VtSSSettings settings;
    settings.readFromSheet(sheet);
    EXPECT_EQ(settings.textForm(), VtSSSettings().textForm());
    EXPECT_EQ(sheet.fontName().str(), L"Tahoma");
    EXPECT_EQ(sheet.fontHeight(), 13);
}

TEST_F(SheetSettingsTest, WithoutInitialiseOnlyOptionsAndTips) {
    sheet.setMaxCols(2);
    ASSERT_TRUE(applySettingsFile(sheet, L"Missing", false));
    EXPECT_EQ(sheet.getMaxCols(), 2);
    EXPECT_TRUE(cornerTag().isEmpty());
    Tvx_Spread unattached;
    EXPECT_FALSE(applySettingsFile(unattached, L"Missing", true));
}

}  // namespace
