// Dialog items by id: numbers, radio groups, tab and group order.
#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/ui/WinApi.h"

namespace {

using uitest::ControlHost;

TEST(DialogItems, WholeNumbersAreReadStrictly) {
    struct Case {
        const wchar_t* text;
        BOOL isSigned;
        BOOL translated;
        UINT value;
    };
    const Case cases[] = {
        {L"42", TRUE, TRUE, 42},
        {L"  -17 ", TRUE, TRUE, static_cast<UINT>(-17)},
        {L"+5", FALSE, TRUE, 5},
        {L"-5", FALSE, FALSE, 0},
        {L"4.5", TRUE, FALSE, 0},
        {L"12abc", TRUE, FALSE, 0},
        {L"", TRUE, FALSE, 0},
        {L"2147483648", TRUE, FALSE, 0},
        {L"4294967295", FALSE, TRUE, 4294967295u},
        {L"4294967296", FALSE, FALSE, 0},
    };
    ControlHost host;
    host.add(L"EDIT", 0, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(Tvx_String(c.text).toUtf8());
        host.SetDlgItemText(1, c.text);
        BOOL translated = !c.translated;
        EXPECT_EQ(host.GetDlgItemInt(1, &translated, c.isSigned), c.value);
        EXPECT_EQ(translated, c.translated);
    }
    BOOL translated = TRUE;
    EXPECT_EQ(host.GetDlgItemInt(99, &translated), 0u);
    EXPECT_FALSE(translated);
    host.SetDlgItemInt(1, static_cast<UINT>(-3), TRUE);
    Tvx_String text;
    host.GetDlgItemText(1, text);
    EXPECT_EQ(text, Tvx_String(L"-3"));
}

TEST(DialogItems, CheckRadioButtonNeedsExistingBounds) {
    ControlHost host;
    for (int id = 10; id <= 12; ++id)
        host.add(L"BUTTON", BS_AUTORADIOBUTTON, id);
    host.CheckRadioButton(10, 12, 11);
    EXPECT_EQ(host.GetCheckedRadioButton(10, 12), 11);
    EXPECT_FALSE(CheckRadioButton(host, 10, 13, 12));
    EXPECT_EQ(host.GetCheckedRadioButton(10, 12), 11);
    EXPECT_FALSE(CheckRadioButton(host, 10, 12, 14));
    EXPECT_EQ(host.GetCheckedRadioButton(20, 22), 0);
}

TEST(DialogItems, TabOrderSkipsHiddenDisabledAndNonStopControlsAndWraps) {
    ControlHost host;
    const HWND a = host.add(L"EDIT", WS_TABSTOP, 1);
    const HWND hidden = host.add(L"EDIT", WS_TABSTOP, 2);
    ShowWindow(hidden, SW_HIDE);
    host.add(L"EDIT", WS_TABSTOP | WS_DISABLED, 3);
    const HWND label = host.add(L"STATIC", 0, 4);
    const HWND d = host.add(L"BUTTON", WS_TABSTOP, 5);
    EXPECT_EQ(GetNextDlgTabItem(host, a, FALSE), d);
    EXPECT_EQ(GetNextDlgTabItem(host, d, FALSE), a);
    EXPECT_EQ(GetNextDlgTabItem(host, a, TRUE), d);
    EXPECT_EQ(GetNextDlgTabItem(host, label, FALSE), d);  // from a control that is no stop
    EXPECT_EQ(GetNextDlgTabItem(host, nullptr, FALSE), a);
    EXPECT_EQ(GetNextDlgTabItem(host, nullptr, TRUE), d);
}

TEST(DialogItems, GroupOrderStaysInsideTheGroup) {
    ControlHost host;
    const HWND a = host.add(L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 1);
    const HWND b = host.add(L"BUTTON", BS_AUTORADIOBUTTON, 2);
    const HWND c = host.add(L"BUTTON", BS_AUTORADIOBUTTON, 3);
    const HWND next = host.add(L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 4);
    EXPECT_EQ(GetNextDlgGroupItem(host, a, FALSE), b);
    EXPECT_EQ(GetNextDlgGroupItem(host, c, FALSE), a);
    EXPECT_EQ(GetNextDlgGroupItem(host, a, TRUE), c);
    EXPECT_EQ(GetNextDlgGroupItem(host, next, FALSE), next);
    EnableWindow(b, FALSE);
    EXPECT_EQ(GetNextDlgGroupItem(host, a, FALSE), c);
    EXPECT_EQ(GetNextDlgGroupItem(host, nullptr, FALSE), nullptr);
}

}  // namespace
