// The dialog keys as a user presses them: Escape, Enter, Tab and the arrows,
// in the controls that keep some keys for themselves and those that do not.
#include <gtest/gtest.h>

#include <functional>

#include "UiTestPrinting.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"

namespace {

constexpr int kTemplate = 9230;
constexpr int kNameEdit = 100;
constexpr int kNotesEdit = 101;  // multi-line, keeps Enter
constexpr int kFirstRadio = 102;
constexpr int kSecondRadio = 103;
constexpr int kThirdRadio = 104;
constexpr int kOptionCheck = 105;
// A case's result when the keys themselves end the dialog with OK.
constexpr int kDefaultButton = -1;

void registerKeysTemplate() {
    ui::DialogTemplate t(kTemplate, 0, 0, 200, 150, L"Keys");
    t.editText(kNameEdit, 7, 7, 100, 12)
        .editText(kNotesEdit, 7, 22, 100, 30, ES_MULTILINE | ES_WANTRETURN)
        .autoRadioButton(kFirstRadio, L"One", 7, 56, 60, 10, WS_GROUP | WS_TABSTOP)
        .autoRadioButton(kSecondRadio, L"Two", 7, 68, 60, 10)
        .autoRadioButton(kThirdRadio, L"Three", 7, 80, 60, 10)
        .autoCheckBox(kOptionCheck, L"Option", 7, 94, 60, 10, WS_GROUP | WS_TABSTOP)
        .defPushButton(IDOK, L"OK", 90, 128, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 143, 128, 50, 14);
    ui::registerDialogTemplate(t);
}

HWND item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

TEST(DialogKeys, EachKeyGoesToTheControlOrTheDialogAsThePlatformDecides) {
    registerKeysTemplate();
    struct Case {
        const char* what;
        std::function<void(ui::DialogScript&)> act;
        int result;  // IDOK: the keys leave the dialog open and the user clicks OK
        std::function<void(HWND dialog)> check;  // while the dialog is still open
    };
    const auto focusIs = [](int id) {
        return [id](HWND dialog) { EXPECT_EQ(GetFocus(), item(dialog, id)) << id; };
    };
    const Case cases[] = {
        {"Escape in an edit cancels",
         [](ui::DialogScript& s) { s.type(kNameEdit, L"x").pressKey(VK_ESCAPE); }, IDCANCEL,
         nullptr},
        {"Escape does nothing while Cancel is disabled",
         [](ui::DialogScript& s) {
             s.call([](HWND d) { EnableWindow(item(d, IDCANCEL), FALSE); }).pressKey(VK_ESCAPE);
         },
         IDOK, [](HWND dialog) { EXPECT_TRUE(IsWindow(dialog)); }},
        {"Enter in a multi-line edit that keeps it starts a new line",
         [](ui::DialogScript& s) { s.type(kNotesEdit, L"a").pressKey(VK_RETURN); }, IDOK,
         [](HWND dialog) {
             EXPECT_EQ(GetDlgItemString(dialog, kNotesEdit), Tvx_String(L"a\r\n"));
         }},
        {"Enter in a single-line edit presses the default button",
         [](ui::DialogScript& s) { s.focus(kNameEdit).pressKey(VK_RETURN); }, kDefaultButton,
         nullptr},
        {"arrows in an edit stay in the edit",
         [](ui::DialogScript& s) { s.focus(kNameEdit).pressKey(VK_DOWN); }, IDOK,
         focusIs(kNameEdit)},
        {"Down from the last radio button wraps to the first of its group and checks it",
         [](ui::DialogScript& s) { s.click(kThirdRadio).pressKey(VK_DOWN); }, IDOK,
         [](HWND dialog) {
             EXPECT_EQ(GetFocus(), item(dialog, kFirstRadio));
             EXPECT_EQ(IsDlgButtonChecked(dialog, kFirstRadio), 1u);
             EXPECT_EQ(IsDlgButtonChecked(dialog, kThirdRadio), 0u);
         }},
        {"Up from the first radio button wraps to the last",
         [](ui::DialogScript& s) { s.click(kFirstRadio).pressKey(VK_UP); }, IDOK,
         focusIs(kThirdRadio)},
        {"Tab leaves the radio group for the next group",
         [](ui::DialogScript& s) { s.click(kSecondRadio).pressKey(VK_TAB); }, IDOK,
         focusIs(kOptionCheck)},
        {"Tab skips a disabled edit",
         [](ui::DialogScript& s) {
             s.call([](HWND d) { EnableWindow(item(d, kNotesEdit), FALSE); })
                 .focus(kNameEdit)
                 .pressKey(VK_TAB);
         },
         IDOK, focusIs(kFirstRadio)},
        {"Shift+Tab from the first control wraps to the last",
         [](ui::DialogScript& s) { s.focus(kNameEdit).pressKey(VK_TAB, MK_SHIFT); }, IDOK,
         focusIs(IDCANCEL)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::ScriptedUser user;
        ui::DialogScript& script = user.onDialog(kTemplate);
        c.act(script);
        if (c.check)
            script.call(c.check);
        if (c.result == IDOK)
            script.click(IDOK);
        CDialog dialog(kTemplate);
        EXPECT_EQ(dialog.DoModal(), c.result == kDefaultButton ? IDOK : c.result);
        EXPECT_TRUE(user.problems().empty());
    }
}

}  // namespace
