// The editor settings: defaults, the text form, the variable lists and the
// ".vtd" files of the product folder.
#include "sheeteditor/VtSSSettings.h"

#include <gtest/gtest.h>

#include "platform/core/Tvx_Settings.h"
#include "support/TempDir.h"

namespace {

const wchar_t* const kDefaultTextForm =
    L"headerFile¤4¤¤footerFile¤4¤¤defaultFont¤4¤Tahoma¤defaultTextHeight¤2¤13¤"
    L"marginLeft¤2¤9¤marginRight¤2¤5¤marginTop¤2¤5¤marginBottom¤2¤5¤"
    L"smartPrint¤2¤1¤colors¤2¤1¤colHeader¤2¤1¤rowHeader¤2¤1¤cellSeperators¤2¤1¤"
    L"border¤2¤1¤";

// Points the product folder at a temporary folder for one test.
class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override { gSettings.setTvxDir(Tvx_String::fromUtf8(dir.path().string())); }
    void TearDown() override { gSettings.setTvxDir(L""); }
    testsupport::TempDir dir;
};

TEST(VtSSSettings, DefaultsOfEveryKey) {
    VtSSSettings settings;
    EXPECT_FALSE(settings.isValid());
    EXPECT_EQ(settings.textForm().str(), kDefaultTextForm);
}

TEST(VtSSSettings, EmptyTextFormReadsAsDefaults) {
    VtSSSettings settings;
    settings.setMarginTop(40);
    settings.setVarNames({L"x"});
    settings.readTextForm(L"");
    EXPECT_EQ(settings.textForm().str(), kDefaultTextForm);
}

TEST(VtSSSettings, EveryKeyPresentOverridesItsField) {
    VtSSSettings settings;
    settings.readTextForm(
        L"headerFile¤4¤c:\\h.bmp¤footerFile¤4¤f.txt¤defaultFont¤4¤Arial¤defaultTextHeight¤2¤20¤"
        L"marginLeft¤2¤1¤marginRight¤2¤2¤marginTop¤2¤3¤marginBottom¤2¤4¤smartPrint¤2¤0¤"
        L"colors¤2¤0¤colHeader¤2¤0¤rowHeader¤2¤0¤cellSeperators¤2¤0¤border¤2¤0¤");
    EXPECT_EQ(settings.headerFile().str(), L"c:\\h.bmp");
    EXPECT_EQ(settings.footerFile().str(), L"f.txt");
    EXPECT_EQ(settings.fontName().str(), L"Arial");
    EXPECT_EQ(settings.textHeight(), 20);
    EXPECT_EQ(settings.marginLeft(), 1);
    EXPECT_EQ(settings.marginRight(), 2);
    EXPECT_EQ(settings.marginTop(), 3);
    EXPECT_EQ(settings.marginBottom(), 4);
    EXPECT_FALSE(settings.smartPrint());
    EXPECT_FALSE(settings.colors());
    EXPECT_FALSE(settings.colHeader());
    EXPECT_FALSE(settings.rowHeader());
    EXPECT_FALSE(settings.cellSeparators());
    EXPECT_FALSE(settings.border());
}

TEST(VtSSSettings, KnownKeyOfWrongTypeLeavesItsDefault) {
    VtSSSettings settings;
    settings.readTextForm(L"marginLeft¤4¤20¤defaultFont¤2¤7¤border¤1¤0.00¤marginTop¤2¤8¤");
    EXPECT_EQ(settings.marginLeft(), 9);
    EXPECT_EQ(settings.fontName().str(), L"Tahoma");
    EXPECT_TRUE(settings.border());
    EXPECT_EQ(settings.marginTop(), 8);
}

TEST(VtSSSettings, UnknownKeysAreKeptAfterTheKnownOnes) {
    VtSSSettings settings;
    settings.readTextForm(L"paper¤4¤A3¤marginTop¤2¤8¤zoom¤1¤1.25¤");
    std::wstring expected = kDefaultTextForm;
    expected.replace(expected.find(L"marginTop¤2¤5"), 13, L"marginTop¤2¤8");
    EXPECT_EQ(settings.textForm().str(), expected + L"paper¤4¤A3¤zoom¤1¤1.25¤");
    settings.setDefaults();
    EXPECT_EQ(settings.textForm().str(), kDefaultTextForm);
}

struct VariableCase {
    const char* name;
    const wchar_t* text;
    Tvx_StringArray names;
    Tvx_StringArray values;
};

TEST(VtSSSettings, VariableListsReadUpToTheFirstGapAndAreCutToTheShorter) {
    const VariableCase cases[] = {
        {"three names, two values",
         L"varNames0¤4¤a¤varNames1¤4¤b¤varNames2¤4¤c¤varValues0¤4¤1¤varValues1¤4¤2¤",
         {L"a", L"b"},
         {L"1", L"2"}},
        {"gap ends a list",
         L"varNames0¤4¤a¤varNames2¤4¤c¤varValues0¤4¤1¤varValues1¤4¤2¤",
         {L"a"},
         {L"1"}},
        {"non-string entry ends a list",
         L"varNames0¤4¤a¤varNames1¤2¤5¤varValues0¤4¤1¤varValues1¤4¤2¤",
         {L"a"},
         {L"1"}},
        {"no values, no variables", L"varNames0¤4¤a¤", {}, {}},
    };
    for (const VariableCase& c : cases) {
        SCOPED_TRACE(c.name);
        VtSSSettings settings;
        settings.readTextForm(c.text);
        EXPECT_EQ(settings.varNames(), c.names);
        EXPECT_EQ(settings.varValues(), c.values);
    }
}

TEST(VtSSSettings, VariablesWrittenAsIndexedKeysAfterTheFixedOnes) {
    VtSSSettings settings;
    settings.setVarNames({L"Job", L"Date"});
    settings.setVarValues({L"J-12", L"today"});
    EXPECT_EQ(settings.textForm().str(),
              std::wstring(kDefaultTextForm) +
                  L"varNames0¤4¤Job¤varNames1¤4¤Date¤varValues0¤4¤J-12¤varValues1¤4¤today¤");
}

TEST(VtSSSettings, ShortenedVariableListDoesNotRevive) {
    VtSSSettings settings;
    settings.readTextForm(L"varNames0¤4¤a¤varNames1¤4¤b¤varValues0¤4¤1¤varValues1¤4¤2¤");
    settings.setVarNames({L"a"});
    settings.setVarValues({L"1"});
    VtSSSettings back;
    back.readTextForm(settings.textForm());
    EXPECT_EQ(back.varNames(), Tvx_StringArray({L"a"}));
    EXPECT_EQ(back.varValues(), Tvx_StringArray({L"1"}));
}

TEST_F(SettingsFileTest, SaveAndLoadTwiceGiveTheIdenticalTextForm) {
    VtSSSettings settings;
    ASSERT_FALSE(settings.load(L"missing"));  // makes the settings valid
    EXPECT_TRUE(settings.isValid());
    settings.setFontName(L"Arial");
    settings.setMarginLeft(12);
    settings.setBorder(false);
    settings.setHeaderFile(L"c:\\Headers\\Köpf.bmp");
    settings.setVarNames({L"Job"});
    settings.setVarValues({L"J-12"});
    ASSERT_TRUE(settings.save(L"Print"));
    EXPECT_FALSE(dir.read("Print.vtd").empty());

    VtSSSettings first;
    ASSERT_TRUE(first.load(L"Print"));
    EXPECT_EQ(first.textForm(), settings.textForm());
    ASSERT_TRUE(first.save(L"Again"));
    VtSSSettings second;
    ASSERT_TRUE(second.load(L"Again"));
    EXPECT_EQ(second.textForm(), first.textForm());
    EXPECT_EQ(dir.read("Again.vtd"), dir.read("Print.vtd"));
}

TEST_F(SettingsFileTest, SaveWritesNothingUntilValid) {
    VtSSSettings settings;
    EXPECT_FALSE(settings.save(L"Print"));
    EXPECT_TRUE(dir.read("Print.vtd").empty());
}

TEST_F(SettingsFileTest, TruncatedFileReadsWhatItCan) {
    dir.write("Cut.vtd",
              "marginLeft\xA4"
              "2\xA4"
              "1\xA4"
              "defaultFont\xA4"
              "4\xA4"
              "Ari");
    VtSSSettings settings;
    EXPECT_TRUE(settings.load(L"Cut"));
    EXPECT_EQ(settings.marginLeft(), 1);
    EXPECT_EQ(settings.fontName().str(), L"Tahoma");
}

TEST_F(SettingsFileTest, LoadFailsOnlyWhenNothingCanBeRead) {
    dir.write("Empty.vtd", "");
    dir.write("Fragment.vtd",
              "marginLeft\xA4"
              "2\xA4");
    for (const wchar_t* name : {L"Empty", L"Fragment", L"Missing"}) {
        SCOPED_TRACE(Tvx_String(name).toUtf8());
        VtSSSettings settings;
        settings.setMarginLeft(30);
        EXPECT_FALSE(settings.load(name));
        EXPECT_TRUE(settings.isValid());
        EXPECT_EQ(settings.textForm().str(), kDefaultTextForm);
    }
}

}  // namespace
