// The numbered interface texts: the shipped files and hand-written ones.
#include "platform/core/NumberedTexts.h"

#include <gtest/gtest.h>

#include "platform/core/Tvx_Settings.h"
#include "support/TempDir.h"

namespace {

class NumberedTextsTest : public testing::Test {
  protected:
    void TearDown() override { gSettings.setTvxDir(L""); }
    void useFolder(const testsupport::TempDir& folder) {
        gSettings.setTvxDir(Tvx_String::fromUtf8(folder.path().string()));
    }
};

TEST_F(NumberedTextsTest, ShippedFilesAreWellFormedAndHoldTheGenericTexts) {
    const Tvx_StringArray problems = numberedTextProblems();
    for (const Tvx_String& problem : problems)
        ADD_FAILURE() << problem.toUtf8();
    EXPECT_EQ(dialString(1).str(), L"OK");
    EXPECT_EQ(dialString(2).str(), L"Cancel");
}

TEST_F(NumberedTextsTest, ReadsNumbersTextsAndEscapes) {
    testsupport::TempDir folder;
    folder.write("texts/dialog.txt",
                 "# header\n\n1\tOK\r\n1128\tThe file exists.\\nReplace it?\n7\ta\\tb \\\\ c\n"
                 "9\t\n");
    folder.write("texts/strings.txt", "2262\tLength\n");
    useFolder(folder);
    struct Case {
        Tvx_String text;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {dialString(1), L"OK"},        {dialString(1128), L"The file exists.\nReplace it?"},
        {dialString(7), L"a\tb \\ c"}, {dialString(9), L""},
        {dialString(2262), L"#2262"},  // the tables are separate
        {string(2262), L"Length"},     {string(1), L"#1"},
        {dialString(-5), L"#-5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.expected).toUtf8());
        EXPECT_EQ(c.text.str(), c.expected);
    }
    EXPECT_TRUE(hasDialString(9));
    EXPECT_FALSE(hasDialString(2262));
    EXPECT_TRUE(hasString(2262));
    EXPECT_EQ(numberedTextProblems().length(), 0);
}

TEST_F(NumberedTextsTest, MalformedLinesAreSkippedAndListed) {
    testsupport::TempDir folder;
    folder.write(
        "texts/dialog.txt",
        "1\tOK\n2 Cancel\nx\tText\n1\tAgain\n3\tbad \\q escape\n99999999999\tbig\n4\tfine\n");
    useFolder(folder);
    EXPECT_EQ(dialString(1).str(), L"OK");  // the first text of a number stays
    EXPECT_EQ(dialString(2).str(), L"#2");
    EXPECT_EQ(dialString(3).str(), L"#3");
    EXPECT_EQ(dialString(4).str(), L"fine");
    const Tvx_StringArray expected{
        L"dialog.txt:2: expected a number and a tab", L"dialog.txt:3: expected a number and a tab",
        L"dialog.txt:4: number 1 appears twice",      L"dialog.txt:5: unknown escape sequence",
        L"dialog.txt:6: expected a number and a tab", L"strings.txt: cannot be read"};
    EXPECT_EQ(numberedTextProblems(), expected);
}

}  // namespace
