// Every operation on a destroyed or unknown window returns its failure value.
#include <gtest/gtest.h>

#include "platform/ui/CDialog.h"
#include "platform/ui/Timers.h"
#include "platform/ui/WindowTree.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CListBox.h"

namespace {

constexpr int kButton = 1001;

// A parent window with one check box that is destroyed again at once.
struct DestroyedControls {
    CWnd parent;
    HWND button = nullptr;
    HWND edit = nullptr;
    HWND combo = nullptr;
    HWND list = nullptr;

    DestroyedControls() {
        parent.CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 200),
                        nullptr, 0);
        button = CreateWindowEx(0, L"BUTTON", L"check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0,
                                0, 50, 20, parent, reinterpret_cast<HMENU>(kButton));
        edit = CreateWindowEx(0, L"EDIT", L"text", WS_CHILD | WS_VISIBLE, 0, 30, 50, 20, parent,
                              reinterpret_cast<HMENU>(1002));
        combo = CreateWindowEx(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 60, 50, 80,
                               parent, reinterpret_cast<HMENU>(1003));
        list = CreateWindowEx(0, L"LISTBOX", L"", WS_CHILD, 0, 90, 50, 80, parent,
                              reinterpret_cast<HMENU>(1004));
        parent.DestroyWindow();
    }
};

TEST(DestroyedWindow, HandleFunctionsReturnTheirFailureValues) {
    DestroyedControls d;
    const HWND unknown = reinterpret_cast<HWND>(0x7FFFFFF);
    for (HWND h : {d.button, unknown, HWND{}}) {
        SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(h));
        EXPECT_FALSE(IsWindow(h));
        EXPECT_FALSE(DestroyWindow(h));
        EXPECT_EQ(GetParent(h), nullptr);
        EXPECT_EQ(GetDlgCtrlID(h), 0);
        EXPECT_FALSE(SetWindowText(h, L"x"));
        EXPECT_EQ(GetWindowTextLength(h), 0);
        EXPECT_EQ(GetWindowString(h), Tvx_String());
        EXPECT_FALSE(EnableWindow(h, FALSE));
        EXPECT_FALSE(IsWindowEnabled(h));
        EXPECT_FALSE(ShowWindow(h, SW_SHOW));
        EXPECT_FALSE(IsWindowVisible(h));
        EXPECT_FALSE(MoveWindow(h, 1, 2, 3, 4));
        RECT rect{};
        EXPECT_FALSE(GetWindowRect(h, &rect));
        EXPECT_EQ(SendMessage(h, BM_GETCHECK), 0);
        EXPECT_FALSE(PostMessage(h, WM_CLOSE));
        EXPECT_EQ(SetTimer(h, 1, 100, nullptr), 0u);
        EXPECT_EQ(GetDlgItem(h, kButton), nullptr);
        EXPECT_EQ(GetNextDlgTabItem(h, nullptr, FALSE), nullptr);
    }
    EXPECT_EQ(SetFocus(d.edit), nullptr);
    EXPECT_NE(GetFocus(), d.edit);
}

TEST(DestroyedWindow, ControlObjectsReturnTheirFailureValues) {
    DestroyedControls d;
    CButton button;
    CEdit edit;
    CComboBox combo;
    CListBox list;
    // Objects that never had a window behave like those whose window is gone.
    EXPECT_EQ(button.GetCheck(), 0);
    EXPECT_EQ(combo.AddString(L"a"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(-1, L"a"), CB_ERR);
    EXPECT_EQ(list.AddString(L"a"), LB_ERR);
    EXPECT_EQ(list.GetCount(), LB_ERR);
    Tvx_String text(L"stale");
    EXPECT_EQ(list.GetText(0, text), LB_ERR);
    EXPECT_EQ(text, Tvx_String());
    int start = 5, end = 7;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    EXPECT_EQ(edit.GetWindowString(), Tvx_String());
    EXPECT_EQ(edit.SetFocus(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(d.combo), nullptr);
}

TEST(DestroyedWindow, KillingATimerNotInTheMapDoesNothing) {
    const int before = ui::timerCount();
    EXPECT_FALSE(KillTimer(nullptr, 0x12345));
    EXPECT_FALSE(KillTimer(reinterpret_cast<HWND>(0x7FFFFFF), 1));
    EXPECT_EQ(ui::timerCount(), before);
}

TEST(DestroyedWindow, DialogFromAnUnregisteredTemplateFailsCleanly) {
    const size_t windowsBefore = ui::WindowTree::instance().allWindows().size();
    CDialog modeless;
    EXPECT_FALSE(modeless.Create(987654));
    EXPECT_EQ(modeless.m_hWnd, nullptr);
    CDialog modal(987654);
    EXPECT_EQ(modal.DoModal(), -1);
    EXPECT_EQ(ui::WindowTree::instance().allWindows().size(), windowsBefore);
}

}  // namespace
