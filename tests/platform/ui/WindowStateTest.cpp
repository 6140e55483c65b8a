// Window state: classes, styles, enabling, showing, focus, parents and fonts.
#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/ui/CFont.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/controls/CImageList.h"
#include "platform/ui/controls/CListCtrl.h"
#include "platform/ui/controls/CRichEditCtrl.h"
#include "platform/ui/controls/CTabCtrl.h"

namespace {

using uitest::ControlHost;
using Events = std::vector<Tvx_String>;

TEST(WindowClasses, RegistrationRefusesDuplicatesAndEmptyEntries) {
    auto factory = [] { return std::make_unique<CWnd>(); };
    EXPECT_TRUE(ui::registerWindowClass(L"StateTestClass", factory));
    EXPECT_FALSE(ui::registerWindowClass(L"statetestclass", factory));
    EXPECT_FALSE(ui::registerWindowClass(L"Button", factory));  // a built-in class
    EXPECT_FALSE(ui::registerWindowClass(L"", factory));
    EXPECT_FALSE(ui::registerWindowClass(L"Empty", nullptr));
    auto& classes = ui::WindowClassRegistry::instance();
    EXPECT_EQ(classes.canonicalName(L"STATETESTCLASS"), Tvx_String(L"StateTestClass"));
    EXPECT_EQ(classes.canonicalName(L"richedit20w"), Tvx_String(L"RichEdit20W"));
    EXPECT_EQ(classes.canonicalName(L"nothing"), Tvx_String());
    EXPECT_EQ(CreateWindowEx(0, L"nothing", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr), nullptr);
}

TEST(WindowState, EnableAndShowReportThePreviousStateAndNotify) {
    ControlHost host;
    struct Watcher : CWnd {
        Events seen;
        void OnEnable(BOOL enable) override { seen.push_back(enable ? L"enable" : L"disable"); }
        void OnShowWindow(BOOL show, UINT) override { seen.push_back(show ? L"show" : L"hide"); }
    } watcher;
    ASSERT_TRUE(watcher.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &host, 9));
    EXPECT_FALSE(watcher.EnableWindow(FALSE));  // was enabled
    EXPECT_TRUE(watcher.EnableWindow(FALSE));   // was disabled; no second message
    EXPECT_TRUE(watcher.EnableWindow(TRUE));
    EXPECT_TRUE(watcher.ShowWindow(SW_HIDE));
    EXPECT_FALSE(watcher.ShowWindow(SW_HIDE));
    EXPECT_FALSE(watcher.ShowWindow(SW_SHOW));
    EXPECT_EQ(watcher.seen, (Events{L"disable", L"enable", L"hide", L"show"}));
}

TEST(WindowState, TheFocusRefusesDisabledWindowsAndGoesWithADestroyedOne) {
    ControlHost host;
    const HWND edit = host.add(L"EDIT", 0, 1);
    const HWND disabled = host.add(L"EDIT", WS_DISABLED, 2);
    EXPECT_EQ(SetFocus(disabled), nullptr);
    SetFocus(edit);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(GetActiveWindow(), host.m_hWnd);
    DestroyWindow(edit);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST(WindowState, ParentsCannotFormACycle) {
    ControlHost host;
    const HWND outer = host.add(L"STATIC", 0, 1);
    const HWND inner =
        CreateWindowEx(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, outer, reinterpret_cast<HMENU>(2));
    EXPECT_EQ(SetParent(outer, inner), nullptr);
    EXPECT_EQ(GetParent(outer), host.m_hWnd);
    EXPECT_TRUE(IsChild(host, inner));
    EXPECT_EQ(GetTopLevelWindow(inner), host.m_hWnd);
    EXPECT_EQ(SetParent(inner, host), outer);
    EXPECT_EQ(GetDlgItem(host, 2), inner);
    EXPECT_EQ(GetWindowLong(inner, GWL_ID), 2);
    EXPECT_EQ(SetWindowLong(inner, GWLP_USERDATA, 77), 0);
    EXPECT_EQ(GetWindowLong(inner, GWLP_USERDATA), 77);
    EXPECT_EQ(GetWindowLong(inner, 12345), 0);
}

TEST(WindowState, FontsAreSharedByHandleAndDeletingOneLeavesNoFont) {
    ControlHost host;
    CWnd& edit = *CWnd::FromHandle(host.add(L"EDIT", 0, 1));
    auto font = std::make_unique<CFont>();
    ASSERT_TRUE(font->CreatePointFont(90, L"Tahoma"));
    LOGFONT description;
    ASSERT_EQ(font->GetLogFont(&description), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(description.lfHeight, -12);
    EXPECT_EQ(Tvx_String(description.lfFaceName), Tvx_String(L"Tahoma"));
    EXPECT_FALSE(font->CreatePointFont(100, L"Arial"));  // already holds one
    edit.SetFont(font.get());
    EXPECT_EQ(edit.GetFont(), font.get());
    font.reset();
    EXPECT_EQ(edit.GetFont(), nullptr);
    EXPECT_NE(ui::fontDescription(ui::defaultDialogFont()), nullptr);
}

TEST(ImageLists, HoldImagesByIndexAndAttachToControls) {
    CImageList images;
    EXPECT_EQ(images.Add(reinterpret_cast<HICON>(1)), -1);  // not created yet
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
    EXPECT_EQ(images.Add(reinterpret_cast<HICON>(11)), 0);
    EXPECT_EQ(images.Add(reinterpret_cast<HBITMAP>(12), nullptr), 1);
    EXPECT_EQ(images.Add(HICON{}), -1);
    EXPECT_TRUE(images.Remove(0));
    EXPECT_FALSE(images.Remove(5));
    EXPECT_EQ(images.GetImageCount(), 1);
    EXPECT_EQ(images.imageAt(0), reinterpret_cast<HICON>(12));
    EXPECT_EQ(CImageList::FromHandle(images), &images);

    ControlHost host;
    auto& tabs = *static_cast<CTabCtrl*>(CWnd::FromHandle(host.add(L"SysTabControl32", 0, 1)));
    auto& view = *static_cast<CListCtrl*>(CWnd::FromHandle(host.add(L"SysListView32", 0, 2)));
    EXPECT_EQ(tabs.SetImageList(&images), nullptr);
    EXPECT_EQ(tabs.GetImageList(), &images);
    view.SetImageList(&images, LVSIL_SMALL);
    EXPECT_EQ(view.GetImageList(LVSIL_SMALL), &images);
    EXPECT_EQ(view.GetImageList(LVSIL_NORMAL), nullptr);
    images.DeleteImageList();
    EXPECT_EQ(tabs.GetImageList(), nullptr);
}

TEST(RichEdit, ReportsChangesOnlyWhenItsEventMaskAsks) {
    ControlHost host;
    const HWND rich = host.add(L"RichEdit20W", 0, 5);
    auto& r = *static_cast<CRichEditCtrl*>(CWnd::FromHandle(rich));
    host.take();
    r.SetWindowText(L"quiet");
    EXPECT_EQ(host.take(), Events{});
    EXPECT_EQ(r.SetEventMask(ENM_CHANGE), 0u);
    r.SetWindowText(L"loud");
    EXPECT_EQ(host.take(), (Events{L"5:1024", L"5:768"}));
    r.SetSel(1, 3);
    EXPECT_EQ(r.GetSelText(), Tvx_String(L"ou"));
    CHARFORMAT format;
    format.dwMask = CFM_BOLD | CFM_FACE;
    format.dwEffects = CFE_BOLD;
    std::wcscpy(format.szFaceName, L"Courier New");
    EXPECT_TRUE(r.SetDefaultCharFormat(format));
    CHARFORMAT back;
    EXPECT_EQ(r.GetDefaultCharFormat(back) & CFM_BOLD, CFM_BOLD);
    EXPECT_EQ(Tvx_String(back.szFaceName), Tvx_String(L"Courier New"));
}

}  // namespace
