// Dialogs built from registered templates: controls, classes, units, messages.
#include <gtest/gtest.h>

#include <vector>

#include "UiTestPrinting.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/WindowTree.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/controls/CStatic.h"

namespace {

constexpr int kTemplate = 9101;
constexpr int kNameEdit = 1000;
constexpr int kOptionCheck = 1001;
constexpr int kKindCombo = 1005;
constexpr int kGadget = 1196;
constexpr int kLabel = 1010;

// A custom control class, as the grid registers one: it counts what it gets.
class GadgetWindow : public CWnd {
  public:
    int created = 0;

  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE)
            ++created;
        return CWnd::classProcedure(message, wParam, lParam);
    }
};

void registerSampleTemplate() {
    ui::registerWindowClass(L"TestGadget", [] { return std::make_unique<GadgetWindow>(); });
    ui::DialogTemplate t(kTemplate, 10, 10, 204, 120, L"Sample");
    t.lText(kLabel, L"Name:", 7, 7, 40, 8)
        .editText(kNameEdit, 50, 7, 100, 12)
        .autoCheckBox(kOptionCheck, L"Option", 7, 24, 60, 10)
        .comboBox(kKindCombo, 7, 40, 100, 60, CBS_DROPDOWNLIST | CBS_SORT)
        .control(kGadget, L"testgadget", L"", WS_VISIBLE, 110, 40, 80, 40)
        .defPushButton(IDOK, L"OK", 7, 100, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 60, 100, 50, 14);
    ui::registerDialogTemplate(t);
}

class SampleDialog : public CDialog {
  public:
    std::vector<Tvx_String> events;
    SampleDialog() : CDialog(kTemplate) {
        onCommand(kNameEdit, EN_CHANGE, [this] { events.push_back(L"name changed"); });
        onClicked(kOptionCheck, [this] { events.push_back(L"option clicked"); });
    }
    BOOL OnInitDialog() override {
        events.push_back(L"init");
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kKindCombo));
        combo->AddString(L"beta");
        combo->AddString(L"Alpha");
        combo->AddString(L"gamma");
        combo->SetCurSel(0);
        return TRUE;
    }
};

TEST(DialogBuild, ControlsComeFromTheTemplateWithTheirClasses) {
    registerSampleTemplate();
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(kTemplate));
    EXPECT_EQ(dialog.events, std::vector<Tvx_String>{L"init"});
    EXPECT_NE(dynamic_cast<CEdit*>(dialog.GetDlgItem(kNameEdit)), nullptr);
    EXPECT_NE(dynamic_cast<CButton*>(dialog.GetDlgItem(kOptionCheck)), nullptr);
    EXPECT_NE(dynamic_cast<CStatic*>(dialog.GetDlgItem(kLabel)), nullptr);
    auto* gadget = dynamic_cast<GadgetWindow*>(dialog.GetDlgItem(kGadget));
    ASSERT_NE(gadget, nullptr);
    EXPECT_EQ(gadget->created, 1);
    Tvx_String className;
    gadget->GetClassName(className);
    EXPECT_EQ(className, Tvx_String(L"TestGadget"));

    // The sorted combo orders ignoring case; the selection shows as its text.
    auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(kKindCombo));
    Tvx_String first;
    combo->GetLBText(0, first);
    EXPECT_EQ(first, Tvx_String(L"Alpha"));
    EXPECT_EQ(combo->GetWindowString(), Tvx_String(L"Alpha"));
    EXPECT_EQ(combo->FindStringExact(-1, L"GAMMA"), 2);

    // Template dialogs are hidden unless the template says WS_VISIBLE.
    EXPECT_FALSE(dialog.IsWindowVisible());
    // The first tab stop has the focus after OnInitDialog answered TRUE.
    EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(kNameEdit));
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(DialogBuild, DialogUnitsBecomePixelsWithFixedBaseUnits) {
    registerSampleTemplate();
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kTemplate));
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 306, 195));  // 204 x 120 units
    CRect edit;
    dialog.GetDlgItem(kNameEdit)->GetWindowRect(&edit);
    dialog.ScreenToClient(&edit);
    EXPECT_EQ(edit, CRect(75, 11, 225, 31));  // (50, 7) to (150, 19) units
    CRect units(0, 0, 4, 8);
    dialog.MapDialogRect(&units);
    EXPECT_EQ(units, CRect(0, 0, 6, 13));
    dialog.DestroyWindow();
}

TEST(DialogBuild, SettingTextsFromCodeNotifiesAsThePlatformDoes) {
    registerSampleTemplate();
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(kTemplate));
    dialog.events.clear();
    dialog.SetDlgItemText(kNameEdit, L"250");
    dialog.CheckDlgButton(kOptionCheck, BST_CHECKED);
    // An edit reports a new text; a check box set from code sends nothing.
    EXPECT_EQ(dialog.events, std::vector<Tvx_String>{L"name changed"});
    EXPECT_EQ(dialog.GetDlgItemInt(kNameEdit), 250u);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOptionCheck), BST_CHECKED);
    dialog.DestroyWindow();
}

TEST(DialogBuild, ASubclassingObjectKeepsTheControlsBehaviour) {
    registerSampleTemplate();
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(kTemplate));
    struct CountingCheck : CButton {
        int ups = 0;
        void OnLButtonUp(UINT flags, CPoint point) override {
            ++ups;
            CButton::OnLButtonUp(flags, point);
        }
    } check;
    ASSERT_TRUE(check.SubclassDlgItem(kOptionCheck, &dialog));
    EXPECT_EQ(dialog.GetDlgItem(kOptionCheck), &check);
    dialog.events.clear();
    check.SendMessage(BM_CLICK);
    EXPECT_EQ(check.ups, 1);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_EQ(dialog.events, std::vector<Tvx_String>{L"option clicked"});
    // A second object cannot subclass the same window.
    CButton other;
    EXPECT_FALSE(other.SubclassDlgItem(kOptionCheck, &dialog));
    dialog.DestroyWindow();
    EXPECT_EQ(check.m_hWnd, nullptr);
}

TEST(DialogBuild, AControlOfAnUnknownClassFailsTheWholeDialog) {
    ui::DialogTemplate t(kTemplate + 1, 0, 0, 100, 50, L"Broken");
    t.editText(kNameEdit, 5, 5, 50, 12)
        .control(kGadget, L"NoSuchClass", L"", WS_VISIBLE, 5, 20, 50, 12);
    ui::registerDialogTemplate(t);
    const size_t before = ui::WindowTree::instance().allWindows().size();
    CDialog dialog;
    EXPECT_FALSE(dialog.Create(kTemplate + 1));
    EXPECT_EQ(ui::WindowTree::instance().allWindows().size(), before);
}

}  // namespace
