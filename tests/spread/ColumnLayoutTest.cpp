// The column widths of the grid layouts.
#include "spread/ColumnLayout.h"

#include <gtest/gtest.h>

namespace {

using columnlayout::Widths;

struct LayoutCase {
    const char* name;
    Widths actual;
    int header;
    std::vector<int> columns;
};

TEST(ColumnLayout, WidthsOfEachLayout) {
    const LayoutCase cases[] = {
        {"equal, header hidden",
         columnlayout::equalColumns(400, 4, false),
         -1,
         {100, 100, 100, 100}},
        {"equal, header shown counts as a column",
         columnlayout::equalColumns(400, 3, true),
         100,
         {100, 100, 100}},
        {"equal rounds down", columnlayout::equalColumns(100, 3, false), -1, {33, 33, 33}},
        {"equal, no columns", columnlayout::equalColumns(400, 0, true), -1, {}},
        {"percent of the client width, rest shared less the header",
         columnlayout::percentColumn(500, 40, 3, 2, 50),
         -1,
         {105, 250, 105}},
        {"percent counted from the right",
         columnlayout::percentColumn(400, 0, 4, -1, 25),
         -1,
         {100, 100, 100, 100}},
        {"percent, second from the right",
         columnlayout::percentColumn(400, 0, 3, -2, 50),
         -1,
         {100, 200, 100}},
        {"percent, column outside is ignored",
         columnlayout::percentColumn(300, 0, 3, 7, 50),
         -1,
         {100, 100, 100}},
        {"fixed", columnlayout::fixedColumn(300, 0, 3, 1, 120), -1, {120, 90, 90}},
        {"fixed wider than the client leaves 0",
         columnlayout::fixedColumn(300, 0, 3, 3, 400),
         -1,
         {0, 0, 400}},
        {"fixed column 0 is ignored",
         columnlayout::fixedColumn(300, 0, 3, 0, 50),
         -1,
         {100, 100, 100}},
        {"listed",
         columnlayout::listedColumns(600, 0, 4, {1, 3}, {100, 200}),
         -1,
         {100, 150, 200, 150}},
        {"listed, extra widths ignored",
         columnlayout::listedColumns(600, 0, 3, {2}, {300, 10}),
         -1,
         {150, 300, 150}},
        {"listed twice, later width holds",
         columnlayout::listedColumns(400, 0, 2, {1, 1}, {50, 100}),
         -1,
         {100, 300}},
        {"every column listed",
         columnlayout::listedColumns(10, 0, 2, {1, 2}, {30, 40}),
         -1,
         {30, 40}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual.header, c.header);
        EXPECT_EQ(c.actual.columns, c.columns);
    }
}

}  // namespace
