// The keyed properties list: values, the text file and its error messages.
#include "platform/core/Tvx_PropertiesList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/FileBytes.h"
#include "platform/core/PathMapping.h"
#include "support/TempDir.h"

namespace {

using ValueType = Tvx_PropertiesList::ValueType;

class PropertiesListFileTest : public testing::Test {
  protected:
    void SetUp() override { setDriveRoot(temp.path()); }
    void TearDown() override {
        setDriveRoot({});
        failNthFileWrite(0);
    }
    testsupport::TempDir temp;
};

TEST(Tvx_PropertiesList, TypedValuesUnderKeys) {
    Tvx_PropertiesList list;
    EXPECT_TRUE(list.setInt(L"nrOfControls", 2));
    EXPECT_TRUE(list.setDouble(L"topLeftX0", 0.25));
    EXPECT_TRUE(list.setString(L"contents0", L"Plate"));
    int whole = 0;
    double number = 0;
    Tvx_String text;
    EXPECT_TRUE(list.getInt(L"nrOfControls", whole));
    EXPECT_EQ(whole, 2);
    EXPECT_TRUE(list.getDouble(L"nrOfControls", number));  // an int reads as a double
    EXPECT_EQ(number, 2.0);
    EXPECT_TRUE(list.getDouble(L"topLeftX0", number));
    EXPECT_EQ(number, 0.25);
    EXPECT_TRUE(list.getString(L"contents0", text));
    EXPECT_EQ(text.str(), L"Plate");

    // Wrong type or missing key: false and the output untouched.
    whole = 7;
    EXPECT_FALSE(list.getInt(L"topLeftX0", whole));
    EXPECT_FALSE(list.getInt(L"NROFCONTROLS", whole));
    EXPECT_EQ(whole, 7);
    EXPECT_FALSE(list.getString(L"nrOfControls", text));
    EXPECT_EQ(text.str(), L"Plate");

    // Replacing keeps the place; a new key goes to the end.
    EXPECT_TRUE(list.setString(L"nrOfControls", L"two"));
    Tvx_String key;
    ValueType type = ValueType::Int;
    ASSERT_TRUE(list.keyAt(0, key, type));
    EXPECT_EQ(key.str(), L"nrOfControls");
    EXPECT_EQ(type, ValueType::String);
    EXPECT_FALSE(list.keyAt(3, key, type));
    EXPECT_FALSE(list.keyAt(-1, key, type));

    EXPECT_TRUE(list.removeKey(L"topLeftX0"));
    EXPECT_FALSE(list.removeKey(L"topLeftX0"));
    EXPECT_FALSE(list.hasKey(L"topLeftX0"));
    EXPECT_EQ(list.length(), 2);
}

TEST(Tvx_PropertiesList, RefusesKeysTheFileCannotHold) {
    Tvx_PropertiesList list;
    for (const wchar_t* key : {L"", L"a=b", L"line\nbreak", L"cr\r"}) {
        SCOPED_TRACE(Tvx_String(key).toUtf8());
        EXPECT_FALSE(list.setInt(key, 1));
    }
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.setInt(L" spaced key ", 1));
    EXPECT_TRUE(list.setInt(L"#hash", 1));
}

TEST(Tvx_PropertiesList, TextFormMatchesTheDocumentedExample) {
    Tvx_PropertiesList list;
    list.setInt(L"nrOfControls", 1);
    list.setDouble(L"topLeftX0", 0.2);
    list.setDouble(L"bottomRightY0", 0.2 + 18.0 / 70.0);
    list.setString(L"contents0", L"Plate thickness\tin mm");
    list.setString(L"comboList0", L"");
    EXPECT_EQ(list.toText().str(),
              L"int nrOfControls=1\n"
              L"double topLeftX0=0.2\n"
              L"double bottomRightY0=0.45714285714285713\n"
              L"string contents0=Plate thickness\\tin mm\n"
              L"string comboList0=\n");
}

TEST(Tvx_PropertiesList, EveryValueRoundTripsExactly) {
    const double doubles[] = {0.1,
                              1.0 / 3.0,
                              -0.0,
                              5e-324,
                              1.7976931348623157e308,
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN(),
                              123456789.123456789};
    Tvx_PropertiesList list;
    int i = 0;
    for (double value : doubles)
        list.setDouble(Tvx_String(L"d") + Tvx_String(i++), value);
    list.setInt(L"min", std::numeric_limits<int>::min());
    list.setInt(L"max", std::numeric_limits<int>::max());
    list.setString(L"blanks", L"  both ends  ");
    list.setString(L"escapes", L"a\\b\nc\rd\te\\n");
    list.setString(L"separators", L"\u2022\u0192\u00BF\u00A4;=#");
    list.setString(L"empty", L"");

    Tvx_PropertiesList read;
    Tvx_String error;
    ASSERT_TRUE(read.readFromText(list.toText(), L"t", &error)) << error.toUtf8();
    EXPECT_EQ(read, list);
    double zero = 1;
    ASSERT_TRUE(read.getDouble(L"d2", zero));
    EXPECT_TRUE(std::signbit(zero));
}

TEST(Tvx_PropertiesList, MalformedLinesNameTheFileAndLine) {
    struct Case {
        const wchar_t* text;
        const wchar_t* message;
    };
    const Case cases[] = {
        {L"int a=1\nfloat b=2\n",
         L"d.txt:2: expected \"int\", \"double\" or \"string\" before the key"},
        {L"# c\n\nint\n", L"d.txt:3: expected \"int\", \"double\" or \"string\" before the key"},
        {L" int a=1", L"d.txt:1: expected \"int\", \"double\" or \"string\" before the key"},
        {L"int a 1", L"d.txt:1: expected '=' after the key"},
        {L"int =1", L"d.txt:1: expected a key before '='"},
        {L"int a=1.5", L"d.txt:1: expected a whole number for key 'a'"},
        {L"int a=99999999999", L"d.txt:1: expected a whole number for key 'a'"},
        {L"int a=+-1", L"d.txt:1: expected a whole number for key 'a'"},
        {L"int a=", L"d.txt:1: expected a whole number for key 'a'"},
        {L"double x=1,5", L"d.txt:1: expected a number for key 'x'"},
        {L"double x= 1", L"d.txt:1: expected a number for key 'x'"},
        {L"double x=\u0661", L"d.txt:1: expected a number for key 'x'"},
        {L"string s=a\\qb", L"d.txt:1: unknown escape sequence in the text of key 's'"},
        {L"string s=ends\\", L"d.txt:1: unknown escape sequence in the text of key 's'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.text).toUtf8());
        Tvx_PropertiesList list;
        list.setInt(L"kept", 1);
        const Tvx_PropertiesList before = list;
        Tvx_String error;
        EXPECT_FALSE(list.readFromText(c.text, L"d.txt", &error));
        EXPECT_EQ(error.str(), c.message);
        EXPECT_EQ(list, before);
    }
}

TEST(Tvx_PropertiesList, LaterLineOfAKeyWins) {
    Tvx_PropertiesList list;
    ASSERT_TRUE(list.readFromText(L"int a=1\r\nstring b=x\r\ndouble a=2.5\r\n", L"t", nullptr));
    double a = 0;
    EXPECT_TRUE(list.getDouble(L"a", a));
    EXPECT_EQ(a, 2.5);
    EXPECT_EQ(list.length(), 2);
}

TEST_F(PropertiesListFileTest, WritesAndReadsFiles) {
    Tvx_PropertiesList list;
    list.setInt(L"nrOfControls", 1);
    list.setString(L"contents0", L"\u00C4rger");
    ASSERT_TRUE(list.writeToFile(L"c:\\Design.txt"));
    EXPECT_EQ(temp.read("Design.txt"), "int nrOfControls=1\nstring contents0=\xC3\x84rger\n");
    Tvx_PropertiesList read;
    ASSERT_TRUE(read.readFromFile(L"c:\\design.TXT"));
    EXPECT_EQ(read, list);

    // A file of the original platform, in Windows-1252 with CRLF line ends.
    temp.write("old.txt", "string contents0=\xC4rger\r\nint nrOfControls=1\r\n");
    ASSERT_TRUE(read.readFromFile(L"c:\\old.txt"));
    Tvx_String text;
    EXPECT_TRUE(read.getString(L"contents0", text));
    EXPECT_EQ(text.str(), L"\u00C4rger");
}

TEST_F(PropertiesListFileTest, FailuresKeepListAndFile) {
    Tvx_PropertiesList list;
    list.setInt(L"kept", 1);
    const Tvx_PropertiesList before = list;
    Tvx_String error;
    EXPECT_FALSE(list.readFromFile(L"c:\\Dialog Design\\missing.txt", &error));
    EXPECT_EQ(error.str(), L"missing.txt: cannot be read");
    EXPECT_EQ(list, before);

    temp.write("bad.txt", "int a=1\nint b=x\n");
    EXPECT_FALSE(list.readFromFile(L"c:\\bad.txt", &error));
    EXPECT_EQ(error.str(), L"bad.txt:2: expected a whole number for key 'b'");
    EXPECT_EQ(list, before);

    ASSERT_TRUE(list.writeToFile(L"c:\\keep.txt"));
    list.setString(L"more", L"text");
    failNthFileWrite(1);
    EXPECT_FALSE(list.writeToFile(L"c:\\keep.txt"));
    EXPECT_EQ(temp.read("keep.txt"), "int kept=1\n");
}

}  // namespace
