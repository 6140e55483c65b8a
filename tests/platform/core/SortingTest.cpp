// Name order, sorted insertion and sorting numbers with their indices.
#include "platform/core/Sorting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::vector<std::wstring> texts(const Tvx_StringArray& array) {
    std::vector<std::wstring> out;
    for (const Tvx_String& s : array)
        out.push_back(s.str());
    return out;
}

TEST(Sorting, NamesCompareDigitRunsAsNumbers) {
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
        int order;
    };
    const Case cases[] = {
        {L"80x8", L"100x10", -1},
        {L"Stock9", L"Stock10", -1},
        {L"hea", L"HEB", -1},
        {L"a1", L"a01", -1},
        {L"A", L"a", -1},
        {L"same", L"same", 0},
        {L"", L"a", -1},
        {L"100x10", L"100x9", 1},
        {L"x", L"1", 1},
        {L"a00", L"a0", 1},
        {L"IPE 80", L"IPE 80 A", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.a).toUtf8() + " vs " + Tvx_String(c.b).toUtf8());
        const int order = compareNames(c.a, c.b);
        EXPECT_EQ((order > 0) - (order < 0), c.order);
        const int reverse = compareNames(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.order);
    }
}

TEST(Sorting, SortArrayAndAddToSorted) {
    Tvx_StringArray names{L"sub\\b", L"A10", L"a2", L"Sub\\a", L"A2"};
    sortArray(names);
    EXPECT_EQ(texts(names),
              (std::vector<std::wstring>{L"A2", L"a2", L"A10", L"Sub\\a", L"sub\\b"}));

    Tvx_StringArray sizes{L"80x8", L"100x10", L"120x12"};
    EXPECT_EQ(ObjectExportAddToSorted(sizes, L"110x11"), 2);
    EXPECT_EQ(ObjectExportAddToSorted(sizes, L"60x6"), 0);
    EXPECT_EQ(ObjectExportAddToSorted(sizes, L"200x20"), 5);
    EXPECT_EQ(ObjectExportAddToSorted(sizes, L"100x10"), 3);  // after the equal one
    EXPECT_EQ(texts(sizes), (std::vector<std::wstring>{L"60x6", L"80x8", L"100x10", L"100x10",
                                                       L"110x11", L"120x12", L"200x20"}));
    Tvx_StringArray empty;
    EXPECT_EQ(ObjectExportAddToSorted(empty, L"x"), 0);
    EXPECT_EQ(empty.length(), 1);
}

TEST(Sorting, SortCarriesIndicesAlong) {
    Tvx_DoubleArray lefts{30, 10, 20, 10};
    Tvx_IntArray indices;
    ObjectExportSort(lefts, indices);
    EXPECT_EQ(lefts.items(), (std::vector<double>{10, 10, 20, 30}));
    EXPECT_EQ(indices.items(), (std::vector<int>{1, 3, 2, 0}));  // stable

    Tvx_DoubleArray values{2, 1};
    Tvx_IntArray ids{7, 9};
    ObjectExportSort(values, ids);
    EXPECT_EQ(ids.items(), (std::vector<int>{9, 7}));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    Tvx_DoubleArray withNan{nan, 3, -1};
    ObjectExportSort(withNan);
    EXPECT_EQ(withNan[0], -1);
    EXPECT_EQ(withNan[1], 3);
    EXPECT_TRUE(std::isnan(withNan[2]));

    Tvx_DoubleArray none;
    ObjectExportSort(none, indices);
    EXPECT_EQ(indices.length(), 0);
}

}  // namespace
