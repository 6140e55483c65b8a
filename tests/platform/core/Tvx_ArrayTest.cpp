// Tvx_Array: bad positions, searching, and bool elements that can be written.
#include "platform/core/Tvx_Array.h"

#include <gtest/gtest.h>

namespace {

TEST(Tvx_Array, BoolElementsAreWritableInPlace) {
    Tvx_BoolArray flags{false, true, false};
    flags[0] = true;
    bool& last = flags[2];
    last = true;
    EXPECT_EQ(flags, (Tvx_BoolArray{true, true, true}));
    int index = -1;
    flags[1] = false;
    EXPECT_TRUE(flags.find(false, index));
    EXPECT_EQ(index, 1);
}

TEST(Tvx_Array, PositionsOutsideTheArrayChangeNothingHarmful) {
    Tvx_IntArray numbers{1, 2, 3};
    EXPECT_FALSE(numbers.removeAt(3));
    EXPECT_FALSE(numbers.removeAt(-1));
    numbers.insertAt(99, 4);
    numbers.insertAt(-7, 0);
    EXPECT_EQ(numbers, (Tvx_IntArray{0, 1, 2, 3, 4}));
    numbers.setLogicalLength(-2);
    EXPECT_TRUE(numbers.isEmpty());
}

}  // namespace
