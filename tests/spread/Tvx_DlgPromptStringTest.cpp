// The prompt-for-a-text dialog driven by the scripted user.
#include "spread/Tvx_DlgPromptString.h"

#include <gtest/gtest.h>

#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"

namespace {

using Problems = std::vector<Tvx_String>;

Tvx_String itemText(HWND dialog, int id) {
    return GetDlgItemString(dialog, id);
}

TEST(Tvx_DlgPromptString, ShowsItsTextsAndReturnsTheEnteredValue) {
    ui::ScriptedUser user;
    Tvx_String caption, prompt, proposed, okText, cancelText;
    user.onDialog(Tvx_DlgPromptString::kTemplateId)
        .call([&](HWND dialog) {
            caption = GetWindowString(dialog);
            prompt = itemText(dialog, Tvx_DlgPromptString::kPromptText);
            proposed = itemText(dialog, Tvx_DlgPromptString::kValueEdit);
            okText = itemText(dialog, IDOK);
            cancelText = itemText(dialog, IDCANCEL);
        })
        .type(Tvx_DlgPromptString::kValueEdit, L"Bolt row")
        .click(IDOK);

    Tvx_DlgPromptString dialog;
    dialog.setCaption(L"Column header");
    dialog.setPrompt(L"Header text:");
    dialog.setValue(L"Column 3");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_EQ(dialog.value().str(), L"Bolt row");
    EXPECT_EQ(caption.str(), L"Column header");
    EXPECT_EQ(prompt.str(), L"Header text:");
    EXPECT_EQ(proposed.str(), L"Column 3");
    EXPECT_EQ(okText.str(), L"Ok");
    EXPECT_EQ(cancelText.str(), L"Cancel");
}

TEST(Tvx_DlgPromptString, EmptyAnswerIsRefusedAndTheDialogStaysOpen) {
    ui::ScriptedUser user;
    bool openAfterEmptyOk = false;
    user.onDialog(Tvx_DlgPromptString::kTemplateId)
        .type(Tvx_DlgPromptString::kValueEdit, L"")
        .click(IDOK)
        .call([&](HWND dialog) { openAfterEmptyOk = IsWindowVisible(dialog) != FALSE; })
        .type(Tvx_DlgPromptString::kValueEdit, L"x")
        .click(IDOK);

    Tvx_DlgPromptString dialog;
    dialog.setValue(L"proposal");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_TRUE(openAfterEmptyOk);
    EXPECT_EQ(dialog.value().str(), L"x");
}

TEST(Tvx_DlgPromptString, EmptyAnswerAcceptedWhenAllowed) {
    ui::ScriptedUser user;
    user.onDialog(Tvx_DlgPromptString::kTemplateId)
        .type(Tvx_DlgPromptString::kValueEdit, L"")
        .click(IDOK);
    Tvx_DlgPromptString dialog;
    dialog.setValue(L"proposal");
    dialog.setRefuseEmpty(false);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.value().isEmpty());
}

TEST(Tvx_DlgPromptString, CancelKeepsTheProposalAndCustomButtonTextsShow) {
    ui::ScriptedUser user;
    Tvx_String okText, cancelText;
    user.onDialog(Tvx_DlgPromptString::kTemplateId)
        .call([&](HWND dialog) {
            okText = itemText(dialog, IDOK);
            cancelText = itemText(dialog, IDCANCEL);
        })
        .type(Tvx_DlgPromptString::kValueEdit, L"typed")
        .click(IDCANCEL);
    Tvx_DlgPromptString dialog;
    dialog.setValue(L"proposal");
    dialog.setButtonTexts(L"Rename", L"Keep");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.value().str(), L"proposal");
    EXPECT_EQ(okText.str(), L"Rename");
    EXPECT_EQ(cancelText.str(), L"Keep");
}

}  // namespace
