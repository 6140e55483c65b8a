// The bound on child-sheet nesting and the refusal of cycles.
#include "standards/engine/ChildCallChain.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "standards/engine/TempLibrary.h"

namespace {

using standardstest::TempLibrary;

Tvx_String sheet(int i) {
    return Tvx_String(L"Sheet") + Tvx_String(i) + Tvx_String(L".vts");
}

TEST(ChildCallChain, ThirtyTwoLevelsAndNoMore) {
    std::vector<std::unique_ptr<ChildCallScope>> chain;
    for (int level = 0; level < kMaxChildNesting; ++level) {
        chain.push_back(std::make_unique<ChildCallScope>(sheet(level), sheet(level + 1)));
        ASSERT_TRUE(chain.back()->entered()) << "level " << level + 1;
    }
    EXPECT_EQ(childCallDepth(), kMaxChildNesting);
    ChildCallScope tooDeep(sheet(kMaxChildNesting), sheet(kMaxChildNesting + 1));
    EXPECT_FALSE(tooDeep.entered());
    EXPECT_EQ(childCallDepth(), kMaxChildNesting);
    chain.pop_back();
    ChildCallScope again(sheet(kMaxChildNesting - 1), sheet(99));
    EXPECT_TRUE(again.entered());
}

TEST(ChildCallChain, ACallBackIntoAWaitingCallerIsRefused) {
    ChildCallScope first(L"Parent.vts", L"Child.vts");
    ASSERT_TRUE(first.entered());
    ChildCallScope second(L"Child.vts", L"Grandchild.vts");
    ASSERT_TRUE(second.entered());
    EXPECT_FALSE(ChildCallScope(L"Grandchild.vts", L"parent.VTS").entered());
    EXPECT_FALSE(ChildCallScope(L"Grandchild.vts", L"Child.vts").entered());
    EXPECT_TRUE(ChildCallScope(L"Grandchild.vts", L"Other.vts").entered());
    EXPECT_EQ(childCallDepth(), 2);
}

TEST(ChildCallChain, TheChainEmptiesAsCallsReturn) {
    {
        ChildCallScope first(L"A.vts", L"B.vts");
        ChildCallScope second(L"B.vts", L"C.vts");
        EXPECT_EQ(childCallDepth(), 2);
    }
    EXPECT_EQ(childCallDepth(), 0);
    EXPECT_TRUE(ChildCallScope(L"C.vts", L"A.vts").entered());
}

TEST(ChildCallChain, OneFileSpelledTwoWaysIsTheSameSheet) {
    TempLibrary library;
    const Tvx_String direct = library.write("Connection Standards/Childs/C.vts", "vtss-sheet 1\n");
    const Tvx_String withSlashes = Tvx_String::fromUtf8(
        (library.path() / "Connection Standards" / "Childs" / "C.vts").string());
    EXPECT_TRUE(sameSheetFile(direct, withSlashes));
    EXPECT_FALSE(sameSheetFile(direct, library.modulePath("Connection Standards/C.vts")));
    EXPECT_TRUE(sameSheetFile(L"x\\A.vts", L"X\\a.vts"));
}

}  // namespace
