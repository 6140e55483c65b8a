// The typed key/value list: its getters, its text form and its file form.
#include "sheeteditor/Tvx_SimplePropsList.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/core/FileBytes.h"
#include "support/TempDir.h"

namespace {

Tvx_String pathIn(const testsupport::TempDir& dir, const char* name) {
    return Tvx_String::fromUtf8((dir.path() / name).string());
}

TEST(Tvx_SimplePropsList, TextFormListsKeyTypeAndValueOfEachEntry) {
    Tvx_SimplePropsList list;
    list.setString(L"defaultFont", L"Tahoma");
    list.setInt(L"marginLeft", 9);
    list.setDouble(L"scale", 2.345);
    list.setLong(L"stamp", 5000000000LL);
    list.setBool(L"border", true);
    EXPECT_EQ(list.toText().str(),
              L"defaultFont¤4¤Tahoma¤marginLeft¤2¤9¤scale¤1¤2.35¤stamp¤3¤5000000000¤border¤2¤1¤");
}

TEST(Tvx_SimplePropsList, DoubleKeepsTwoDecimalsThroughTheTextForm) {
    Tvx_SimplePropsList list;
    list.setDouble(L"d", 2.345);
    double value = 0;
    ASSERT_TRUE(list.getDouble(L"d", value));
    EXPECT_DOUBLE_EQ(value, 2.345);  // in memory the value is whole

    Tvx_SimplePropsList back;
    back.fromText(list.toText());
    ASSERT_TRUE(back.getDouble(L"d", value));
    EXPECT_DOUBLE_EQ(value, 2.35);
}

TEST(Tvx_SimplePropsList, SettingAnExistingKeyReplacesItInPlace) {
    Tvx_SimplePropsList list;
    list.setInt(L"a", 1);
    list.setInt(L"b", 2);
    list.setString(L"a", L"text");
    EXPECT_EQ(list.toText().str(), L"a¤4¤text¤b¤2¤2¤");
}

TEST(Tvx_SimplePropsList, GetterOfWrongTypeOrMissingKeyFailsAndClearsOutput) {
    Tvx_SimplePropsList list;
    list.setString(L"s", L"12");
    list.setInt(L"i", 7);
    list.setLong(L"l", 8);

    int number = 99;
    EXPECT_FALSE(list.getInt(L"s", number));
    EXPECT_EQ(number, 0);
    double real = 1.5;
    EXPECT_FALSE(list.getDouble(L"i", real));
    EXPECT_EQ(real, 0.0);
    Tvx_String text = L"old";
    EXPECT_FALSE(list.getString(L"missing", text));
    EXPECT_TRUE(text.isEmpty());
    bool flag = true;
    EXPECT_FALSE(list.getBool(L"l", flag));  // a long is not a bool
    EXPECT_FALSE(flag);
    std::int64_t big = 3;
    EXPECT_FALSE(list.getLong(L"i", big));
    EXPECT_EQ(big, 0);

    EXPECT_TRUE(list.getBool(L"i", flag));
    EXPECT_TRUE(flag);
}

struct ParseCase {
    const wchar_t* text;
    const wchar_t* readBack;  // the text form of what was read
};

TEST(Tvx_SimplePropsList, ReadsWhatTheTextFormHolds) {
    const ParseCase cases[] = {
        {L"", L""},
        {L"a¤2¤5¤", L"a¤2¤5¤"},
        // A trailing piece without "¤" is ignored, and so is an unfinished entry.
        {L"a¤2¤5¤b¤4¤x", L"a¤2¤5¤"},
        {L"a¤2¤5¤b¤4¤", L"a¤2¤5¤"},
        // Type numbers outside 1 to 4 drop their entry.
        {L"a¤7¤5¤b¤0¤1¤c¤x¤1¤d¤4¤ok¤", L"d¤4¤ok¤"},
        // Numbers are read by their leading part.
        {L"i¤2¤ 12abc¤d¤1¤-1.25x¤l¤3¤junk¤", L"i¤2¤12¤d¤1¤-1.25¤l¤3¤0¤"},
        // A repeated key keeps its first place and takes the later value.
        {L"a¤2¤1¤b¤2¤2¤a¤4¤later¤", L"a¤4¤later¤b¤2¤2¤"},
        // Empty keys and values are entries like any other.
        {L"¤4¤¤", L"¤4¤¤"},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(Tvx_String(c.text).toUtf8());
        Tvx_SimplePropsList list;
        list.setInt(L"stale", 1);
        list.fromText(c.text);
        EXPECT_EQ(list.toText().str(), c.readBack);
    }
}

TEST(Tvx_SimplePropsList, UnknownKeysSurviveAReadAndWrite) {
    const Tvx_String text = L"custom¤4¤kept¤marginLeft¤2¤3¤other¤1¤1.50¤";
    Tvx_SimplePropsList list;
    list.fromText(text);
    EXPECT_EQ(list.toText(), text);
}

TEST(Tvx_SimplePropsList, RemoveKeyAndKeyAt) {
    Tvx_SimplePropsList list;
    list.setInt(L"a", 1);
    list.setDouble(L"b", 2);
    Tvx_String key;
    Tvx_SimplePropsList::Type type;
    ASSERT_TRUE(list.keyAt(1, key, type));
    EXPECT_EQ(key.str(), L"b");
    EXPECT_EQ(type, Tvx_SimplePropsList::kDouble);
    EXPECT_FALSE(list.keyAt(2, key, type));
    EXPECT_FALSE(list.keyAt(-1, key, type));
    EXPECT_TRUE(list.removeKey(L"a"));
    EXPECT_FALSE(list.removeKey(L"a"));
    EXPECT_EQ(list.length(), 1);
}

TEST(Tvx_SimplePropsList, SetAllReplacesAndAppendsInOrder) {
    Tvx_SimplePropsList list;
    list.setInt(L"a", 1);
    list.setInt(L"b", 2);
    Tvx_SimplePropsList more;
    more.setString(L"c", L"new");
    more.setInt(L"a", 10);
    list.setAll(more);
    EXPECT_EQ(list.toText().str(), L"a¤2¤10¤b¤2¤2¤c¤4¤new¤");
}

TEST(Tvx_SimplePropsList, FileFormIsWindows1252FieldsEachEndedByA4) {
    testsupport::TempDir dir;
    Tvx_SimplePropsList list;
    list.setString(L"héader", L"€5 Ω");
    list.setInt(L"n", -3);
    ASSERT_TRUE(list.writeToFile(pathIn(dir, "s.vtd")));
    EXPECT_EQ(dir.read("s.vtd"), std::string("h\xE9"
                                             "ader\xA4"
                                             "4\xA4\x80"
                                             "5 ?\xA4n\xA4"
                                             "2\xA4-3\xA4"));

    Tvx_SimplePropsList back;
    ASSERT_TRUE(back.readFromFile(pathIn(dir, "s.vtd")));
    Tvx_String value;
    ASSERT_TRUE(back.getString(L"héader", value));
    EXPECT_EQ(value.str(), L"€5 ?");
    int number = 0;
    ASSERT_TRUE(back.getInt(L"n", number));
    EXPECT_EQ(number, -3);
}

TEST(Tvx_SimplePropsList, FileReadDropsCarriageReturnBeforeLineFeed) {
    testsupport::TempDir dir;
    dir.write("crlf.vtd",
              "note\xA4"
              "4\xA4one\r\ntwo\rthree\xA4");
    Tvx_SimplePropsList list;
    ASSERT_TRUE(list.readFromFile(pathIn(dir, "crlf.vtd")));
    Tvx_String value;
    ASSERT_TRUE(list.getString(L"note", value));
    EXPECT_EQ(value.str(), L"one\ntwo\rthree");
}

TEST(Tvx_SimplePropsList, TruncatedFileGivesTheEntriesBeforeTheCut) {
    testsupport::TempDir dir;
    dir.write("cut.vtd",
              "a\xA4"
              "2\xA4"
              "1\xA4"
              "b\xA4"
              "2\xA4"
              "2\xA4"
              "c\xA4"
              "4\xA4"
              "unfini");
    Tvx_SimplePropsList list;
    ASSERT_TRUE(list.readFromFile(pathIn(dir, "cut.vtd")));
    EXPECT_EQ(list.toText().str(), L"a¤2¤1¤b¤2¤2¤");
}

TEST(Tvx_SimplePropsList, MissingFileFailsAndEmptiesTheList) {
    testsupport::TempDir dir;
    Tvx_SimplePropsList list;
    list.setInt(L"old", 1);
    EXPECT_FALSE(list.readFromFile(pathIn(dir, "none.vtd")));
    EXPECT_TRUE(list.isEmpty());
}

TEST(Tvx_SimplePropsList, FailedWriteKeepsTheOldFile) {
    testsupport::TempDir dir;
    Tvx_SimplePropsList list;
    list.setInt(L"a", 1);
    ASSERT_TRUE(list.writeToFile(pathIn(dir, "s.vtd")));
    const std::string before = dir.read("s.vtd");

    list.setString(L"b", L"a longer value that is cut short");
    failNthFileWrite(1);
    EXPECT_FALSE(list.writeToFile(pathIn(dir, "s.vtd")));
    EXPECT_EQ(dir.read("s.vtd"), before);
    EXPECT_FALSE(list.writeToFile(pathIn(dir, "no-such-folder/s.vtd")));
}

}  // namespace
