// Dialog templates: the styles of the helpers, positions and child dialogs.
#include <gtest/gtest.h>

#include "UiTestPrinting.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/controls/CTabCtrl.h"

namespace {

constexpr int kMain = 9301;
constexpr int kPage = 9302;
constexpr int kCentred = 9303;
constexpr int kTabs = 8097;
constexpr int kPageEdit = 1001;

TEST(DialogTemplate, HelpersGiveTheStylesOfAResourceScript) {
    ui::DialogTemplate t(kMain, 0, 0, 100, 100, L"Styles");
    t.pushButton(1, L"a", 0, 0, 1, 1)
        .defPushButton(2, L"b", 0, 0, 1, 1)
        .autoCheckBox(3, L"c", 0, 0, 1, 1)
        .autoRadioButton(4, L"d", 0, 0, 1, 1, WS_GROUP)
        .groupBox(5, L"e", 0, 0, 1, 1)
        .lText(6, L"f", 0, 0, 1, 1)
        .editText(7, 0, 0, 1, 1, ES_AUTOHSCROLL)
        .comboBox(8, 0, 0, 1, 1, CBS_DROPDOWNLIST)
        .listBox(9, 0, 0, 1, 1);
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const DWORD expected[] = {
        child | WS_TABSTOP | BS_PUSHBUTTON,
        child | WS_TABSTOP | BS_DEFPUSHBUTTON,
        child | WS_TABSTOP | BS_AUTOCHECKBOX,
        child | WS_GROUP | BS_AUTORADIOBUTTON,
        child | BS_GROUPBOX,
        child | WS_GROUP | SS_LEFT,
        child | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
        child | WS_TABSTOP | CBS_DROPDOWNLIST,
        child | WS_TABSTOP | WS_BORDER | LBS_NOTIFY,
    };
    ASSERT_EQ(t.controls.size(), std::size(expected));
    for (size_t i = 0; i < t.controls.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t.controls[i].style, expected[i]);
    }
    EXPECT_FALSE(ui::registerDialogTemplate(ui::DialogTemplate(0, 0, 0, 1, 1, L"")));
    EXPECT_TRUE(ui::registerDialogTemplate(t));
    ui::DialogTemplate replacement(kMain, 0, 0, 50, 50, L"Replaced");
    EXPECT_TRUE(ui::registerDialogTemplate(replacement));
    EXPECT_EQ(ui::findDialogTemplate(kMain)->caption, Tvx_String(L"Replaced"));
    EXPECT_EQ(ui::findDialogTemplate(kMain + 999), nullptr);
}

TEST(DialogTemplate, PopupsSitRelativeToTheirOwnerOrCentred) {
    CWnd owner;
    owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(200, 100, 800, 700), nullptr,
                   0);
    ui::registerDialogTemplate(ui::DialogTemplate(kMain, 8, 8, 40, 16, L"Placed"));
    CDialog placed;
    ASSERT_TRUE(placed.Create(kMain, &owner));
    CRect rect;
    placed.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(212, 113, 272, 139));
    EXPECT_EQ(placed.GetOwner(), &owner);

    ui::registerDialogTemplate(
        ui::DialogTemplate(kCentred, 8, 8, 40, 16, L"Centred", WS_POPUP | DS_CENTER));
    CDialog centred;
    ASSERT_TRUE(centred.Create(kCentred, &owner));
    centred.GetWindowRect(&rect);
    EXPECT_EQ(rect.CenterPoint(), CPoint(500, 400));
    owner.DestroyWindow();
    EXPECT_EQ(placed.m_hWnd, nullptr);  // owned windows go with their owner
}

// A dialog whose tab control shows a child dialog as its page.
class PagedDialog : public CDialog {
  public:
    CDialog page;
    PagedDialog() : CDialog(kMain) {}
    BOOL OnInitDialog() override {
        auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(kTabs));
        tabs->InsertItem(0, L"General");
        page.Create(kPage, this);
        CRect area;
        tabs->GetWindowRect(&area);
        ScreenToClient(&area);
        tabs->AdjustRect(FALSE, &area);
        page.MoveWindow(&area);
        page.ShowWindow(SW_SHOW);
        return CDialog::OnInitDialog();
    }
};

TEST(DialogTemplate, AChildDialogServesAsATabPage) {
    ui::DialogTemplate main(kMain, 0, 0, 200, 150, L"Paged");
    main.control(kTabs, L"SysTabControl32", L"", WS_VISIBLE | WS_TABSTOP, 5, 5, 190, 120)
        .defPushButton(IDOK, L"OK", 5, 130, 50, 14);
    ui::registerDialogTemplate(main);
    ui::DialogTemplate page(kPage, 0, 0, 100, 50, L"", WS_CHILD | DS_CONTROL);
    page.editText(kPageEdit, 5, 5, 80, 12);
    ui::registerDialogTemplate(page);

    PagedDialog dialog;
    ASSERT_TRUE(dialog.Create(kMain));
    EXPECT_EQ(dialog.page.GetParent(), &dialog);
    CRect pageRect;
    dialog.page.GetWindowRect(&pageRect);
    dialog.ScreenToClient(&pageRect);
    EXPECT_EQ(pageRect, CRect(8 + 4, 8 + CTabCtrl::kTabStripHeight + 2, 8 + 285 - 4, 8 + 195 - 4));
    // Hidden while the dialog is hidden.
    EXPECT_FALSE(dialog.page.GetDlgItem(kPageEdit)->IsWindowVisible());
    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(dialog.page.GetDlgItem(kPageEdit)->IsWindowVisible());
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.page.m_hWnd, nullptr);
}

}  // namespace
