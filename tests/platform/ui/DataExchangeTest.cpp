// Dialog data exchange between members and controls.
#include <gtest/gtest.h>

#include "SampleDialog.h"
#include "UiTestPrinting.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/controls/CComboBox.h"

namespace {

class ExchangeDialog : public CDialog {
  public:
    int count = 4;
    double distance = 2.5;
    int option = BST_CHECKED;
    int radio = 1;
    int kind = 2;
    CComboBox kinds;

    ExchangeDialog() : CDialog(sample::kTemplate) {}
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, sample::kKindCombo, kinds);
        if (!DDX_Control_ready) {
            for (const wchar_t* s : {L"a", L"b", L"c"})
                kinds.AddString(s);
            DDX_Control_ready = true;
        }
        DDX_Text(dx, sample::kNameEdit, count);
        DDX_Text(dx, sample::kFileEdit, distance);
        DDX_Check(dx, sample::kOptionCheck, option);
        DDX_Radio(dx, sample::kFirstRadio, radio);
        DDX_CBIndex(dx, sample::kKindCombo, kind);
    }

  private:
    bool DDX_Control_ready = false;
};

TEST(DataExchange, MembersGoIntoTheControlsAndBackOnOk) {
    sample::registerTemplate();
    ui::ScriptedUser user;
    user.onDialog(sample::kTemplate)
        .call([](HWND dialog) {
            EXPECT_EQ(GetDlgItemString(dialog, sample::kNameEdit), Tvx_String(L"4"));
            EXPECT_EQ(GetDlgItemString(dialog, sample::kFileEdit), Tvx_String(L"2.5"));
            EXPECT_EQ(IsDlgButtonChecked(dialog, sample::kSecondRadio), BST_CHECKED);
            EXPECT_EQ(GetDlgItemString(dialog, sample::kKindCombo), Tvx_String(L"c"));
        })
        .type(sample::kNameEdit, L"12")
        .click(sample::kOptionCheck)
        .click(sample::kThirdRadio)
        .pick(sample::kKindCombo, 0)
        .click(IDOK);
    ExchangeDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.count, 12);
    EXPECT_EQ(dialog.option, static_cast<int>(BST_UNCHECKED));
    EXPECT_EQ(dialog.radio, 2);
    EXPECT_EQ(dialog.kind, 0);
    EXPECT_DOUBLE_EQ(dialog.distance, 2.5);
    EXPECT_EQ(user.problems(), std::vector<Tvx_String>{});
}

TEST(DataExchange, TextThatIsNotANumberKeepsTheDialogOpen) {
    sample::registerTemplate();
    ui::ScriptedUser user;
    user.onDialog(sample::kTemplate)
        .type(sample::kNameEdit, L"1.5")
        .click(IDOK)
        .call([](HWND dialog) { EXPECT_EQ(GetFocus(), GetDlgItem(dialog, sample::kNameEdit)); })
        .type(sample::kNameEdit, L" 7 ")
        .click(IDOK);
    user.answerMessageBox(IDOK, L"Please enter an integer.");
    ExchangeDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.count, 7);
    EXPECT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.problems(), std::vector<Tvx_String>{});
}

}  // namespace
