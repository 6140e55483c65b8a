// The grid control as the user drives it: clicks, keys and typing, with the
// notifications the owning dialog receives, and the selection edit operations.
#include <gtest/gtest.h>

#include <vector>

#include "platform/grid/Clipboard.h"
#include "platform/grid/GridControl.h"
#include "platform/grid/GridKeys.h"

namespace grid {
namespace {

class GridControlTest : public testing::Test {
  protected:
    GridControlTest() {
        grid.sheet().setColumnCount(4);
        grid.sheet().setRowCount(5);
        grid.setOption(kOptionChangeMade, false);
        grid.setNotificationSink([this](const GridEvent& event) { events.push_back(event); });
    }

    std::vector<int> codes() const {
        std::vector<int> list;
        for (const GridEvent& event : events)
            list.push_back(event.code);
        return list;
    }

    void type(const std::wstring& text) {
        for (wchar_t c : text)
            grid.userChar(c);
    }

    void setType(int column, int row, const std::optional<CellType>& type) {
        CellFormat format;
        format.type = *type;
        grid.sheet().applyFormat(Block::cell(column, row), format);
    }

    void lock(const Block& block) {
        CellFormat format;
        format.locked = true;
        grid.sheet().applyFormat(block, format);
    }

    GridControl grid;
    std::vector<GridEvent> events;
};

TEST_F(GridControlTest, ClickingACheckBoxTogglesItAndReports59And60) {
    setType(2, 3, makeCheckBoxType(0, L"", L"", L""));
    grid.userClick(2, 3);
    EXPECT_EQ(grid.sheet().valueText(2, 3), L"1");
    grid.userClick(2, 3);
    EXPECT_EQ(grid.sheet().valueText(2, 3), L"0");
    EXPECT_EQ(codes(), (std::vector<int>{kNotifyLeaveCell, kNotifyClick, kNotifyCheckOn,
                                         kNotifyClick, kNotifyCheckOff}));
    EXPECT_EQ(events[0].column, 1);
    EXPECT_EQ(events[0].newColumn, 2);
    EXPECT_EQ(events[0].newRow, 3);
    EXPECT_EQ(grid.sheet().activeColumn(), 2) << "the check cell is active when 59/60 arrives";
}

TEST_F(GridControlTest, LockedCheckBoxesAndButtonsDoNotReact) {
    setType(1, 2, makeCheckBoxType(0, L"", L"", L""));
    setType(2, 2, makeButtonType(0, L"..."));
    grid.userClick(2, 2);
    EXPECT_EQ(codes().back(), kNotifyButtonClicked);
    lock(Block{1, 2, 2, 2});
    events.clear();
    grid.userClick(1, 2);
    grid.userClick(2, 2);
    EXPECT_EQ(grid.sheet().valueText(1, 2), L"0");
    EXPECT_EQ(codes(),
              (std::vector<int>{kNotifyLeaveCell, kNotifyClick, kNotifyLeaveCell, kNotifyClick}));
}

TEST_F(GridControlTest, HeaderClicksAndRightClicksAreReported) {
    grid.userClick(3, 0);
    grid.userClick(0, 4);
    grid.userRightClick(2, 2, 100, 40);
    ASSERT_EQ(codes(),
              (std::vector<int>{kNotifyHeaderClicked, kNotifyHeaderClicked, kNotifyRightClick}));
    EXPECT_EQ(events[0].column, 3);
    EXPECT_EQ(events[1].row, 4);
    EXPECT_EQ(events[2].x, 100);
    EXPECT_EQ(grid.sheet().activeColumn(), 1) << "no click moved the active cell";
}

TEST_F(GridControlTest, TypingEditsTheActiveCellAndEnterWritesIt) {
    grid.userClick(2, 2);
    events.clear();
    type(L"12.5");
    EXPECT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.sheet().valueText(2, 2), L"") << "the cell keeps its value while editing";
    EXPECT_TRUE(grid.userKey(kKeyReturn, false, false));
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.sheet().value(2, 2), CellValue::number(12.5)) << "typed like a user: a number";
    ASSERT_EQ(codes(), (std::vector<int>{kNotifyEditStart, kNotifyEditEnd}));
    EXPECT_TRUE(events[1].changed);
    EXPECT_TRUE(grid.option(kOptionChangeMade));
    EXPECT_EQ(grid.sheet().activeRow(), 2) << "Enter does not move without option 9";
}

TEST_F(GridControlTest, EditKeysMoveTheCaretAndEscapeCancels) {
    grid.sheet().setText(1, 1, L"abc", TextReading::AsTyped);
    ASSERT_TRUE(grid.setEditMode(true));
    grid.userKey(kKeyLeft, false, false);
    grid.userKey(kKeyBack, false, false);
    type(L"X");
    EXPECT_EQ(grid.editText(), L"aXc");
    grid.userKey(kKeyHome, false, false);
    grid.userKey(kKeyDelete, false, false);
    EXPECT_EQ(grid.editText(), L"Xc");
    grid.userKey(kKeyEscape, false, false);
    EXPECT_EQ(grid.sheet().valueText(1, 1), L"abc");
    EXPECT_FALSE(events.back().changed);
}

TEST_F(GridControlTest, RefusedTextLeavesTheCellAndReportsNoChange) {
    setType(1, 1, makeNumberType(2, 0, 100, false));
    grid.sheet().setNumber(1, 1, 5);
    type(L"abc");
    grid.userKey(kKeyReturn, false, false);
    EXPECT_EQ(grid.sheet().valueText(1, 1), L"5.00");
    EXPECT_FALSE(events.back().changed);
    setType(2, 1, makeTextType(0, 3));
    grid.setActiveCell(2, 1);
    type(L"abcdef");
    EXPECT_EQ(grid.editText(), L"abc") << "typing stops at the cell's maximum length";
}

TEST_F(GridControlTest, OptionsChangeHowKeysMoveTheActiveCell) {
    struct Case {
        const char* name;
        int option;
        int key;
        bool handled;
        int column;
        int row;
    };
    const Case cases[] = {
        {"Enter without option 9", 0, kKeyReturn, false, 2, 2},
        {"Enter with option 9", kOptionMoveActiveOnEnter, kKeyReturn, true, 2, 3},
        {"Tab without option 6", 0, kKeyTab, false, 2, 2},
        {"Tab with option 6", kOptionProcessTab, kKeyTab, true, 3, 2},
        {"arrow right", 0, kKeyRight, true, 3, 2},
        {"arrow up", 0, kKeyUp, true, 2, 1},
        {"End", 0, kKeyEnd, true, 4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridControl fresh;
        fresh.sheet().setColumnCount(4);
        fresh.sheet().setRowCount(5);
        if (c.option)
            fresh.setOption(c.option, true);
        fresh.setActiveCell(2, 2);
        EXPECT_EQ(fresh.userKey(c.key, false, false), c.handled);
        EXPECT_EQ(fresh.sheet().activeColumn(), c.column);
        EXPECT_EQ(fresh.sheet().activeRow(), c.row);
    }
}

TEST_F(GridControlTest, TabWrapsToTheNextRowAndStaysAtTheLastCell) {
    grid.setOption(kOptionProcessTab, true);
    grid.setActiveCell(4, 1);
    grid.userKey(kKeyTab, false, false);
    EXPECT_EQ(grid.sheet().activeColumn(), 1);
    EXPECT_EQ(grid.sheet().activeRow(), 2);
    grid.userKey(kKeyTab, true, false);
    EXPECT_EQ(grid.sheet().activeColumn(), 4);
    EXPECT_EQ(grid.sheet().activeRow(), 1);
    grid.setActiveCell(4, 5);
    grid.userKey(kKeyTab, false, false);
    EXPECT_EQ(grid.sheet().activeColumn(), 4);
    EXPECT_EQ(grid.sheet().activeRow(), 5);
}

TEST_F(GridControlTest, ArrowsInsideAnEditMoveTheCaretUnlessOption10) {
    grid.sheet().setText(1, 1, L"ab", TextReading::AsTyped);
    grid.setEditMode(true);
    grid.userKey(kKeyRight, false, false);
    EXPECT_TRUE(grid.isEditing());
    grid.setOption(kOptionArrowsExitEditMode, true);
    grid.userKey(kKeyRight, false, false);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.sheet().activeColumn(), 2);
}

TEST_F(GridControlTest, PermanentEditModeEditsEachCellEntered) {
    grid.setOption(kOptionEditModePermanent, true);
    grid.sheet().setText(2, 1, L"next", TextReading::AsTyped);
    grid.userKey(kKeyRight, false, false);
    EXPECT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.editText(), L"next");
    EXPECT_EQ(grid.editSelection(), (std::pair<int, int>{4, 4}));
}

TEST_F(GridControlTest, UserFormulasNeedOption12) {
    type(L"=B1*2");
    grid.userKey(kKeyReturn, false, false);
    EXPECT_EQ(grid.sheet().formula(1, 1), L"");
    EXPECT_EQ(grid.sheet().valueText(1, 1), L"=B1*2");
    grid.setOption(kOptionAllowUserFormulas, true);
    grid.setActiveCell(1, 2);
    type(L"=B1*2");
    grid.userKey(kKeyReturn, false, false);
    EXPECT_EQ(grid.sheet().formula(1, 2), L"B1*2");
    grid.setEditMode(true);
    EXPECT_EQ(grid.editText(), L"=B1*2") << "a formula cell is edited as its formula";
}

TEST_F(GridControlTest, LockedCellsRefuseTyping) {
    lock(Block{1, 1, 1, 1});
    type(L"x");
    EXPECT_FALSE(grid.isEditing());
    EXPECT_TRUE(events.empty());
}

TEST_F(GridControlTest, ClicksInsideASpanGoToItsAnchorAndArrowsStepOverIt) {
    grid.sheet().addSpan({2, 2, 2, 2});
    grid.userClick(3, 3);
    EXPECT_EQ(grid.sheet().activeColumn(), 2);
    EXPECT_EQ(grid.sheet().activeRow(), 2);
    grid.userKey(kKeyRight, false, false);
    EXPECT_EQ(grid.sheet().activeColumn(), 4);
    grid.userKey(kKeyLeft, false, false);
    EXPECT_EQ(grid.sheet().activeColumn(), 2)
        << "entering the span from the right lands on its anchor";
}

TEST_F(GridControlTest, ActionKeysClearEditAndActivate) {
    grid.sheet().setText(1, 1, L"a", TextReading::AsTyped);
    grid.sheet().setText(2, 1, L"b", TextReading::AsTyped);
    lock(Block{2, 1, 2, 1});
    grid.userKey(kKeyRight, true, false);  // select A1:B1
    ASSERT_TRUE(grid.sheet().selection());
    grid.userKey(kKeyDelete, false, false);
    EXPECT_EQ(grid.sheet().valueText(1, 1), L"");
    EXPECT_EQ(grid.sheet().valueText(2, 1), L"b") << "locked cells are not cleared";
    grid.setActiveCell(3, 1);
    grid.userKey(kKeyF2, false, false);
    EXPECT_TRUE(grid.isEditing());
    grid.userKey(kKeyEscape, false, false);
    setType(4, 1, makeCheckBoxType(0, L"", L"", L""));
    grid.setActiveCell(4, 1);
    grid.userKey(kKeySpace, false, false);
    EXPECT_EQ(grid.sheet().valueText(4, 1), L"1");
}

TEST_F(GridControlTest, ActionKeysCanBeRemovedOrMoved) {
    grid.sheet().setText(1, 1, L"a", TextReading::AsTyped);
    grid.settings().actionKeys[kActionClear] = ActionKey{};
    EXPECT_FALSE(grid.userKey(kKeyDelete, false, false));
    EXPECT_EQ(grid.sheet().valueText(1, 1), L"a");
    grid.settings().actionKeys[kActionClear] = ActionKey{kKeyDelete, true, false};
    grid.userKey(kKeyDelete, true, false);
    EXPECT_EQ(grid.sheet().valueText(1, 1), L"");
}

TEST_F(GridControlTest, CopyAndPasteGoThroughTheClipboard) {
    grid.sheet().setText(1, 1, L"a\tb", TextReading::AsTyped);
    grid.sheet().setNumber(2, 1, 2.5);
    grid.sheet().setText(1, 2, L"x", TextReading::AsTyped);
    ASSERT_TRUE(grid.sheet().setSelection(Block{1, 1, 2, 2}));
    ASSERT_TRUE(grid.copySelection());
    EXPECT_EQ(clipboardText(), L"\"a\tb\"\t2.5\nx\t\n");
    lock(Block{4, 4, 4, 4});
    grid.sheet().setText(4, 4, L"locked", TextReading::AsTyped);
    grid.setActiveCell(3, 4);
    ASSERT_TRUE(grid.paste());
    EXPECT_EQ(grid.sheet().valueText(3, 4), L"a\tb");
    EXPECT_EQ(grid.sheet().valueText(4, 4), L"locked");
    EXPECT_EQ(grid.sheet().valueText(3, 5), L"x");
    EXPECT_EQ(grid.sheet().columnCount(), 4) << "the paste is cut at the sheet's edge";
    grid.setActiveCell(1, 2);
    ASSERT_TRUE(grid.userKey(kKeyX, false, true));
    EXPECT_EQ(grid.sheet().valueText(1, 2), L"");
    EXPECT_EQ(clipboardText(), L"x\n");
}

TEST_F(GridControlTest, RedrawOffHoldsRepaintsBack) {
    int repaints = 0;
    grid.setRepaintHandler([&] { ++repaints; });
    grid.setOption(kOptionRedraw, false);
    grid.setActiveCell(2, 2);
    grid.paste();
    EXPECT_EQ(repaints, 0);
    grid.setOption(kOptionRedraw, true);
    EXPECT_EQ(repaints, 1);
    grid.setActiveCell(3, 3);
    EXPECT_GT(repaints, 1) << "with redraw on, changes repaint at once";
}

TEST_F(GridControlTest, ChangeFlagIsOption30) {
    EXPECT_FALSE(grid.option(kOptionChangeMade));
    grid.sheet().setText(1, 1, L"x", TextReading::AsTyped);
    EXPECT_TRUE(grid.option(kOptionChangeMade));
    EXPECT_TRUE(grid.setOption(kOptionChangeMade, false));
    EXPECT_FALSE(grid.sheet().changed());
    grid.userKey(kKeyDown, false, false);
    EXPECT_FALSE(grid.option(kOptionChangeMade)) << "moving is not a change";
    EXPECT_FALSE(grid.setOption(14, true));
    EXPECT_FALSE(grid.option(14));
}

TEST_F(GridControlTest, ResetRestoresAFreshGrid) {
    grid.sheet().setText(1, 1, L"x", TextReading::AsTyped);
    grid.setOption(kOptionGridLines, false);
    grid.settings().appearance = kAppearanceFlat;
    grid.setEditMode(true);
    grid.reset();
    EXPECT_EQ(grid.sheet(), GridControl().sheet());
    EXPECT_TRUE(grid.option(kOptionGridLines));
    EXPECT_EQ(grid.settings().appearance, kAppearanceThreeD);
    EXPECT_FALSE(grid.isEditing());
}

}  // namespace
}  // namespace grid
