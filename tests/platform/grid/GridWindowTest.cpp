// The grid window class: created from a dialog template, driven by the
// scripted user's mouse and keys, reporting to its parent, and drawn by the
// SVG renderer.
#include <gtest/gtest.h>

#include <vector>

#include "platform/grid/GridHandles.h"
#include "platform/grid/GridLayout.h"
#include "platform/grid/GridWindow.h"
#include "platform/grid/SS.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Timers.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/gdi/BmpFormat.h"
#include "platform/ui/render/SvgRenderer.h"
#include "support/TempDir.h"

namespace grid {
namespace {

constexpr int kGridTemplate = 64001;
constexpr int kGridControl = 1196;

// A parent window that keeps every grid notification it receives.
class NotifiedParent : public CWnd {
  public:
    std::vector<SS_CELLNOTIFY> received;
    std::vector<int> codes() const {
        std::vector<int> list;
        for (const SS_CELLNOTIFY& n : received)
            list.push_back(static_cast<int>(n.hdr.code));
        return list;
    }

    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
        received.push_back(*reinterpret_cast<const SS_CELLNOTIFY*>(lParam));
        *result = 0;
        return TRUE;
    }
};

class GridWindowTest : public testing::Test {
  protected:
    GridWindowTest() {
        parent.CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300),
                        nullptr, 0);
        window = CreateWindowEx(0, kGridWindowClass, L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200,
                                parent.m_hWnd, reinterpret_cast<HMENU>(kGridControl));
        SSSetMaxCols(window, 4);
        SSSetMaxRows(window, 5);
    }

    // The centre of a cell in the grid window's client pixels.
    CPoint centreOf(int column, int row) const {
        const PixelRect r = cellRect(*gridOf(window), column, row);
        return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    NotifiedParent parent;
    HWND window = nullptr;
};

TEST_F(GridWindowTest, ADialogTemplateControlOfTheClassIsAGrid) {
    ui::DialogTemplate t(kGridTemplate, 0, 0, 200, 120, L"Grid dialog");
    t.control(kGridControl, kGridWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5, 190,
              90);
    ASSERT_TRUE(ui::registerDialogTemplate(t));
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kGridTemplate));
    CWnd* item = dialog.GetDlgItem(kGridControl);
    ASSERT_NE(item, nullptr);
    const HWND grid = item->m_hWnd;
    EXPECT_NE(gridOf(grid), nullptr);
    EXPECT_TRUE(SSSetMaxRows(grid, 3));
    EXPECT_TRUE(SSSetData(grid, 1, 1, L"in a dialog"));
    int width = 0, height = 0;
    ASSERT_TRUE(SSGetClientArea(grid, width, height));
    EXPECT_GT(width, 0);
    dialog.DestroyWindow();
    EXPECT_EQ(gridOf(grid), nullptr);
    EXPECT_EQ(SSGetMaxRows(grid), -1) << "a destroyed grid's handle is unknown";
}

TEST_F(GridWindowTest, EachHandleFindsItsOwnGridWhenUsedInTurn) {
    const HWND second = CreateWindowEx(0, kGridWindowClass, L"", WS_CHILD | WS_VISIBLE, 10, 10, 300,
                                       200, parent.m_hWnd, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(SSSetMaxRows(second, 9));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(SSGetMaxRows(window), 5);
        EXPECT_EQ(SSGetMaxRows(second), 9);
        EXPECT_NE(gridOf(window), gridOf(second));
    }
    EXPECT_EQ(gridOf(parent.m_hWnd), nullptr) << "a window of another class is no grid";
    ::DestroyWindow(second);
    EXPECT_EQ(gridOf(second), nullptr);
    EXPECT_EQ(SSGetMaxRows(window), 5);
    const HWND third = CreateWindowEx(0, kGridWindowClass, L"", WS_CHILD | WS_VISIBLE, 10, 10, 300,
                                      200, parent.m_hWnd, nullptr);
    ASSERT_TRUE(SSSetMaxRows(third, 2));
    EXPECT_EQ(SSGetMaxRows(third), 2);
    EXPECT_EQ(SSGetMaxRows(window), 5);
    EXPECT_EQ(gridOf(second), nullptr);
}

TEST_F(GridWindowTest, ClickingACheckCellReportsToTheParent) {
    SS_CELLTYPE check;
    SSSetTypeCheckBox(window, &check, 0, L"", L"", L"");
    SSSetCellTypeRange(window, 2, SS_ALL, 2, SS_ALL, &check);
    ASSERT_TRUE(ui::input::clickAt(window, centreOf(2, 3)));
    EXPECT_EQ(parent.codes(), (std::vector<int>{kNotifyLeaveCell, kNotifyClick, kNotifyCheckOn}));
    EXPECT_EQ(parent.received.back().column, 2);
    EXPECT_EQ(parent.received.back().row, 3);
    EXPECT_EQ(parent.received.back().hdr.idFrom, static_cast<UINT_PTR>(kGridControl));
    EXPECT_EQ(parent.received.front().newRow, 3);
    EXPECT_EQ(GetFocus(), window) << "a click gives the grid the focus";
    Tvx_String text;
    SSGetValue(window, 2, 3, text);
    EXPECT_EQ(text, L"1");
}

TEST_F(GridWindowTest, HeaderAndRightClicksAreReported) {
    ASSERT_TRUE(ui::input::clickAt(window, centreOf(3, 0)));
    ASSERT_TRUE(ui::input::rightClickAt(window, centreOf(1, 2)));
    ASSERT_GE(parent.received.size(), 2u);
    EXPECT_EQ(parent.received[0].hdr.code, static_cast<UINT>(kNotifyHeaderClicked));
    EXPECT_EQ(parent.received[0].column, 3);
    EXPECT_EQ(parent.received[0].row, 0);
    EXPECT_EQ(parent.received[1].hdr.code, static_cast<UINT>(kNotifyRightClick));
    EXPECT_EQ(parent.received[1].row, 2);
    EXPECT_EQ(parent.received[1].x, centreOf(1, 2).x);
}

TEST_F(GridWindowTest, TheUserTypesIntoACellAndEnterWritesIt) {
    ASSERT_TRUE(ui::input::clickAt(window, centreOf(1, 2)));
    parent.received.clear();
    for (wchar_t c : std::wstring(L"42"))
        SendMessage(window, WM_CHAR, c, 0);
    ASSERT_TRUE(ui::input::pressKey(window, VK_RETURN));
    Tvx_String text;
    SSGetData(window, 1, 2, text);
    EXPECT_EQ(text, L"42");
    EXPECT_EQ(SSGetCellType(window, 1, 2), 16);
    EXPECT_EQ(parent.codes(), (std::vector<int>{kNotifyEditStart, kNotifyEditEnd}));
    EXPECT_TRUE(parent.received.back().changed);
    ASSERT_TRUE(ui::input::pressKey(window, VK_DOWN));
    SS_COORD column = 0, row = 0;
    SSGetActiveCell(window, column, row);
    EXPECT_EQ(row, 3);
}

TEST_F(GridWindowTest, TheWindowAsksForTabOnlyWithOption6) {
    EXPECT_FALSE(SendMessage(window, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB);
    SSSetBool(window, kOptionProcessTab, 1);
    EXPECT_TRUE(SendMessage(window, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB);
}

TEST_F(GridWindowTest, ScrollingKeepsTheActiveCellInView) {
    SSSetMaxRows(window, 1000);
    SSSetActiveCell(window, 1, 500);
    const GridControl& grid = *gridOf(window);
    const PixelRect cell = cellRect(grid, 1, 500);
    const GridGeometry geometry = gridGeometry(grid);
    EXPECT_GE(cell.top, geometry.cells.top);
    EXPECT_LE(cell.bottom, geometry.cells.bottom);
    const auto hit = cellAtPoint(grid, (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->second, 500);
    SSSetActiveCell(window, 1, 1);
    EXPECT_EQ(grid.topRow(), 1);
}

TEST_F(GridWindowTest, ARestingPointerShowsTheTextOfANarrowCell) {
    const GridControl& grid = *gridOf(window);
    SSSetData(window, 1, 1, L"a text far too long for one narrow column");
    SSSetData(window, 2, 1, L"fits");
    auto moveTo = [&](int column, int row) {
        const CPoint point = centreOf(column, row);
        SendMessage(window, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    };
    moveTo(1, 1);
    EXPECT_FALSE(grid.shownTip()) << "not before the delay";
    ui::advanceClock(500);
    ASSERT_TRUE(grid.shownTip());
    EXPECT_EQ(grid.shownTip()->text, L"a text far too long for one narrow column");
    EXPECT_EQ(grid.shownTip()->x, cellRect(grid, 1, 1).left) << "mode 1: over the cell";
    moveTo(2, 1);
    EXPECT_FALSE(grid.shownTip()) << "leaving the cell hides the tip";
    ui::advanceClock(500);
    EXPECT_FALSE(grid.shownTip()) << "a text that fits has no tip";
    SS_TEXTTIP tip;
    SSGetTextTip(window, tip);
    tip.mode = 2;
    tip.delay = 10;
    SSSetTextTip(window, tip);
    moveTo(1, 1);
    ui::advanceClock(10);
    ASSERT_TRUE(grid.shownTip());
    EXPECT_EQ(grid.shownTip()->y, centreOf(1, 1).y + 20) << "mode 2: below the pointer";
    tip.mode = 0;
    SSSetTextTip(window, tip);
    moveTo(2, 1);
    moveTo(1, 1);
    ui::advanceClock(500);
    EXPECT_FALSE(grid.shownTip());
}

TEST_F(GridWindowTest, PictureCellsShowTheirBitmap) {
    testsupport::TempDir dir;
    const Tvx_String path = Tvx_String::fromUtf8((dir.path() / "red.bmp").string());
    ASSERT_TRUE(saveBmpFile(path, PixelImage(8, 6, false, RGB(255, 0, 0)), 24));
    SS_CELLTYPE type;
    ASSERT_TRUE(SSSetTypePicture(window, &type, kStyleStretch, path));
    SSSetCellType(window, 1, 1, &type);
    EXPECT_NE(render::renderWindowSvg(parent.m_hWnd).find("<image"), std::string::npos);
    ASSERT_TRUE(SSSetTypePicture(window, &type, 0, L"missing.bmp"));
    SSSetCellType(window, 1, 1, &type);
    const std::string svg = render::renderWindowSvg(parent.m_hWnd);
    EXPECT_EQ(svg.find("<image"), std::string::npos);
    EXPECT_NE(svg.find(">missing.bmp<"), std::string::npos) << "a missing picture shows its name";
}

TEST_F(GridWindowTest, TheRendererDrawsHeadersCellsAndControls) {
    SSSetData(window, 1, 0, L"Name");
    SSSetData(window, 1, 1, L"Input");
    SS_CELLTYPE button;
    SSSetTypeButton(window, &button, 0, L"Pick...");
    SSSetCellType(window, 2, 1, &button);
    SSAddCellSpan(window, 1, 2, 2, 1);
    SSSetData(window, 1, 2, L"spanned text");
    SSSetColor(window, 3, 3, RGB(255, 0, 0), SS_COLOR_UNCHANGED);
    const std::string svg = render::renderWindowSvg(parent.m_hWnd);
    EXPECT_NE(svg.find("data-class=\"fpUSpread70\""), std::string::npos);
    for (const char* expected :
         {">Name<", ">Input<", ">Pick...<", ">spanned text<", ">B<", ">3<", "#ff0000"}) {
        EXPECT_NE(svg.find(expected), std::string::npos) << expected;
    }
}

TEST_F(GridWindowTest, GridLinesFollowTheGridTypeAndColour) {
    const auto countLines = [&](const char* colour) {
        const std::string svg = render::renderWindowSvg(parent.m_hWnd);
        size_t count = 0;
        for (size_t at = svg.find(colour); at != std::string::npos; at = svg.find(colour, at + 1))
            ++count;
        return count;
    };
    ASSERT_TRUE(SSSetGridColor(window, RGB(50, 50, 50)));
    const size_t both = countLines("#323232");
    ASSERT_GT(both, 0u);
    SSSetGridType(window, kGridHorizontalLines | kGridSolidLines);
    const size_t horizontal = countLines("#323232");
    EXPECT_GT(horizontal, 0u);
    EXPECT_LT(horizontal, both);
    SSSetBool(window, kOptionGridLines, 0);
    EXPECT_EQ(countLines("#323232"), 0u) << "option 1 switches every grid line off";
}

}  // namespace
}  // namespace grid
