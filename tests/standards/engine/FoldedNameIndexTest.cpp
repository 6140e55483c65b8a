// Variable names looked up with letter case ignored, the first index of each
// name kept.
#include "standards/engine/FoldedNameIndex.h"

#include <gtest/gtest.h>

namespace {

TEST(FoldedNameIndex, FindsEachNameWhateverItsLetterCase) {
    FoldedNameIndex index;
    EXPECT_TRUE(index.add(L"Width", 0));
    EXPECT_TRUE(index.add(L"gen_Gap", 1));
    EXPECT_TRUE(index.add(L"\u00C4rger", 2));  // A with diaeresis folds too
    EXPECT_TRUE(index.add(L"", 3));
    const struct {
        const wchar_t* name;
        int index;
    } cases[] = {
        {L"Width", 0}, {L"WIDTH", 0}, {L"width", 0},   {L"GEN_gap", 1},  {L"\u00E4RGER", 2},
        {L"", 3},      {L"Widt", -1}, {L"Width ", -1}, {L"gen-Gap", -1}, {L"Widths", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "name " << c.name);
        EXPECT_EQ(index.find(c.name), c.index);
    }
}

TEST(FoldedNameIndex, KeepsTheFirstIndexOfANameGivenTwice) {
    FoldedNameIndex index;
    EXPECT_TRUE(index.add(L"Tmp", 4));
    EXPECT_FALSE(index.add(L"TMP", 9));
    EXPECT_FALSE(index.add(L"Tmp", 2));
    EXPECT_EQ(index.find(L"tmp"), 4);
    EXPECT_EQ(index.size(), 1u);
    index.clear();
    EXPECT_EQ(index.find(L"tmp"), -1);
    EXPECT_TRUE(index.add(L"tmp", 7));
    EXPECT_EQ(index.find(L"TMP"), 7);
}

}  // namespace
