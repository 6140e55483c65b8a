// Names found with letter case ignored, the first index of each name kept:
// what a probe finds must be what a search from the top with
// Tvx_String::equal (flag clear) finds.
#include "platform/core/FoldedNameIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Tvx_String.h"

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

TEST(FoldedNameIndex, FindsWhatASearchFromTheTopFinds) {
    const std::vector<std::wstring> keys = {
        L"M16", L"m16",  L"HEA 200", L"\u00C4rger", L"\u0414\u041E\u041C", L"\u0141\u00F3d\u017A",
        L"",    L"M16 ", L"\u00DF",
    };
    FoldedNameIndex index;
    for (int row = 0; row < static_cast<int>(keys.size()); ++row)
        index.add(keys[static_cast<size_t>(row)], row);
    const std::vector<std::wstring> probes = {
        L"M16",
        L"m16",
        L"hea 200",
        L"HEA  200",
        L"\u00E4RGER",
        L"\u0434\u043E\u043C",
        L"\u0142\u00D3D\u017B",
        L"",
        L"m16 ",
        L"M1",
        L"\u00DF",
        L"SS",
        L"M17",
    };
    for (const std::wstring& probe : probes) {
        int expected = -1;
        for (int row = 0; row < static_cast<int>(keys.size()); ++row) {
            if (Tvx_String(keys[static_cast<size_t>(row)]).equal(Tvx_String(probe), false)) {
                expected = row;
                break;
            }
        }
        SCOPED_TRACE(Tvx_String(probe).toUtf8());
        EXPECT_EQ(index.find(probe), expected);
    }
}

TEST(FoldedNameIndex, AnEmptyIndexFindsNothing) {
    const FoldedNameIndex index;
    EXPECT_EQ(index.find(L"M16"), -1);
    EXPECT_EQ(index.find(L""), -1);
}

}  // namespace
