// The sample dialog driven end to end by the scripted user.
#include <gtest/gtest.h>

#include "SampleDialog.h"
#include "UiTestPrinting.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/controls/CEdit.h"

namespace {

using sample::SampleDialog;
using Log = std::vector<Tvx_String>;

class ScriptedUserTest : public ::testing::Test {
  protected:
    void SetUp() override { sample::registerTemplate(); }
    ui::ScriptedUser user;
};

TEST_F(ScriptedUserTest, AFullRunEndsWithOkAndEveryNotificationInOrder) {
    user.onDialog(sample::kTemplate)
        .type(sample::kNameEdit, L"25")
        .click(sample::kOptionCheck)
        .click(sample::kThirdRadio)
        .pick(sample::kKindCombo, L"bolt")
        .click(sample::kAskButton)
        .click(sample::kBrowseButton)
        .rightClick(sample::kItemList)
        .click(IDOK);
    user.answerMessageBox(IDYES, L"Really");
    user.chooseFile(L"notes");
    user.chooseMenuItem(L"rename");

    SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.problems(), Log{});
    EXPECT_EQ(dialog.data.name, Tvx_String(L"25"));
    EXPECT_TRUE(dialog.data.option);
    EXPECT_EQ(dialog.data.radio, 2);
    EXPECT_EQ(dialog.data.kind, Tvx_String(L"Bolt"));
    EXPECT_TRUE(dialog.data.confirmed);
    // A bare name is taken in the start folder and gets the default extension.
    EXPECT_EQ(dialog.data.file, Tvx_String(L"c:\\data\\notes.txt"));
    EXPECT_EQ(dialog.data.lastCommand, sample::kRenameCommand);
    // Typing replaces the selected text: one change per character; the radio
    // button and the combo each report once.
    const Log expected{L"name changed",   L"name changed", L"name left",
                       L"option clicked", L"radio 2",      L"kind Bolt",
                       L"asked: yes",     L"browsed",      L"rename"};
    EXPECT_EQ(dialog.log, expected);
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].prompt.caption, Tvx_String(L"Question"));
    EXPECT_EQ(user.messageBoxes()[0].prompt.icon, MB_ICONQUESTION);
    ASSERT_EQ(user.fileDialogs().size(), 1u);
    EXPECT_EQ(user.fileDialogs()[0].title, Tvx_String(L"Choose a file"));
    ASSERT_EQ(user.fileDialogs()[0].filters.size(), 2u);
    EXPECT_EQ(user.fileDialogs()[0].filters[1].patterns, Tvx_String(L"*.*"));
}

TEST_F(ScriptedUserTest, EscapeCancelsAndLeavesTheDataAlone) {
    user.onDialog(sample::kTemplate).type(sample::kNameEdit, L"changed").pressKey(VK_ESCAPE);
    SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.data.name, Tvx_String(L"start"));
    EXPECT_EQ(user.problems(), Log{});
}

TEST_F(ScriptedUserTest, EnterPressesTheDefaultButtonUnlessAButtonHasTheFocus) {
    user.onDialog(sample::kTemplate).type(sample::kNameEdit, L"x").pressKey(VK_RETURN);
    SampleDialog first;
    EXPECT_EQ(first.DoModal(), IDOK);

    user.onDialog(sample::kTemplate).focus(IDCANCEL).pressKey(VK_RETURN);
    SampleDialog second;
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_EQ(user.problems(), Log{});
}

TEST_F(ScriptedUserTest, TabAndArrowsMoveThroughTabStopsAndRadioGroups) {
    auto focusIs = [](int id) {
        return [id](HWND dialog) { EXPECT_EQ(GetFocus(), GetDlgItem(dialog, id)) << id; };
    };
    user.onDialog(sample::kTemplate)
        .focus(sample::kOptionCheck)
        .pressKey(VK_TAB)
        .call(focusIs(sample::kFirstRadio))
        .pressKey(VK_RIGHT)
        .call(focusIs(sample::kSecondRadio))
        .pressKey(VK_TAB)
        .call(focusIs(sample::kKindCombo))
        .pressKey(VK_TAB, MK_SHIFT)
        .call(focusIs(sample::kFirstRadio))
        .click(IDOK);
    SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    // The arrow key checked the radio button it reached.
    EXPECT_EQ(dialog.data.radio, 1);
    EXPECT_EQ(dialog.log, (Log{L"name left", L"radio 1"}));
    EXPECT_EQ(user.problems(), Log{});
}

TEST_F(ScriptedUserTest, WithNothingQueuedEveryPromptIsCancelledAndReported) {
    SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, L"Save?", L"Editor", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    CFileDialog files(FALSE);
    EXPECT_EQ(files.DoModal(), IDCANCEL);
    const Log expected{L"unexpected dialog 9200: closed it",
                       L"unexpected message box 'Editor: Save?': answered 7",
                       L"unexpected file dialog 'Save As': cancelled"};
    EXPECT_EQ(user.problems(), expected);
}

TEST_F(ScriptedUserTest, ActionsOnDisabledOrMissingControlsFailAndAreReported) {
    user.onDialog(sample::kTemplate)
        .click(sample::kDisabledButton)
        .type(4242, L"x")
        .pick(sample::kKindCombo, 7)
        .click(IDCANCEL);
    SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const Log expected{L"click 1010: control 1010 is disabled",
                       L"type 'x' into 4242: control 4242 does not exist",
                       L"pick item 7 of 1005: item 7 of control 1005 cannot be chosen"};
    EXPECT_EQ(user.problems(), expected);
}

TEST_F(ScriptedUserTest, AnswersThatDoNotFitGetTheDefaultAndAreReported) {
    user.onDialog(sample::kTemplate)
        .click(sample::kAskButton)
        .rightClick(sample::kItemList)
        .click(IDCANCEL);
    user.answerMessageBox(IDOK);                     // a Yes/No box has no OK
    user.chooseMenuCommand(sample::kRemoveCommand);  // grayed
    SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // The Yes/No box got its default button, Yes.
    EXPECT_EQ(dialog.log, (Log{L"name left", L"asked: yes"}));
    EXPECT_EQ(dialog.data.lastCommand, 0u);
    const Log expected{L"message box 'Question: Really?' has no button 1",
                       L"popup menu entry 'Re&move' is disabled: dismissed"};
    EXPECT_EQ(user.problems(), expected);
}

TEST_F(ScriptedUserTest, AScriptThatRunsOutClosesItsDialogAndSaysSo) {
    user.onDialog(sample::kTemplate).click(sample::kOptionCheck);
    user.onDialog(9999).click(IDOK);
    SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const Log expected{L"the script of dialog 9200 ended with the dialog open: closed it",
                       L"script never used: dialog 9999"};
    EXPECT_EQ(user.problems(), expected);
}

// A dialog that opens the sample dialog from a button, and refuses to close
// while its check box is ticked.
class OuterDialog : public CDialog {
  public:
    sample::SampleData inner;
    OuterDialog() : CDialog(sample::kTemplate) {
        onClicked(sample::kAskButton, [this] {
            SampleDialog nested(this);
            if (nested.DoModal() == IDOK)
                inner = nested.data;
        });
    }
    void OnCancel() override {
        if (IsDlgButtonChecked(sample::kOptionCheck) != BST_CHECKED)
            CDialog::OnCancel();
    }
};

TEST_F(ScriptedUserTest, NestedDialogsTakeTheirScriptsInOrderAndTheOwnerIsDisabled) {
    user.onDialog<OuterDialog>().click(sample::kAskButton).click(IDOK);
    user.onDialog<SampleDialog>()
        .call([](HWND dialog) { EXPECT_FALSE(IsWindowEnabled(GetWindow(dialog, GW_OWNER))); })
        .type(sample::kNameEdit, L"inner")
        .click(IDOK);
    OuterDialog outer;
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(outer.inner.name, Tvx_String(L"inner"));
    EXPECT_EQ(user.problems(), Log{});
}

TEST_F(ScriptedUserTest, ADialogThatRefusesToCloseIsEndedAndReported) {
    user.onDialog<OuterDialog>().click(sample::kOptionCheck).pressKey(VK_ESCAPE);
    OuterDialog outer;
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    const Log expected{L"the script of dialog 9200 ended with the dialog open: closed it",
                       L"dialog 9200 did not close when asked to: ended it with Cancel"};
    EXPECT_EQ(user.problems(), expected);
}

TEST_F(ScriptedUserTest, AModelessDialogIsDrivenAtOnce) {
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(sample::kTemplate));
    dialog.ShowWindow(SW_SHOW);
    EXPECT_FALSE(user.perform(
        dialog,
        ui::DialogScript().type(sample::kNameEdit, L"7").toggleItemCheck(sample::kItemList, 0)));
    EXPECT_EQ(dialog.GetDlgItemInt(sample::kNameEdit), 7u);
    // The list box is not owner-drawn, so it has no check boxes.
    EXPECT_EQ(user.problems(),
              Log{L"toggle the check of item 0 of 1009: the check box of item 0 of control 1009 "
                  L"cannot be chosen"});
    dialog.DestroyWindow();
}

}  // namespace
