// The border table's placement of controls when a dialog changes size.
#include "platform/ui/layout/BorderTable.h"

#include <gtest/gtest.h>

namespace {

using namespace layout;

// A dialog laid out like the macro selection dialog: a filter panel across the
// top, a picture list filling the middle, a note and buttons at the bottom.
class SelectionDialogTable : public testing::Test {
  protected:
    void SetUp() override {
        const std::vector<BorderRule> rules = {
            {1175, toDialog(Side::Left), toDialog(Side::Top), toDialog(Side::Right), keepSize()},
            {1409, toDialog(Side::Left), toDialog(Side::Top), keepSize(), keepSize()},
            {9091, toDialog(Side::Left), toDialog(Side::Top), toDialog(Side::Right),
             toDialog(Side::Bottom)},
            {1353, toDialog(Side::Left), keepSize(), toDialog(Side::Right), toDialog(Side::Bottom)},
            {1, toDialog(Side::Left), keepSize(), keepSize(), toDialog(Side::Bottom)},
            {1352, keepSize(), keepSize(), toDialog(Side::Right), toDialog(Side::Bottom)},
        };
        const std::map<int, CRect> first = {
            {1175, CRect(5, 5, 335, 150)},   {1409, CRect(2, 5, 17, 20)},
            {9091, CRect(5, 160, 335, 320)}, {1353, CRect(5, 270, 335, 330)},
            {1, CRect(5, 335, 80, 355)},     {1352, CRect(200, 335, 335, 355)},
        };
        std::string reason;
        ASSERT_TRUE(table.setUp(rules, CSize(340, 360), first, &reason)) << reason;
    }
    BorderTable table;
};

TEST_F(SelectionDialogTable, EverySideFollowsItsRule) {
    const auto placed = table.place(CSize(440, 400));
    const std::map<int, CRect> expected = {
        {1175, CRect(5, 5, 435, 150)},      // wider, same height
        {1409, CRect(2, 5, 17, 20)},        // stays in the corner
        {9091, CRect(5, 160, 435, 360)},    // fills the growth
        {1353, CRect(5, 310, 435, 370)},    // follows the bottom, same height
        {1, CRect(5, 375, 80, 395)},        // follows the bottom-left corner
        {1352, CRect(300, 375, 435, 395)},  // follows the bottom-right corner
    };
    ASSERT_EQ(placed.size(), expected.size());
    for (const auto& [id, rect] : placed) {
        SCOPED_TRACE(id);
        EXPECT_EQ(rect, expected.at(id));
    }
}

TEST_F(SelectionDialogTable, TheFirstSizeGivesTheFirstPlaces) {
    for (const auto& [id, rect] : table.place(CSize(340, 360))) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(rect.Width() > 0 && rect.Height() > 0);
    }
    EXPECT_EQ(table.place(CSize(340, 360))[2].second, CRect(5, 160, 335, 320));
}

TEST(BorderTable, ControlsFollowEarlierControlsProportionsAndCentres) {
    BorderTable table;
    const std::vector<BorderRule> rules = {
        // Two frames sharing the height: the upper ends at half the height.
        {10, toDialog(Side::Left), toDialog(Side::Top), toDialog(Side::Right), proportional()},
        {20, toDialog(Side::Left), toControl(10, Side::Bottom), toDialog(Side::Right),
         toDialog(Side::Bottom)},
        // A button centred across the width, at a fixed distance below the top frame.
        {30, centred(), toControl(10, Side::Bottom), centred(), keepSize()},
    };
    const std::map<int, CRect> first = {
        {10, CRect(0, 0, 100, 50)}, {20, CRect(0, 60, 100, 100)}, {30, CRect(40, 52, 60, 58)}};
    ASSERT_TRUE(table.setUp(rules, CSize(100, 100), first));
    const auto placed = table.place(CSize(200, 300));
    EXPECT_EQ(placed[0].second, CRect(0, 0, 200, 150));
    EXPECT_EQ(placed[1].second, CRect(0, 160, 200, 300));
    EXPECT_EQ(placed[2].second, CRect(90, 152, 110, 158));
}

TEST(BorderTable, BadTablesAreRefusedWithAReason) {
    const std::map<int, CRect> first = {{1, CRect(0, 0, 10, 10)}, {2, CRect(0, 20, 10, 30)}};
    struct Case {
        const char* name;
        std::vector<BorderRule> rules;
        std::string reason;
    };
    const auto fixed = toDialog(Side::Left);
    const auto fixedTop = toDialog(Side::Top);
    const Case cases[] = {
        {"unknown control",
         {{7, fixed, fixedTop, keepSize(), keepSize()}},
         "control 7 has no place"},
        {"twice",
         {{1, fixed, fixedTop, keepSize(), keepSize()},
          {1, fixed, fixedTop, keepSize(), keepSize()}},
         "control 1 is in the table twice"},
        {"later reference",
         {{1, fixed, toControl(2, Side::Bottom), keepSize(), keepSize()},
          {2, fixed, fixedTop, keepSize(), keepSize()}},
         "control 1 follows control 2, which is not earlier in the table"},
        {"wrong direction",
         {{1, toDialog(Side::Top), fixedTop, keepSize(), keepSize()}},
         "control 1 follows a side of the other direction"},
        {"no width",
         {{1, keepSize(), fixedTop, keepSize(), keepSize()}},
         "control 1 keeps its width on both sides"},
        {"no height",
         {{1, fixed, keepSize(), fixed, keepSize()}},
         "control 1 keeps its height on both sides"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BorderTable table;
        std::string reason;
        EXPECT_FALSE(table.setUp(c.rules, CSize(100, 100), first, &reason));
        EXPECT_EQ(reason, c.reason);
        EXPECT_TRUE(table.place(CSize(200, 200)).empty());
    }
}

}  // namespace
