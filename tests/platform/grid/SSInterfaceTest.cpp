// The grid library's interface over a window handle: the header and "all"
// conventions, failure values, cell types and their codes, spans, line edits,
// layout, options and files.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/grid/GridHandles.h"
#include "platform/grid/GridKeys.h"
#include "platform/grid/GridTestWindow.h"
#include "platform/grid/GridWindow.h"
#include "platform/grid/SS.h"
#include "support/TempDir.h"

namespace grid {
namespace {

class SSInterfaceTest : public testing::Test {
  protected:
    SSInterfaceTest() : window(createGrid(parent)), control(*gridOf(window)) {
        SSSetMaxCols(window, 5);
        SSSetMaxRows(window, 6);
        SSSetBool(window, kOptionChangeMade, 0);
    }

    Tvx_String data(SS_COORD column, SS_COORD row) {
        Tvx_String text;
        SSGetData(window, column, row, text);
        return text;
    }

    CWnd parent;
    HWND window;
    GridControl& control;
};

TEST_F(SSInterfaceTest, AnUnknownHandleFailsEverywhere) {
    HWND unknown = parent.m_hWnd;  // a window, but not a grid
    Tvx_String text;
    double number = 0;
    SS_CELLTYPE type;
    SS_COORD a = 0, b = 0, c = 0, d = 0;
    int x = 0, y = 0;
    const std::vector<std::function<long()>> calls = {
        [&] { return SSSetMaxRows(unknown, 3); },
        [&] { return SSGetMaxRows(unknown) + 1; },
        [&] { return SSSetData(unknown, 1, 1, L"x"); },
        [&] { return SSGetValue(unknown, 1, 1, text); },
        [&] { return SSGetDataLen(unknown, 1, 1) + 1; },
        [&] { return SSGetCellType(unknown, 1, 1) + 1; },
        [&] { return SSGetFloat(unknown, 1, 1, number); },
        [&] { return SSSetCellTag(unknown, 0, 0, L"t"); },
        [&] { return static_cast<long>(SSSetTypeEdit(unknown, &type, 0, 10) != nullptr); },
        [&] { return SSAddCellSpan(unknown, 1, 1, 2, 1); },
        [&] { return SSGetColWidth(unknown, 1) + 1; },
        [&] { return SSSetActiveCell(unknown, 1, 1); },
        [&] { return SSGetSelectBlock(unknown, a, b, c, d); },
        [&] { return SSInsRow(unknown, 1); },
        [&] { return SSSetBool(unknown, kOptionRedraw, 0); },
        [&] { return SSGetScrollBarSize(unknown, x, y); },
        [&] { return SSReset(unknown); },
        [&] { return SSLoadFromFile(unknown, L"/nothing"); },
    };
    for (size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[i](), 0);
    }
    EXPECT_EQ(text, Tvx_String());
}

TEST_F(SSInterfaceTest, ZeroAndMinus32767AddressTheHeaders) {
    EXPECT_TRUE(SSSetData(window, SS_HEADER, 2, L"second row"));
    EXPECT_EQ(data(0, 2), L"second row");
    EXPECT_TRUE(SSSetData(window, 3, 0, L"Third"));
    EXPECT_EQ(data(3, SS_HEADER), L"Third");
    EXPECT_TRUE(SSSetCellTag(window, SS_HEADER, SS_HEADER, L"corner"));
    Tvx_String tag;
    EXPECT_TRUE(SSGetCellTag(window, 0, 0, tag));
    EXPECT_EQ(tag, L"corner");
    EXPECT_TRUE(SSSetColWidth(window, SS_HEADER, 30));
    EXPECT_EQ(SSGetColWidth(window, 0), 30);
    EXPECT_TRUE(SSSetRowHeight(window, 0, 25));
    EXPECT_EQ(SSGetRowHeight(window, SS_HEADER), 25);
}

TEST_F(SSInterfaceTest, Minus32767InABlockMeansAll) {
    const SS_FONT bold{L"Tahoma", 15, 700};
    ASSERT_TRUE(SSSetFontRange(window, SS_ALL, 0, SS_ALL, 0, bold));  // the header row
    ASSERT_TRUE(SSSetColorRange(window, SS_ALL, 2, SS_ALL, 2, 0x0000FF, SS_COLOR_UNCHANGED));
    ASSERT_TRUE(SSSetLockRange(window, 3, SS_ALL, 3, SS_ALL, 1));
    ASSERT_TRUE(SSSetMaxCols(window, 50));
    ASSERT_TRUE(SSSetMaxRows(window, 5000));
    SS_FONT font;
    SSGetFont(window, 40, 0, font);
    EXPECT_EQ(font.weight, 700);
    SSGetFont(window, 40, 1, font);
    EXPECT_EQ(font.weight, 400);
    COLORREF background = 0, foreground = 0;
    SSGetColor(window, 45, 2, background, foreground);
    EXPECT_EQ(background, 0x0000FFu);
    EXPECT_EQ(foreground, 0u);
    BOOL locked = 0;
    SSGetLock(window, 3, 4999, locked);
    EXPECT_TRUE(locked);
    SSGetLock(window, 3, 0, locked);
    EXPECT_FALSE(locked) << "a whole column does not take in its header";
    EXPECT_TRUE(control.sheet().cells().empty()) << "whole lines cost no cells";
}

TEST_F(SSInterfaceTest, CoordinatesOutsideTheSheetFailAndChangeNothing) {
    SS_CELLTYPE type;
    SSSetTypeEdit(window, &type, 0, 10);
    const std::vector<std::function<BOOL()>> calls = {
        [&] { return SSSetData(window, 6, 1, L"x"); },
        [&] { return SSSetValue(window, 1, 7, L"x"); },
        [&] { return SSSetFloat(window, -1, 1, 1.0); },
        [&] { return SSSetCellTag(window, 1, -2, L"t"); },
        [&] { return SSSetCellType(window, 6, 6, &type); },
        [&] { return SSSetCellTypeRange(window, 1, 1, 6, 1, &type); },
        [&] { return SSSetColorRange(window, SS_ALL, 7, SS_ALL, 7, 1, 1); },
        [&] { return SSAddCellSpan(window, 5, 1, 2, 1); },
        [&] { return SSSetColWidth(window, 6, 10); },
        [&] { return SSSetActiveCell(window, 0, 1); },
        [&] { return SSSetSelectBlock(window, 1, 1, 6, 1); },
        [&] { return SSInsRow(window, 7); },
        [&] { return SSDelCol(window, 0); },
        [&] { return SSCopyRange(window, 1, 1, 2, 2, 5, 5); },
        [&] { return SSSetMaxRows(window, 1048577); },
        [&] { return SSSetMaxCols(window, 16385); },
    };
    const Sheet before = control.sheet();
    for (size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[i](), 0);
    }
    EXPECT_EQ(control.sheet(), before);
    EXPECT_FALSE(SSGetBool(window, kOptionChangeMade));
    Tvx_String text = L"stale";
    EXPECT_FALSE(SSGetData(window, 1, 7, text));
    EXPECT_EQ(text, L"") << "empty text outside the sheet";
    EXPECT_EQ(SSGetDataLen(window, 9, 9), -1);
    EXPECT_EQ(SSGetCellType(window, 9, 9), -1);
    EXPECT_TRUE(SSSetMaxRows(window, 1048576));
    EXPECT_TRUE(SSSetMaxCols(window, 16384));
}

struct TypeCase {
    const char* name;
    std::function<SS_CELLTYPE*(HWND, SS_CELLTYPE*)> build;
    const wchar_t* written;
    bool accepted;
    const wchar_t* data;
    int code;
};

TEST_F(SSInterfaceTest, CellTypesAndTheirCodes) {
    const TypeCase cases[] = {
        {"no type, text", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeGeneral(w, t); }, L"abc",
         true, L"abc", 0},
        {"no type, number", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeGeneral(w, t); }, L"2.50",
         true, L"2.5", 16},
        {"text", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeEdit(w, t, 0x110000, 200); }, L"12",
         true, L"12", 1},
        {"number 0 decimals",
         [](HWND w, SS_CELLTYPE* t) {
             return SSSetTypeNumber(w, t, 0, -99999999999999, 99999999999999, 0);
         },
         L"2.5", true, L"2", 10},
        {"number 7 decimals",
         [](HWND w, SS_CELLTYPE* t) {
             return SSSetTypeNumber(w, t, 7, -99999999999999, 99999999999999, 0);
         },
         L"0.1", true, L"0.1000000", 14},
        {"number with separator",
         [](HWND w, SS_CELLTYPE* t) { return SSSetTypeNumber(w, t, 2, -1e6, 1e6, 1); }, L"1234.5",
         true, L"1,234.50", 15},
        {"number refuses text",
         [](HWND w, SS_CELLTYPE* t) { return SSSetTypeNumber(w, t, 2, 0, 10, 0); }, L"ten", false,
         L"", 14},
        {"static text", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeStaticText(w, t, 0); },
         L"Label", true, L"Label", 8},
        {"check box",
         [](HWND w, SS_CELLTYPE* t) { return SSSetTypeCheckBox(w, t, 0, L"", L"#8134", L"#8136"); },
         L"1", true, L"1", 12},
        {"check box refuses 2",
         [](HWND w, SS_CELLTYPE* t) { return SSSetTypeCheckBox(w, t, 0, L"", L"", L""); }, L"2",
         false, L"0", 12},
        {"combo box", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeComboBox(w, t, 0, L"Yes\tNo"); },
         L"No", true, L"No", 2},
        {"button", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeButton(w, t, 0, L"..."); }, L"...",
         true, L"...", 4},
        {"picture", [](HWND w, SS_CELLTYPE* t) { return SSSetTypePicture(w, t, 1, L"a.bmp"); }, L"",
         true, L"", 6},
    };
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(c.name);
        SS_CELLTYPE type;
        ASSERT_EQ(c.build(window, &type), &type);
        ASSERT_TRUE(SSSetCellType(window, 2, 2, &type));
        SSSetData(window, 2, 2, L"");
        EXPECT_EQ(SSSetValue(window, 2, 2, c.written) != 0, c.accepted);
        EXPECT_EQ(data(2, 2), c.data);
        EXPECT_EQ(SSGetCellType(window, 2, 2), c.code);
        SS_CELLTYPE back;
        ASSERT_TRUE(SSGetCellTypeInfo(window, 2, 2, back));
        EXPECT_EQ(back, type);
    }
}

TEST_F(SSInterfaceTest, BuildersRefuseBadParametersAndKeepTheRecord) {
    SS_CELLTYPE type = *makeButtonType(0, L"kept");
    EXPECT_EQ(SSSetTypeNumber(window, &type, 16, 0, 1, 0), nullptr);
    EXPECT_EQ(SSSetTypeEdit(window, &type, 0, 0), nullptr);
    EXPECT_EQ(SSSetTypeEdit(window, nullptr, 0, 10), nullptr);
    EXPECT_EQ(type.text, L"kept");
}

TEST_F(SSInterfaceTest, BuildersFillAUsedRecordAsAFreshOne) {
    struct Case {
        const char* name;
        std::function<SS_CELLTYPE*(HWND, SS_CELLTYPE*)> build;
        CellType expected;
    };
    CellType text;
    text.kind = CellKind::Text;
    text.style = kStyleWordWrap;
    text.maxLength = 200;
    CellType number;
    number.kind = CellKind::Number;
    number.decimals = 7;
    number.minimum = -5;
    number.maximum = 5;
    CellType checkBox;
    checkBox.kind = CellKind::CheckBox;
    checkBox.text = L"caption";
    checkBox.pictureOn = L"#2";
    CellType button;
    button.kind = CellKind::Button;
    button.text = L"...";
    const Case cases[] = {
        {"general", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeGeneral(w, t); }, CellType{}},
        {"text", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeEdit(w, t, kStyleWordWrap, 200); },
         text},
        {"number", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeNumber(w, t, 7, -5, 5, 0); },
         number},
        {"check box",
         [](HWND w, SS_CELLTYPE* t) { return SSSetTypeCheckBox(w, t, 0, L"caption", L"", L"#2"); },
         checkBox},
        {"button", [](HWND w, SS_CELLTYPE* t) { return SSSetTypeButton(w, t, 0, L"..."); }, button},
    };
    // A record that held another type, every field away from its default.
    CellType used;
    used.kind = CellKind::Picture;
    used.style = kStyleStretch;
    used.maxLength = 3;
    used.decimals = 4;
    used.minimum = -1;
    used.maximum = 1;
    used.thousandsSeparator = true;
    used.text = L"old text long enough to leave the record's own buffer";
    used.pictureOff = L"#7";
    used.pictureOn = L"#8";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SS_CELLTYPE fresh;
        ASSERT_EQ(c.build(window, &fresh), &fresh);
        EXPECT_EQ(fresh, c.expected);
        SS_CELLTYPE reused = used;
        ASSERT_EQ(c.build(window, &reused), &reused);
        EXPECT_EQ(reused, c.expected);
    }
}

TEST_F(SSInterfaceTest, DoublesAreReadAndWritten) {
    SS_CELLTYPE type;
    SSSetTypeNumber(window, &type, 2, -100, 100, 0);
    SSSetCellTypeRange(window, 1, 1, 1, SS_ALL, &type);
    double value = 0;
    EXPECT_TRUE(SSSetFloat(window, 1, 1, 2.675));
    EXPECT_TRUE(SSGetFloat(window, 1, 1, value));
    EXPECT_DOUBLE_EQ(value, 2.68);
    EXPECT_FALSE(SSSetFloat(window, 1, 1, 101));
    SSSetData(window, 2, 1, L" 12.5 ");
    EXPECT_TRUE(SSGetFloat(window, 2, 1, value));
    EXPECT_DOUBLE_EQ(value, 12.5);
    SSSetData(window, 2, 1, L"abc");
    EXPECT_FALSE(SSGetFloat(window, 2, 1, value));
    EXPECT_EQ(value, 0);
}

TEST_F(SSInterfaceTest, SpansAreAddedFoundAndRemoved) {
    ASSERT_TRUE(SSAddCellSpan(window, 2, 2, 2, 3));
    SS_COORD column = 0, row = 0, columns = 0, rows = 0;
    EXPECT_TRUE(SSGetCellSpan(window, 3, 4, column, row, columns, rows));
    EXPECT_EQ((std::vector<int>{column, row, columns, rows}), (std::vector<int>{2, 2, 2, 3}));
    EXPECT_FALSE(SSGetCellSpan(window, 4, 4, column, row, columns, rows));
    EXPECT_FALSE(SSAddCellSpan(window, 3, 3, 2, 2)) << "overlap";
    EXPECT_TRUE(SSAddCellSpan(window, 4, SS_HEADER, 2, 1)) << "header cells spanned";
    EXPECT_TRUE(SSRemoveCellSpan(window, 3, 3));
    EXPECT_FALSE(SSGetCellSpan(window, 2, 2, column, row, columns, rows));
}

TEST_F(SSInterfaceTest, InsertAndDeleteMoveTagsAndSpansAlong) {
    SSSetCellTag(window, 2, 3, L"tag");
    SSSetData(window, 0, 3, L"row three");
    SSAddCellSpan(window, 1, 4, 2, 2);
    ASSERT_TRUE(SSInsRow(window, 2));
    Tvx_String tag;
    SSGetCellTag(window, 2, 4, tag);
    EXPECT_EQ(tag, L"tag");
    EXPECT_EQ(data(0, 4), L"row three");
    SS_COORD column = 0, row = 0, columns = 0, rows = 0;
    ASSERT_TRUE(SSGetCellSpan(window, 1, 5, column, row, columns, rows));
    EXPECT_EQ(row, 5);
    ASSERT_TRUE(SSDelCol(window, 1));
    SSGetCellTag(window, 1, 4, tag);
    EXPECT_EQ(tag, L"tag");
    ASSERT_TRUE(SSGetCellSpan(window, 1, 6, column, row, columns, rows));
    EXPECT_EQ((std::vector<int>{column, row, columns, rows}), (std::vector<int>{1, 5, 1, 2}))
        << "the span lost its first column";
    EXPECT_EQ(SSGetMaxRows(window), 6);
    EXPECT_EQ(SSGetMaxCols(window), 5);
}

TEST_F(SSInterfaceTest, CopyMoveAndClipboard) {
    SSSetData(window, 1, 1, L"a");
    SSSetData(window, 2, 1, L"b");
    ASSERT_TRUE(SSCopyRange(window, 1, 1, 2, 1, 1, 3));
    EXPECT_EQ(data(2, 3), L"b");
    ASSERT_TRUE(SSMoveRange(window, SS_ALL, 3, SS_ALL, 3, SS_ALL, 6));
    EXPECT_EQ(data(1, 3), L"");
    EXPECT_EQ(data(1, 6), L"a");
    ASSERT_TRUE(SSSetSelectBlock(window, 2, 1, 1, 1));
    SS_COORD c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    ASSERT_TRUE(SSGetSelectBlock(window, c1, r1, c2, r2));
    EXPECT_EQ((std::vector<int>{c1, r1, c2, r2}), (std::vector<int>{1, 1, 2, 1}));
    ASSERT_TRUE(SSClipboardCopy(window));
    ASSERT_TRUE(SSSetActiveCell(window, 3, 2));
    EXPECT_FALSE(SSGetSelectBlock(window, c1, r1, c2, r2))
        << "setting the active cell drops the block";
    ASSERT_TRUE(SSClipboardPaste(window));
    EXPECT_EQ(data(4, 2), L"b");
    ASSERT_TRUE(SSSetSelectBlock(window, 2, SS_ALL, 2, SS_ALL));
    ASSERT_TRUE(SSGetSelectBlock(window, c1, r1, c2, r2));
    EXPECT_EQ((std::vector<int>{c1, r1, c2, r2}), (std::vector<int>{2, SS_ALL, 2, SS_ALL}));
}

TEST_F(SSInterfaceTest, EditModeAndEditSelection) {
    std::vector<int> codes;
    control.setNotificationSink([&](const GridEvent& e) { codes.push_back(e.code); });
    SSSetData(window, 2, 2, L"find me here");
    SSSetActiveCell(window, 2, 2);
    int start = 0, end = 0;
    EXPECT_FALSE(SSGetEditSel(window, start, end));
    ASSERT_TRUE(SSSetEditMode(window, 1));
    EXPECT_TRUE(SSGetEditMode(window));
    ASSERT_TRUE(SSSetEditSel(window, 5, 7));
    ASSERT_TRUE(SSGetEditSel(window, start, end));
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 7);
    Tvx_String text;
    ASSERT_TRUE(SSGetEditText(window, text));
    EXPECT_EQ(text.getSubStringAt(start, end - start), L"me");
    EXPECT_TRUE(SSSetEditSel(window, 40, -3));
    SSGetEditSel(window, start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 12) << "clamped and put in order";
    ASSERT_TRUE(SSSetEditMode(window, 0));
    EXPECT_EQ(codes, (std::vector<int>{kNotifyEditStart, kNotifyEditEnd}));
    SS_CELLTYPE check;
    SSSetTypeCheckBox(window, &check, 0, L"", L"", L"");
    SSSetCellType(window, 2, 2, &check);
    EXPECT_FALSE(SSSetEditMode(window, 1));
}

TEST_F(SSInterfaceTest, BooleanOptionsByIndex) {
    struct Case {
        int index;
        bool byDefault;
    };
    const Case cases[] = {{kOptionGridLines, true},
                          {kOptionColumnHeaders, true},
                          {kOptionVerticalScrollBar, true},
                          {kOptionRowHeaders, true},
                          {kOptionHorizontalScrollBar, true},
                          {kOptionProcessTab, false},
                          {kOptionAutoCalc, true},
                          {kOptionRedraw, true},
                          {kOptionMoveActiveOnEnter, false},
                          {kOptionArrowsExitEditMode, false},
                          {kOptionEditModePermanent, false},
                          {kOptionAllowUserFormulas, false},
                          {kOptionAutoClipboard, true},
                          {kOptionChangeMade, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(SSGetBool(window, c.index) != 0, c.byDefault);
        EXPECT_TRUE(SSSetBool(window, c.index, !c.byDefault));
        EXPECT_EQ(SSGetBool(window, c.index) != 0, !c.byDefault);
    }
    EXPECT_FALSE(SSSetBool(window, 0, 1));
    EXPECT_FALSE(SSSetBool(window, 29, 1));
    EXPECT_FALSE(SSGetBool(window, 31));
}

TEST_F(SSInterfaceTest, WindowSettings) {
    EXPECT_TRUE(SSSetAppearance(window, 1));
    EXPECT_FALSE(SSSetAppearance(window, 3));
    EXPECT_EQ(SSGetAppearance(window), 1);
    EXPECT_TRUE(SSSetSelColor(window, 0x6A240A, 0xFFFFFF));
    COLORREF back = 0, fore = 0;
    SSGetSelColor(window, back, fore);
    EXPECT_EQ(back, 0x6A240Au);
    EXPECT_TRUE(SSSetBackColorStyle(window, 1));
    EXPECT_FALSE(SSSetBackColorStyle(window, 4));
    EXPECT_EQ(SSGetBackColorStyle(window), 1);
    EXPECT_EQ(SSGetGridType(window), 7);
    EXPECT_TRUE(SSSetGridType(window, 1));
    EXPECT_FALSE(SSSetGridType(window, 8));
    EXPECT_FALSE(SSSetGridType(window, -1));
    EXPECT_EQ(SSGetGridType(window), 1);
    EXPECT_TRUE(SSSetGridColor(window, RGB(50, 50, 50)));
    COLORREF gridColor = 0;
    ASSERT_TRUE(SSGetGridColor(window, gridColor));
    EXPECT_EQ(gridColor, RGB(50, 50, 50));
    EXPECT_TRUE(SSSetCellNoteIndicator(window, 0));
    EXPECT_FALSE(SSSetCellNoteIndicator(window, 2));
    EXPECT_EQ(SSGetCellNoteIndicator(window), 0);

    SS_TEXTTIP tip;
    ASSERT_TRUE(SSGetTextTip(window, tip));
    tip.mode = 2;
    tip.delay = 10;
    ASSERT_TRUE(SSSetTextTip(window, tip));
    SS_TEXTTIP back2;
    SSGetTextTip(window, back2);
    EXPECT_EQ(back2, tip);
    tip.mode = 5;
    EXPECT_FALSE(SSSetTextTip(window, tip));

    MoveWindow(window, 0, 0, 200, 100, TRUE);
    int width = 0, height = 0;
    ASSERT_TRUE(SSGetClientArea(window, width, height));
    EXPECT_EQ(width, 196);
    EXPECT_EQ(height, 96);
    SSSetAppearance(window, 0);
    SSGetClientArea(window, width, height);
    EXPECT_EQ(width, 198);
    ASSERT_TRUE(SSGetScrollBarSize(window, width, height));
    EXPECT_EQ(width, 17);
    SSSetBool(window, kOptionVerticalScrollBar, 0);
    SSGetScrollBarSize(window, width, height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 17);
}

TEST_F(SSInterfaceTest, ActionKeysCanAllBeSwitchedOff) {
    SSSetData(window, 1, 1, L"keep");
    for (int action : {0, 1, 2})
        EXPECT_TRUE(SSSetActionKey(window, action, 0, 0, 0));
    EXPECT_FALSE(SSSetActionKey(window, 3, 0, 0, 0));
    EXPECT_FALSE(control.userKey(kKeyDelete, false, false));
    EXPECT_EQ(data(1, 1), L"keep");
    BOOL shift = 1, ctrl = 1;
    int key = 1;
    ASSERT_TRUE(SSGetActionKey(window, 0, shift, ctrl, key));
    EXPECT_EQ(key, 0);
    EXPECT_FALSE(shift);
}

TEST_F(SSInterfaceTest, BordersPerCellAndAsOutline) {
    ASSERT_TRUE(SSSetBorderRange(window, 2, 2, 3, 3, SS_BORDER_OUTLINE, 1, 0x112233));
    int style = -1;
    COLORREF color = 0;
    SSGetBorder(window, 2, 2, SS_BORDER_LEFT, style, color);
    EXPECT_EQ(style, 1);
    EXPECT_EQ(color, 0x112233u);
    SSGetBorder(window, 3, 2, SS_BORDER_LEFT, style, color);
    EXPECT_EQ(style, 0) << "inner edges are not part of the outline";
    SSGetBorder(window, 3, 3, SS_BORDER_BOTTOM, style, color);
    EXPECT_EQ(style, 1);
    ASSERT_TRUE(SSSetBorder(window, 3, 3, SS_BORDER_BOTTOM, 0, 0));
    SSGetBorder(window, 3, 3, SS_BORDER_BOTTOM, style, color);
    EXPECT_EQ(style, 0);
    EXPECT_FALSE(SSSetBorder(window, 1, 1, 0, 1, 0));
    EXPECT_FALSE(SSSetBorder(window, 1, 1, SS_BORDER_LEFT, 7, 0));
    EXPECT_FALSE(SSSetBorder(window, 1, 1, SS_BORDER_LEFT, -1, 0));
    ASSERT_TRUE(SSSetBorder(window, 1, 1, SS_BORDER_RIGHT | SS_BORDER_OUTLINE, 6, 0));
    SSGetBorder(window, 1, 1, SS_BORDER_LEFT, style, color);
    EXPECT_EQ(style, 6) << "the outline of one cell is its four edges";
    EXPECT_FALSE(SSSetBorder(window, 1, 1, 32, 1, 0));
}

TEST_F(SSInterfaceTest, FilesLoadAndSaveAndKeepWindowSettings) {
    testsupport::TempDir dir;
    const Tvx_String path = Tvx_String::fromUtf8((dir.path() / "s.vts").string());
    SSSetData(window, 1, 1, L"saved");
    SSSetCellTag(window, 0, 0, L"settings");
    ASSERT_EQ(SSSaveToFile(window, path, 0), 1);
    SSReset(window);
    EXPECT_EQ(SSGetMaxCols(window), 26);
    SSSetBool(window, kOptionAutoCalc, 0);
    ASSERT_EQ(SSLoadFromFile(window, path), 1);
    EXPECT_EQ(data(1, 1), L"saved");
    Tvx_String tag;
    SSGetCellTag(window, 0, 0, tag);
    EXPECT_EQ(tag, L"settings");
    EXPECT_FALSE(SSGetBool(window, kOptionAutoCalc)) << "options are not part of the file";
    EXPECT_FALSE(SSGetBool(window, kOptionChangeMade));
    int line = -1;
    Tvx_String reason;
    EXPECT_FALSE(SSGetLoadError(window, line, reason));

    dir.write("bad.vts", "vtss-sheet 1\nsize 2 2\ncell 1 1 text=x\ncell 5 1 text=y\nend\n");
    EXPECT_EQ(SSLoadFromFile(window, Tvx_String::fromUtf8((dir.path() / "bad.vts").string())), 0);
    EXPECT_EQ(data(1, 1), L"saved") << "a refused file leaves the sheet as it was";
    ASSERT_TRUE(SSGetLoadError(window, line, reason));
    EXPECT_EQ(line, 4);
    EXPECT_EQ(reason, L"column 5 is outside 0..2");
}

}  // namespace
}  // namespace grid
