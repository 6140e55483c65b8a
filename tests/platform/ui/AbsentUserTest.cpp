// Prompts with nobody at the keyboard, and the message-box listeners.
#include <gtest/gtest.h>

#include "SampleDialog.h"
#include "UiTestPrinting.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/MessageBox.h"

namespace {

using Texts = std::vector<Tvx_String>;

TEST(AbsentUser, CancelsDialogsAndGivesMessageBoxesTheirDefault) {
    sample::registerTemplate();
    ui::clearUnansweredPrompts();
    sample::SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(AfxMessageBox(L"Continue?", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(ui::unansweredPrompts(),
              (Texts{L"dialog 9200 closed", L"message box 'vtss: Continue?' answered 2"}));
    ui::clearUnansweredPrompts();
}

TEST(MessageBoxListeners, HearEveryBoxWithItsAnswerUntilRemoved) {
    Texts heard;
    const int token = ui::addMessageBoxListener([&](const ui::MessageBoxPrompt& box, int answer) {
        heard.push_back(box.caption + L": " + box.text + L" -> " + Tvx_String(answer));
    });
    MessageBox(nullptr, L"There were duplicate variable names.", L"Variable names must be unique",
               MB_OK | MB_ICONEXCLAMATION);
    ui::setApplicationTitle(L"Steel");
    AfxMessageBox(L"Done", MB_YESNO);
    ui::setApplicationTitle(L"vtss");
    EXPECT_TRUE(ui::removeMessageBoxListener(token));
    EXPECT_FALSE(ui::removeMessageBoxListener(token));
    AfxMessageBox(L"not heard");
    EXPECT_EQ(heard, (Texts{L"Variable names must be unique: There were duplicate variable names. "
                            L"-> 1",
                            L"Steel: Done -> 6"}));
    ui::clearUnansweredPrompts();
}

TEST(MessageBoxButtons, EachTypeOffersItsButtonsAndDefault) {
    struct Case {
        UINT type;
        std::vector<int> buttons;
        int defaultAnswer;
    };
    const Case cases[] = {
        {MB_OK, {IDOK}, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON3, {IDYES, IDNO}, IDYES},  // no third button: the first
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, {IDABORT, IDRETRY, IDIGNORE}, IDRETRY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(ui::messageBoxButtons(c.type), c.buttons);
        EXPECT_EQ(ui::messageBoxDefault(c.type), c.defaultAnswer);
    }
}

}  // namespace
