// The sheet options dialog driven by the scripted user.
#include "sheeteditor/CDlgSSOptions.h"

#include <gtest/gtest.h>

#include "GridTestDialog.h"
#include "platform/core/NumberedTexts.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"

namespace {

using Problems = std::vector<Tvx_String>;
using D = CDlgSSOptions;

Tvx_Spread& previewOf(HWND dialog, int id) {
    return *static_cast<Tvx_Spread*>(CWnd::FromHandle(GetDlgItem(dialog, id)));
}

class SheetOptionsTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sheet.attachToDlgItem(&dialog, spreadtest::kGridPlaceholder, true));
        sheet.setMaxCols(2);
        sheet.setMaxRows(2);
        sheet.setCellValueText(1, 0, L"Name");
        sheet.setCellValueText(2, 0, L"Size");
        sheet.setCellValueText(0, 1, L"First");
        sheet.SetRowHeight(0, 18);
        sheet.SetColWidth(0, 30);
    }
    Tvx_String text(int column, int row) {
        Tvx_String value;
        sheet.getCellText(column, row, value, Tvx_Spread::kValueText);
        return value;
    }
    spreadtest::GridTestDialog dialog;
    Tvx_Spread sheet;
};

TEST_F(SheetOptionsTest, ShowsTheSheetAndAppliesTheEditedCountsSizesAndCaptions) {
    ui::ScriptedUser user;
    Tvx_String columnsShown, heightShown, label;
    std::vector<Tvx_String> previewAtThree;
    user.onDialog(D::kTemplateId)
        .call([&](HWND dlg) {
            columnsShown = GetDlgItemString(dlg, D::kColumnsEdit);
            heightShown = GetDlgItemString(dlg, D::kHeaderHeightEdit);
            label = GetDlgItemString(dlg, D::kColumnPreviewLabel);
        })
        .type(D::kColumnsEdit, L"3")
        .call([&](HWND dlg) {
            Tvx_Spread& preview = previewOf(dlg, D::kColumnPreview);
            for (int column = 1; column <= preview.getMaxCols(); ++column) {
                Tvx_String caption;
                preview.getCellText(column, 1, caption, Tvx_Spread::kValueText);
                previewAtThree.push_back(caption);
            }
            preview.setCellValueText(1, 1, L"Part");  // what the user typed
            preview.setCellValueText(3, 1, L"Grade");
        })
        .type(D::kColumnsEdit, L"1")
        .type(D::kColumnsEdit, L"3")  // the typed third caption comes back
        .type(D::kRowsEdit, L"1")
        .type(D::kHeaderHeightEdit, L"25")
        .type(D::kHeaderWidthEdit, L"40")
        .click(IDOK);

    ASSERT_TRUE(sheetOptions(sheet));
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_EQ(columnsShown.str(), L"2");
    EXPECT_EQ(heightShown.str(), L"18");
    EXPECT_EQ(label, dialString(1370) + L"\n" + dialString(1371));
    EXPECT_EQ(previewAtThree, (std::vector<Tvx_String>{L"Name", L"Size", L""}));

    EXPECT_EQ(sheet.getMaxCols(), 3);
    EXPECT_EQ(sheet.getMaxRows(), 1);
    EXPECT_EQ(text(1, 0).str(), L"Part");
    EXPECT_EQ(text(2, 0).str(), L"Size");
    EXPECT_EQ(text(3, 0).str(), L"Grade");
    EXPECT_EQ(text(0, 1).str(), L"First");
    EXPECT_EQ(sheet.GetRowHeight(0), 25);
    EXPECT_EQ(sheet.GetColWidth(0), 40);
    EXPECT_TRUE(sheet.GetBool(grid::kOptionRedraw));
}

TEST_F(SheetOptionsTest, PreviewsFollowTheCountsAndHeaderSizes) {
    ui::ScriptedUser user;
    int previewRows = -1, previewHeaderWidth = -1, columnHeaderHeight = -1;
    user.onDialog(D::kTemplateId)
        .type(D::kRowsEdit, L"5")
        .type(D::kHeaderWidthEdit, L"44")
        .type(D::kHeaderHeightEdit, L"21")
        .call([&](HWND dlg) {
            previewRows = previewOf(dlg, D::kRowPreview).getMaxRows();
            previewHeaderWidth = previewOf(dlg, D::kRowPreview).GetColWidth(0);
            columnHeaderHeight = previewOf(dlg, D::kColumnPreview).GetRowHeight(0);
        })
        .type(D::kRowsEdit, L"x")
        .click(IDCANCEL);
    EXPECT_FALSE(sheetOptions(sheet));
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_EQ(previewRows, 5);
    EXPECT_EQ(previewHeaderWidth, 44);
    EXPECT_EQ(columnHeaderHeight, 21);
    EXPECT_EQ(sheet.getMaxRows(), 2);  // cancelled: unchanged
    EXPECT_EQ(sheet.GetColWidth(0), 30);
}

TEST_F(SheetOptionsTest, UnattachedSheetGetsNoDialog) {
    Tvx_Spread unattached;
    ui::ScriptedUser user;
    EXPECT_FALSE(sheetOptions(unattached));
    EXPECT_EQ(user.problems(), Problems{});
}

}  // namespace
