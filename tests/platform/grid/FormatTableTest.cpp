// The format table: the remembered answers of giving a format a type must
// always be what merging and storing the format afresh would give.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/grid/CellFormat.h"

namespace grid {
namespace {

// The slow way: copy the base format, take the patch over, store the result.
std::uint32_t mergedAfresh(FormatTable& table, std::uint32_t base, const CellFormat& patch) {
    CellFormat format = table.get(base);
    format.overlay(patch);
    return table.intern(format);
}

CellFormat typePatch(const CellType& type) {
    CellFormat patch;
    patch.type = type;
    return patch;
}

// A few base formats as cells read from a file would have them.
std::vector<std::uint32_t> someBases(FormatTable& table) {
    std::vector<std::uint32_t> bases = {0};
    for (Color color : {Color{1}, Color{2}, Color{3}}) {
        CellFormat format;
        format.background = color;
        bases.push_back(table.intern(format));
    }
    CellFormat typed;
    typed.type = *makeTextType(0, 50);
    bases.push_back(table.intern(typed));
    return bases;
}

// More distinct types than the table keeps answers for, so that old answers
// are replaced while the same types come back.
std::vector<CellType> manyTypes() {
    std::vector<CellType> types;
    for (int decimals = 0; decimals <= 7; ++decimals)
        types.push_back(*makeNumberType(decimals, -1e6, 1e6, false));
    types.push_back(*makeNumberType(2, -1e6, 1e6, true));
    types.push_back(*makeTextType(0, 9999));
    types.push_back(*makeTextType(kStyleWordWrap | kStyleEllipsis, 200));
    types.push_back(*makeCheckBoxType(0, L"caption", L"#1", L"#2"));
    types.push_back(*makeCheckBoxType(0, L"other caption", L"#1", L"#2"));
    types.push_back(*makeComboBoxType(kStyleEditable, L"a\tb"));
    types.push_back(CellType{});
    return types;
}

TEST(FormatTableTest, GivingATypeAgreesWithMergingAfresh) {
    struct Case {
        const char* name;
        int rounds;  // how often every (base, type) pair is asked for
        bool reversed;
    };
    const Case cases[] = {
        {"each pair once", 1, false},
        {"pairs asked again after many others", 3, false},
        {"in the other order", 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormatTable remembering;
        FormatTable afresh;
        const std::vector<std::uint32_t> bases = someBases(remembering);
        ASSERT_EQ(someBases(afresh), bases);
        std::vector<CellType> types = manyTypes();
        if (c.reversed)
            std::reverse(types.begin(), types.end());
        for (int round = 0; round < c.rounds; ++round) {
            for (const CellType& type : types) {
                for (std::uint32_t base : bases) {
                    const std::uint32_t expected = mergedAfresh(afresh, base, typePatch(type));
                    EXPECT_EQ(remembering.withType(base, type), expected);
                    EXPECT_EQ(remembering.overlaid(base, typePatch(type)), expected);
                    EXPECT_EQ(remembering.get(expected), afresh.get(expected));
                }
            }
        }
    }
}

TEST(FormatTableTest, ACopiedTableAnswersForItsOwnFormats) {
    FormatTable original;
    const std::vector<std::uint32_t> bases = someBases(original);
    const CellType number = *makeNumberType(7, -1e6, 1e6, false);
    const CellType text = *makeTextType(0, 9999);
    for (std::uint32_t base : bases)
        original.withType(base, number);

    // The copy grows differently from the original; the answers it was
    // copied with must not lead it to the original's later formats.
    FormatTable copy = original;
    CellFormat locked;
    locked.locked = true;
    const std::uint32_t lockedBase = copy.intern(locked);
    for (std::uint32_t base : bases)
        original.withType(base, text);
    for (std::uint32_t base : bases) {
        CellFormat expected = copy.get(base);
        expected.type = text;
        EXPECT_EQ(copy.get(copy.withType(base, text)), expected);
        expected.type = number;
        EXPECT_EQ(copy.get(copy.withType(base, number)), expected);
    }
    CellFormat lockedNumber = locked;
    lockedNumber.type = number;
    EXPECT_EQ(copy.get(copy.withType(lockedBase, number)), lockedNumber);
}

TEST(FormatTableTest, OtherPatchesMergeAsBefore) {
    FormatTable table;
    CellFormat base;
    base.type = *makeTextType(0, 10);
    base.background = 5;
    const std::uint32_t baseId = table.intern(base);
    struct Case {
        const char* name;
        CellFormat patch;
    };
    CellFormat colour;
    colour.background = 7;
    CellFormat typeAndLock = typePatch(*makeNumberType(2, 0, 10, false));
    typeAndLock.locked = true;
    CellFormat sameColour;
    sameColour.background = 5;
    const Case cases[] = {
        {"a colour", colour},
        {"a type and a lock", typeAndLock},
        {"what the base already holds", sameColour},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellFormat expected = base;
        expected.overlay(c.patch);
        EXPECT_EQ(table.get(table.overlaid(baseId, c.patch)), expected);
    }
    EXPECT_EQ(table.overlaid(baseId, sameColour), baseId);
    EXPECT_EQ(table.withType(baseId, *base.type), baseId);
}

}  // namespace
}  // namespace grid
