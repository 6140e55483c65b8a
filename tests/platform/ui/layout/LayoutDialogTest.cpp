// The layout helpers on a live dialog: the resizer, the control helpers, the
// picture button and the dialog size memory.
#include <gtest/gtest.h>

#include "platform/core/Tvx_Settings.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/gdi/BmpFormat.h"
#include "platform/ui/gdi/GdiHandles.h"
#include "platform/ui/layout/CButtonST.h"
#include "platform/ui/layout/CResizer.h"
#include "platform/ui/layout/ControlHelpers.h"
#include "platform/ui/registry/DialogMemory.h"
#include "platform/ui/registry/DialogSizes.h"
#include "platform/ui/registry/RegistryTestFolder.h"

namespace {

constexpr int kTemplateId = 60101;
constexpr int kList = 1000;
constexpr int kKindCombo = 1001;
constexpr int kPictureButton = 1002;
constexpr int kNote = 1003;

void registerSampleTemplate() {
    ui::DialogTemplate t(kTemplateId, 0, 0, 200, 120, L"Layout sample",
                         DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_THICKFRAME);
    t.listBox(kList, 5, 5, 150, 80)
        .comboBox(kKindCombo, 160, 5, 35, 60, CBS_DROPDOWNLIST)
        .pushButton(kPictureButton, L"", 160, 25, 20, 20)
        .lText(kNote, L"Note", 5, 90, 150, 10)
        .defPushButton(IDOK, L"OK", 5, 102, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 145, 102, 50, 14);
    ui::registerDialogTemplate(t);
}

// The sample dialog, opened modelessly, keeping its controls placed on resize.
class SampleDialog : public CDialog {
  public:
    SampleDialog() : CDialog(kTemplateId) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        getDlgSize(this, minWidth, minHeight);
        const std::vector<layout::BorderRule> rules = {
            {kList, layout::toDialog(layout::Side::Left), layout::toDialog(layout::Side::Top),
             layout::toDialog(layout::Side::Right), layout::toDialog(layout::Side::Bottom)},
            {IDOK, layout::toDialog(layout::Side::Left), layout::keepSize(), layout::keepSize(),
             layout::toDialog(layout::Side::Bottom)},
            {IDCANCEL, layout::keepSize(), layout::keepSize(),
             layout::toDialog(layout::Side::Right), layout::toDialog(layout::Side::Bottom)},
        };
        resizerReady = resizer.Init(this, rules);
        return TRUE;
    }
    void OnSize(UINT type, int cx, int cy) override {
        CDialog::OnSize(type, cx, cy);
        resizer.Move();
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override {
        info->ptMinTrackSize = POINT{minWidth, minHeight};
    }

    CResizer resizer;
    bool resizerReady = false;
    int minWidth = 0;
    int minHeight = 0;
};

class LayoutDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        registerSampleTemplate();
        ASSERT_TRUE(dialog.Create(kTemplateId));
        ASSERT_TRUE(dialog.resizerReady) << dialog.resizer.lastProblem();
    }
    void TearDown() override { dialog.DestroyWindow(); }
    CRect placeOf(int id) {
        CRect rect;
        dialog.GetDlgItem(id)->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        return rect;
    }

    SampleDialog dialog;
};

TEST_F(LayoutDialogTest, TheResizerKeepsEverySideWhereItsRuleSays) {
    const CRect list = placeOf(kList);
    const CRect ok = placeOf(IDOK);
    const CRect cancel = placeOf(IDCANCEL);
    CRect window;
    dialog.GetWindowRect(&window);
    dialog.SetWindowPos(nullptr, 0, 0, window.Width() + 60, window.Height() + 40,
                        SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(placeOf(kList), CRect(list.left, list.top, list.right + 60, list.bottom + 40));
    EXPECT_EQ(placeOf(IDOK), CRect(ok.left, ok.top + 40, ok.right, ok.bottom + 40));
    EXPECT_EQ(placeOf(IDCANCEL),
              CRect(cancel.left + 60, cancel.top + 40, cancel.right + 60, cancel.bottom + 40));
}

TEST_F(LayoutDialogTest, TheResizerRefusesControlsTheDialogLacks) {
    CResizer resizer;
    const layout::BorderRule rules[] = {{4242, layout::toDialog(layout::Side::Left),
                                         layout::toDialog(layout::Side::Top), layout::keepSize(),
                                         layout::keepSize()}};
    EXPECT_FALSE(resizer.Init(&dialog, rules, 1));
    EXPECT_EQ(resizer.lastProblem(), "control 4242 has no place");
    EXPECT_FALSE(resizer.Move());
    EXPECT_FALSE(resizer.Init(nullptr, rules, 1));
}

TEST_F(LayoutDialogTest, ControlHelpersFillEnableShowAndStretch) {
    ASSERT_TRUE(FillCombo(&dialog, kKindCombo, Tvx_StringArray{L"Plate", L"Angle", L"Bolt"}, 1));
    auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(kKindCombo));
    EXPECT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->GetCurSel(), 1);
    ASSERT_TRUE(FillCombo(&dialog, kKindCombo, Tvx_StringArray{L"X"}, 5));
    EXPECT_EQ(combo->GetCount(), 1);
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_FALSE(FillCombo(&dialog, kList, Tvx_StringArray{L"X"})) << "not a combo box";

    ASSERT_TRUE(EnDisCtrl(&dialog, kNote, false));
    EXPECT_FALSE(dialog.GetDlgItem(kNote)->IsWindowEnabled());
    ASSERT_TRUE(ShowOrHideCtrl(&dialog, kNote, 0));
    EXPECT_FALSE(dialog.GetDlgItem(kNote)->GetStyle() & WS_VISIBLE);
    ASSERT_TRUE(ShowOrHideCtrl(&dialog, kNote, 1));
    EXPECT_TRUE(dialog.GetDlgItem(kNote)->GetStyle() & WS_VISIBLE);

    const CRect note = placeOf(kNote);
    EXPECT_EQ(getCtrlHeight(&dialog, kNote), note.Height());
    ASSERT_TRUE(resizeCtrl(&dialog, kNote, 1, 60));
    EXPECT_EQ(placeOf(kNote), CRect(note.left, note.top, note.right, note.bottom + 60));
    ASSERT_TRUE(resizeCtrl(&dialog, kNote, 0, -1000));
    EXPECT_EQ(placeOf(kNote).Height(), 0) << "an edge never passes the other";
    EXPECT_FALSE(resizeCtrl(&dialog, kNote, 2, 5));

    EXPECT_FALSE(EnDisCtrl(&dialog, 4242, true));
    EXPECT_FALSE(ShowOrHideCtrl(nullptr, kNote, 1));
    EXPECT_EQ(getCtrlHeight(&dialog, 4242), 0);
}

TEST_F(LayoutDialogTest, PictureButtonsShowTheirIconAndKeepTooltipAndColours) {
    testsupport::TempDir dir;
    dir.write("res/icons/241.bmp", writeBmp(PixelImage(16, 16, false, RGB(0, 128, 0)), 24));
    gSettings.setTvxDir(Tvx_String((dir.path() / "res").wstring()));
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kPictureButton, &dialog));
    EXPECT_EQ(button.SetIcon(241), BTNST_OK);
    EXPECT_TRUE(button.GetStyle() & BS_ICON);
    EXPECT_EQ(button.GetIcon(), button.iconIn());
    ASSERT_NE(gdi::iconInfo(button.GetIcon()), nullptr);
    EXPECT_EQ(button.SetIcon(240), BTNST_INVALIDRESOURCE) << "no such icon";
    EXPECT_EQ(button.GetIcon(), button.iconIn()) << "the old icon stays";

    button.SetTooltipText(L"Show or hide filter options");
    EXPECT_TRUE(button.isTooltipActive());
    EXPECT_EQ(button.GetTooltipText(), L"Show or hide filter options");

    ASSERT_EQ(button.SetColor(CButtonST::BTNST_COLOR_BK_IN, RGB(250, 100, 5)), BTNST_OK);
    ASSERT_EQ(button.OffsetColor(CButtonST::BTNST_COLOR_BK_IN, 30), BTNST_OK);
    COLORREF colour = 0;
    button.GetColor(CButtonST::BTNST_COLOR_BK_IN, &colour);
    EXPECT_EQ(colour, RGB(255, 130, 35));
    EXPECT_EQ(button.OffsetColor(9, 30), BTNST_INVALIDINDEX);
    EXPECT_EQ(button.OffsetColor(0, 300), BTNST_BADPARAM);
    button.UnsubclassWindow();
    gSettings.setTvxDir(Tvx_String());
}

TEST_F(LayoutDialogTest, DialogSizesAreRestoredButNeverBelowTheMinimum) {
    RegistryTestFolder folder;
    EXPECT_FALSE(ChangeDlgSize(&dialog, L"DLG_LAYOUT_SAMPLE")) << "nothing stored yet";
    CRect window;
    dialog.GetWindowRect(&window);
    dialog.SetWindowPos(nullptr, 0, 0, window.Width() + 100, window.Height() + 50,
                        SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(WriteDlgSize(&dialog, L"DLG_LAYOUT_SAMPLE"));
    dialog.SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(ChangeDlgSize(&dialog, L"DLG_LAYOUT_SAMPLE"));
    int width = 0, height = 0;
    ASSERT_TRUE(getDlgSize(&dialog, width, height));
    EXPECT_EQ(CSize(width, height), CSize(window.Width() + 100, window.Height() + 50));

    ASSERT_TRUE(registry::writeDialogSize(L"DLG_LAYOUT_SAMPLE", CSize(10, 10)));
    ASSERT_TRUE(ChangeDlgSize(&dialog, L"DLG_LAYOUT_SAMPLE"));
    getDlgSize(&dialog, width, height);
    EXPECT_EQ(CSize(width, height), CSize(dialog.minWidth, dialog.minHeight));
    EXPECT_FALSE(WriteDlgSize(nullptr, L"DLG_LAYOUT_SAMPLE"));
    EXPECT_FALSE(WriteDlgSize(&dialog, L""));
}

}  // namespace
