// Texts in global memory blocks: handles, unknown handles and failing allocations.
#include "platform/core/GlobalMemory.h"

#include <gtest/gtest.h>

namespace {

class GlobalMemoryTest : public testing::Test {
  protected:
    void SetUp() override { liveAtStart = liveGlobalHandleCount(); }
    void TearDown() override {
        failNthGlobalAlloc(0);
        EXPECT_EQ(liveGlobalHandleCount(), liveAtStart);  // nothing leaked
    }
    int liveAtStart = 0;
};

TEST_F(GlobalMemoryTest, TextTravelsThroughAHandle) {
    GlobalHandle handle = kNullGlobalHandle;
    ASSERT_TRUE(setGlobalStr(handle, L"HEA 100\u2022x"));
    EXPECT_NE(handle, kNullGlobalHandle);
    EXPECT_EQ(liveGlobalHandleCount(), liveAtStart + 1);
    Tvx_String text;
    EXPECT_TRUE(getGlobalStr(handle, text));
    EXPECT_EQ(text.str(), L"HEA 100\u2022x");

    const GlobalHandle same = handle;
    ASSERT_TRUE(setGlobalStr(handle, L"replaced"));
    EXPECT_EQ(handle, same);
    EXPECT_TRUE(getGlobalStr(handle, text));
    EXPECT_EQ(text.str(), L"replaced");

    // Taking the text frees the block; a second take finds nothing.
    std::wstring taken = L"stale";
    EXPECT_TRUE(takeGlobalStr(handle, taken));
    EXPECT_EQ(taken, L"replaced");
    EXPECT_EQ(liveGlobalHandleCount(), liveAtStart);
    EXPECT_FALSE(takeGlobalStr(handle, taken));
    EXPECT_TRUE(taken.empty());
    EXPECT_FALSE(freeGlobalHandle(handle));
}

TEST_F(GlobalMemoryTest, NullFreedAndUnknownHandlesFailQuietly) {
    GlobalHandle handle = kNullGlobalHandle;
    ASSERT_TRUE(setGlobalStr(handle, L"x"));
    ASSERT_TRUE(freeGlobalHandle(handle));

    Tvx_String text(L"stale");
    EXPECT_FALSE(getGlobalStr(handle, text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(getGlobalStr(kNullGlobalHandle, text));
    EXPECT_FALSE(getGlobalStr(987654321, text));
    EXPECT_FALSE(freeGlobalHandle(handle));
    EXPECT_FALSE(freeGlobalHandle(kNullGlobalHandle));
    GlobalHandle freed = handle;
    EXPECT_FALSE(setGlobalStr(freed, L"y"));
    EXPECT_EQ(freed, handle);

    // A new block never reuses a freed handle.
    GlobalHandle next = kNullGlobalHandle;
    ASSERT_TRUE(setGlobalStr(next, L"z"));
    EXPECT_NE(next, handle);
    EXPECT_TRUE(freeGlobalHandle(next));
}

TEST_F(GlobalMemoryTest, InjectedAllocationFailure) {
    failNthGlobalAlloc(2);
    GlobalHandle first = kNullGlobalHandle, second = kNullGlobalHandle;
    EXPECT_TRUE(setGlobalStr(first, L"a"));
    EXPECT_FALSE(setGlobalStr(second, L"b"));
    EXPECT_EQ(second, kNullGlobalHandle);
    EXPECT_TRUE(setGlobalStr(first, L"replacing is no allocation"));
    EXPECT_TRUE(setGlobalStr(second, L"b"));
    EXPECT_TRUE(freeGlobalHandle(first));
    EXPECT_TRUE(freeGlobalHandle(second));
}

}  // namespace
