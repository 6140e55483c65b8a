// Rounding to multiples of a step.
#include "platform/core/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Rounding, RoundToNearestMultiple) {
    struct Case {
        double value, step, expected;
    };
    const Case cases[] = {
        {11.4, 1, 11},         {11.5, 1, 12},       {-2.5, 1, -3}, {2.5, 5, 5},
        {0.35, 0.1, 0.4},      {1.005, 0.01, 1.01}, {12.0, 5, 10}, {12.5, 5, 15},
        {-12.4, 5, -10},       {7, 0, 7},           {7, -2, 7},    {0, 3, 0},
        {149.999999, 50, 150}, {1e-12, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " step " << c.step);
        EXPECT_NEAR(ObjectExportRoundTo(c.value, c.step), c.expected, 1e-12);
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(ObjectExportRoundTo(nan, 1)));
    EXPECT_EQ(ObjectExportRoundTo(3.3, nan), 3.3);
}

TEST(Rounding, RoundUpWithinTheTolerance) {
    struct Case {
        double value, step, tolerance, expected;
    };
    const Case cases[] = {
        {11.4, 1, 2, 12},    {11, 1, 2, 11},     {11.0000000001, 1, 0, 11},
        {10.1, 5, 5, 15},    {10.1, 5, 4, 10.1}, {-7.5, 5, 5, -5},
        {0.31, 0.1, 1, 0.4}, {11.4, 1, 0, 11.4}, {11.4, 1, -3, 11.4},
        {4, 0, 1, 4},        {4, -1, 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " step " << c.step << " tol " << c.tolerance);
        EXPECT_NEAR(ObjectExportRoundUp(c.value, c.step, c.tolerance), c.expected, 1e-12);
    }
}

}  // namespace
