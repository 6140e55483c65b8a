// Rectangle arithmetic and the dialog-unit conversion.
#include <gtest/gtest.h>

#include "UiTestPrinting.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Geometry.h"

namespace {

TEST(Geometry, IntersectionAndUnion) {
    struct Case {
        const char* what;
        CRect a, b;
        bool overlaps;
        CRect intersection, unionRect;
    };
    const Case cases[] = {
        {"overlapping", {0, 0, 10, 10}, {5, 5, 20, 20}, true, {5, 5, 10, 10}, {0, 0, 20, 20}},
        {"touching edges", {0, 0, 10, 10}, {10, 0, 20, 10}, false, {}, {0, 0, 20, 10}},
        {"inside", {0, 0, 10, 10}, {2, 2, 4, 4}, true, {2, 2, 4, 4}, {0, 0, 10, 10}},
        {"one empty", {0, 0, 10, 10}, {50, 50, 50, 60}, false, {}, {0, 0, 10, 10}},
        {"both empty", {3, 3, 3, 3}, {5, 5, 5, 9}, false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CRect i, u;
        EXPECT_EQ(i.IntersectRect(c.a, c.b), c.overlaps);
        EXPECT_EQ(i, c.intersection);
        u.UnionRect(c.a, c.b);
        EXPECT_EQ(u, c.unionRect);
    }
}

TEST(Geometry, PointsOnTheRightAndBottomEdgesAreOutside) {
    const CRect r(0, 0, 10, 5);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(9, 5)));
    EXPECT_EQ(r.CenterPoint(), CPoint(5, 2));
}

TEST(Geometry, MovingInflatingAndNormalising) {
    CRect r(10, 20, 30, 60);
    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(15, 15, 35, 55));
    r.InflateRect(1, 2);
    EXPECT_EQ(r, CRect(14, 13, 36, 57));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(15, 15, 33, 53));
    r.MoveToXY(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 18, 38));
    CRect inverted(10, 10, 0, 5);
    EXPECT_TRUE(inverted.IsRectEmpty());
    inverted.NormalizeRect();
    EXPECT_EQ(inverted, CRect(0, 5, 10, 10));
    EXPECT_EQ(CPoint(3, 4) - CPoint(1, 1), CSize(2, 3));
    EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
}

TEST(Geometry, DialogUnitsRoundHalfAwayFromZero) {
    struct Case {
        int units;
        int x, y;
    };
    const Case cases[] = {
        {0, 0, 0}, {1, 2, 2}, {2, 3, 3}, {4, 6, 7}, {8, 12, 13}, {299, 449, 486}, {-1, -2, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(ui::dialogUnitsToPixelsX(c.units), c.x);
        EXPECT_EQ(ui::dialogUnitsToPixelsY(c.units), c.y);
    }
}

}  // namespace
