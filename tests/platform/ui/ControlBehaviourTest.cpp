// What each control does when the user works it, and what it reports.
#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/UserInputMessages.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CCheckListBox.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CListCtrl.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/controls/CToolBarCtrl.h"

namespace {

using uitest::ControlHost;
using Events = std::vector<Tvx_String>;

Tvx_String ev(int id, UINT code) {
    return Tvx_String(id) + L":" + Tvx_String(static_cast<int>(code));
}

template <typename Control>
Control& as(HWND h) {
    return *static_cast<Control*>(CWnd::FromHandle(h));
}

TEST(ButtonBehaviour, EachKindChangesItsStateOnClicks) {
    struct Case {
        const char* kind;
        DWORD style;
        std::vector<int> statesAfterClicks;
    };
    const Case cases[] = {
        {"auto check box", BS_AUTOCHECKBOX, {1, 0, 1}},
        {"auto three-state", BS_AUTO3STATE, {1, 2, 0}},
        {"plain check box (the program sets it)", BS_CHECKBOX, {0, 0, 0}},
        {"push-like check box", BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON, {1, 0, 1}},
        {"push button", BS_PUSHBUTTON, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        ControlHost host;
        const HWND button = host.add(L"BUTTON", c.style, 10);
        for (int expected : c.statesAfterClicks) {
            ASSERT_TRUE(ui::input::click(button));
            EXPECT_EQ(as<CButton>(button).GetCheck(), expected);
        }
        EXPECT_EQ(host.take(), Events(3, ev(10, BN_CLICKED)));
        EXPECT_EQ(GetFocus(), button);
    }
}

TEST(ButtonBehaviour, GroupBoxesLetClicksThrough) {
    ControlHost host;
    const HWND group = host.add(L"BUTTON", BS_GROUPBOX, 11, L"Frame");
    ASSERT_TRUE(ui::input::click(group));
    EXPECT_EQ(host.take(), Events{});
}

TEST(ButtonBehaviour, ARadioButtonUnchecksTheOthersOfItsGroupOnly) {
    ControlHost host;
    const HWND a = host.add(L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 20);
    const HWND b = host.add(L"BUTTON", BS_AUTORADIOBUTTON, 21);
    const HWND c = host.add(L"BUTTON", BS_AUTORADIOBUTTON | WS_DISABLED, 22);
    const HWND other = host.add(L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 23);
    SendMessage(c, BM_SETCHECK, BST_CHECKED);
    SendMessage(other, BM_SETCHECK, BST_CHECKED);
    ASSERT_TRUE(ui::input::click(a));
    ASSERT_TRUE(ui::input::click(b));
    EXPECT_EQ(SendMessage(a, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(SendMessage(b, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(SendMessage(c, BM_GETCHECK), BST_UNCHECKED);  // disabled, yet in the group
    EXPECT_EQ(SendMessage(other, BM_GETCHECK), BST_CHECKED);
    EXPECT_FALSE(ui::input::click(c));
    EXPECT_EQ(host.take(), (Events{ev(20, BN_CLICKED), ev(21, BN_CLICKED)}));
}

TEST(ButtonBehaviour, ChangingTheButtonTypeKeepsTheOtherStyleBits) {
    ControlHost host;
    const HWND button = host.add(L"BUTTON", BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON, 12);
    as<CButton>(button).SetButtonStyle(BS_AUTO3STATE);
    EXPECT_EQ(GetWindowLong(button, GWL_STYLE) & (BS_TYPEMASK | BS_PUSHLIKE | BS_ICON),
              static_cast<std::intptr_t>(BS_AUTO3STATE | BS_PUSHLIKE | BS_ICON));
    as<CButton>(button).SetCheck(BST_INDETERMINATE);
    EXPECT_EQ(as<CButton>(button).GetCheck(), static_cast<int>(BST_INDETERMINATE));
    as<CButton>(button).SetButtonStyle(BS_AUTOCHECKBOX);
    as<CButton>(button).SetCheck(BST_INDETERMINATE);  // a two-state box takes it as checked
    EXPECT_EQ(as<CButton>(button).GetCheck(), static_cast<int>(BST_CHECKED));
}

TEST(EditBehaviour, TypingIsFilteredAndLimited) {
    struct Case {
        const char* what;
        DWORD style;
        UINT limit;
        const wchar_t* typed;
        const wchar_t* result;
        int maxTextReports;
    };
    const Case cases[] = {
        {"plain", 0, 0, L"Ab 1", L"Ab 1", 0},
        {"numbers only", ES_NUMBER, 0, L"a1b2", L"12", 0},
        {"upper case", ES_UPPERCASE, 0, L"abc\u00e9", L"ABC\u00c9", 0},
        {"limited", 0, 3, L"12345", L"123", 2},
        {"read-only", ES_READONLY, 0, L"xyz", L"old", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ControlHost host;
        const HWND edit = host.add(L"EDIT", c.style, 30, L"old");
        as<CEdit>(edit).SetLimitText(c.limit);
        host.take();
        ASSERT_TRUE(ui::input::type(edit, c.typed));
        EXPECT_EQ(GetWindowString(edit), Tvx_String(c.result));
        const Events events = host.take();
        EXPECT_EQ(std::count(events.begin(), events.end(), ev(30, EN_MAXTEXT)), c.maxTextReports);
        EXPECT_EQ(as<CEdit>(edit).GetModify(), !(c.style & ES_READONLY) ? TRUE : FALSE);
    }
}

TEST(EditBehaviour, EachTypedCharacterReportsUpdateThenChange) {
    ControlHost host;
    const HWND edit = host.add(L"EDIT", 0, 31, L"");
    host.take();
    ASSERT_TRUE(ui::input::type(edit, L"ab"));
    EXPECT_EQ(host.take(), (Events{ev(31, EN_SETFOCUS), ev(31, EN_UPDATE), ev(31, EN_CHANGE),
                                   ev(31, EN_UPDATE), ev(31, EN_CHANGE)}));
    ASSERT_TRUE(ui::input::type(edit, L""));  // select all and delete
    EXPECT_EQ(GetWindowString(edit), Tvx_String());
    EXPECT_EQ(host.take(), (Events{ev(31, EN_UPDATE), ev(31, EN_CHANGE)}));
}

TEST(EditBehaviour, FocusMovesWithKillBeforeSet) {
    ControlHost host;
    const HWND first = host.add(L"EDIT", 0, 32);
    const HWND second = host.add(L"EDIT", 0, 33);
    SetFocus(first);
    host.take();
    SetFocus(second);
    EXPECT_EQ(host.take(), (Events{ev(32, EN_KILLFOCUS), ev(33, EN_SETFOCUS)}));
}

TEST(EditBehaviour, LinesSelectionAndReplacing) {
    ControlHost host;
    const HWND edit = host.add(L"EDIT", ES_MULTILINE | ES_WANTRETURN, 34, L"ab\r\ncd");
    CEdit& e = as<CEdit>(edit);
    EXPECT_EQ(e.GetLineCount(), 2);
    EXPECT_EQ(e.LineIndex(1), 4);
    EXPECT_EQ(e.LineIndex(2), -1);
    EXPECT_EQ(e.LineLength(5), 2);
    EXPECT_EQ(e.GetLineText(1), Tvx_String(L"cd"));
    e.SetSel(1, 5);
    int start = 0, end = 0;
    e.GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 5);
    e.ReplaceSel(L"X");
    EXPECT_EQ(e.GetWindowString(), Tvx_String(L"aXd"));
    e.SetSel(0, -1);
    e.GetSel(start, end);
    EXPECT_EQ(end, 3);
    // Enter in a multi-line edit with ES_WANTRETURN breaks the line.
    e.SetSel(3, 3);
    ui::input::pressKey(edit, VK_RETURN);
    EXPECT_EQ(e.GetWindowString(), Tvx_String(L"aXd\r\n"));
    ui::input::pressKey(edit, VK_BACK);
    EXPECT_EQ(e.GetWindowString(), Tvx_String(L"aXd"));
}

TEST(ComboBehaviour, PickingAnItemReportsInThePlatformsOrder) {
    ControlHost host;
    const HWND combo = host.add(L"COMBOBOX", CBS_DROPDOWNLIST, 40);
    CComboBox& c = as<CComboBox>(combo);
    for (const wchar_t* s : {L"Plate", L"Bolt", L"Weld"})
        c.AddString(s);
    ASSERT_TRUE(ui::input::pickItem(combo, 1));
    EXPECT_EQ(host.take(), (Events{ev(40, CBN_SETFOCUS), ev(40, CBN_DROPDOWN), ev(40, CBN_SELENDOK),
                                   ev(40, CBN_CLOSEUP), ev(40, CBN_SELCHANGE)}));
    EXPECT_EQ(c.GetCurSel(), 1);
    EXPECT_EQ(c.GetWindowString(), Tvx_String(L"Bolt"));
    // Typing a letter selects the next item beginning with it.
    ui::input::type(combo, L"w");
    EXPECT_EQ(c.GetCurSel(), 2);
    EXPECT_FALSE(ui::input::pickItem(combo, 3));
}

TEST(ComboBehaviour, TextOfADropDownListMustBeAnItem) {
    ControlHost host;
    const HWND combo = host.add(L"COMBOBOX", CBS_DROPDOWNLIST, 41);
    CComboBox& c = as<CComboBox>(combo);
    c.AddString(L"Plate");
    c.AddString(L"Bolt");
    EXPECT_TRUE(SetWindowText(combo, L"bolt"));
    EXPECT_EQ(c.GetCurSel(), 1);
    EXPECT_EQ(SendMessage(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Nut")), CB_ERR);
    EXPECT_EQ(c.GetCurSel(), 1);
    EXPECT_EQ(host.take(), Events{});  // set from code: no notifications
}

TEST(ComboBehaviour, TypingIntoADropDownsEditReportsEditChanges) {
    ControlHost host;
    const HWND combo = host.add(L"COMBOBOX", CBS_DROPDOWN, 42, L"old");
    host.take();
    ASSERT_TRUE(ui::input::type(combo, L"7"));
    EXPECT_EQ(GetWindowString(combo), Tvx_String(L"7"));
    EXPECT_EQ(host.take(),
              (Events{ev(42, CBN_SETFOCUS), ev(42, CBN_EDITUPDATE), ev(42, CBN_EDITCHANGE)}));
}

TEST(ComboBehaviour, DeletingAndInsertingKeepTheSelectionOnItsItem) {
    ControlHost host;
    CComboBox& c = as<CComboBox>(host.add(L"COMBOBOX", CBS_DROPDOWNLIST, 43));
    for (const wchar_t* s : {L"a", L"b", L"c"})
        c.AddString(s);
    c.SetCurSel(2);
    EXPECT_EQ(c.InsertString(0, L"z"), 0);
    EXPECT_EQ(c.GetCurSel(), 3);
    EXPECT_EQ(c.DeleteString(1), 3);
    EXPECT_EQ(c.GetCurSel(), 2);
    EXPECT_EQ(c.DeleteString(2), 2);
    EXPECT_EQ(c.GetCurSel(), CB_ERR);
    EXPECT_EQ(c.DeleteString(7), CB_ERR);
    EXPECT_EQ(c.InsertString(9, L"x"), CB_ERR);
    EXPECT_EQ(c.SetCurSel(5), CB_ERR);
}

TEST(ListBoxBehaviour, SortedMultipleSelectionAndNotifyStyle) {
    ControlHost host;
    const HWND sorted = host.add(L"LISTBOX", LBS_SORT | LBS_NOTIFY, 50);
    CListBox& s = as<CListBox>(sorted);
    s.AddString(L"pear");
    s.AddString(L"Apple");
    EXPECT_EQ(s.AddString(L"banana"), 1);
    ASSERT_TRUE(ui::input::pickItem(sorted, 2));
    ASSERT_TRUE(ui::input::pickItem(sorted, 2));  // unchanged: no second report
    EXPECT_EQ(host.take(), (Events{ev(50, LBN_SETFOCUS), ev(50, LBN_SELCHANGE)}));

    const HWND multiple = host.add(L"LISTBOX", LBS_MULTIPLESEL, 51);
    CListBox& m = as<CListBox>(multiple);
    for (const wchar_t* t : {L"a", L"b", L"c"})
        m.AddString(t);
    EXPECT_EQ(m.SetCurSel(0), LB_ERR);
    ui::input::pickItem(multiple, 0);
    ui::input::pickItem(multiple, 2);
    ui::input::pickItem(multiple, 0);
    int selected[3] = {};
    EXPECT_EQ(m.GetSelItems(3, selected), 1);
    EXPECT_EQ(selected[0], 2);
    // Without LBS_NOTIFY the parent hears of focus changes only.
    EXPECT_EQ(host.take(), (Events{ev(50, LBN_KILLFOCUS), ev(51, LBN_SETFOCUS)}));
}

TEST(ListBoxBehaviour, CheckListItemsToggleUnlessDisabled) {
    ControlHost host;
    const HWND list = host.add(L"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 52);
    CCheckListBox checks;
    ASSERT_TRUE(checks.SubclassWindow(list));
    checks.AddString(L"one");
    checks.AddString(L"two");
    checks.Enable(1, FALSE);
    host.take();
    ASSERT_TRUE(ui::input::toggleItemCheck(list, 0));
    EXPECT_EQ(checks.GetCheck(0), 1);
    EXPECT_FALSE(ui::input::toggleItemCheck(list, 1));
    EXPECT_EQ(checks.GetCheck(1), 0);
    checks.SetCheckStyle(kCheckStyleThreeState);
    ui::input::toggleItemCheck(list, 0);
    EXPECT_EQ(checks.GetCheck(0), 2);
    EXPECT_EQ(host.take(),
              (Events{ev(52, LBN_SETFOCUS), ev(52, CLBN_CHKCHANGE), ev(52, CLBN_CHKCHANGE)}));
}

TEST(TabBehaviour, TheParentMayRefuseATabChange) {
    ControlHost host;
    const HWND tabs = host.add(L"SysTabControl32", 0, 60);
    CTabCtrl& t = as<CTabCtrl>(tabs);
    t.InsertItem(0, L"General");
    t.InsertItem(1, L"Profile");
    EXPECT_EQ(t.GetCurSel(), 0);
    host.refuseChanges = TRUE;
    ASSERT_TRUE(ui::input::pickItem(tabs, 1));
    EXPECT_EQ(t.GetCurSel(), 0);
    host.refuseChanges = FALSE;
    ASSERT_TRUE(ui::input::pickItem(tabs, 1));
    EXPECT_EQ(t.GetCurSel(), 1);
    EXPECT_EQ(host.take(),
              (Events{ev(60, TCN_SELCHANGING), ev(60, TCN_SELCHANGING), ev(60, TCN_SELCHANGE)}));
    CRect second;
    ASSERT_TRUE(t.GetItemRect(1, &second));
    EXPECT_EQ(second, CRect(2 + 54, 2, 2 + 54 + 54, CTabCtrl::kTabStripHeight));
    CRect area(0, 0, 200, 100);
    t.AdjustRect(FALSE, &area);
    EXPECT_EQ(area, CRect(4, 22, 196, 96));
    t.AdjustRect(TRUE, &area);
    EXPECT_EQ(area, CRect(0, 0, 200, 100));
}

TEST(ListViewBehaviour, ClickingSelectsOneItemWithItsNotifications) {
    ControlHost host;
    const HWND view = host.add(L"SysListView32", LVS_REPORT, 70);
    CListCtrl& v = as<CListCtrl>(view);
    v.InsertColumn(0, L"Name");
    v.InsertColumn(1, L"Size");
    v.InsertItem(0, L"HEA");
    v.InsertItem(1, L"IPE");
    v.SetItemText(1, 1, L"200");
    v.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    host.take();
    ASSERT_TRUE(ui::input::pickItem(view, 1));
    EXPECT_EQ(host.take(),
              (Events{ev(70, LVN_ITEMCHANGING), ev(70, LVN_ITEMCHANGED), ev(70, LVN_ITEMCHANGING),
                      ev(70, LVN_ITEMCHANGED), ev(70, NM_CLICK)}));
    EXPECT_EQ(v.GetSelectedCount(), 1u);
    POSITION pos = v.GetFirstSelectedItemPosition();
    EXPECT_EQ(v.GetNextSelectedItem(pos), 1);
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(v.GetItemText(1, 1), Tvx_String(L"200"));
    EXPECT_EQ(v.GetItemText(1, 5), Tvx_String());
    EXPECT_FALSE(v.SetItemText(1, 2, L"no such column"));
    EXPECT_FALSE(ui::input::toggleItemCheck(view, 0));  // no check boxes yet
    v.SetExtendedStyle(LVS_EX_CHECKBOXES);
    ASSERT_TRUE(ui::input::toggleItemCheck(view, 0));
    EXPECT_TRUE(v.GetCheck(0));
    host.refuseChanges = TRUE;
    EXPECT_FALSE(v.SetCheck(0, FALSE));
    EXPECT_TRUE(v.GetCheck(0));
}

TEST(ToolbarBehaviour, EnabledButtonsSendTheirCommand) {
    ControlHost host;
    CToolBarCtrl& bar = as<CToolBarCtrl>(host.add(L"ToolbarWindow32", 0, 80));
    TBBUTTON buttons[3];
    buttons[0].idCommand = 501;
    buttons[1].fsStyle = TBSTYLE_SEP;
    buttons[2].idCommand = 502;
    buttons[2].fsStyle = TBSTYLE_CHECK;
    ASSERT_TRUE(bar.AddButtons(3, buttons));
    EXPECT_TRUE(bar.clickButton(502));
    EXPECT_TRUE(bar.IsButtonChecked(502));
    bar.EnableButton(501, FALSE);
    EXPECT_FALSE(bar.clickButton(501));
    EXPECT_FALSE(bar.clickButton(999));
    EXPECT_EQ(bar.CommandToIndex(502), 2);
    EXPECT_EQ(host.take(), (Events{ev(502, BN_CLICKED)}));
}

}  // namespace
