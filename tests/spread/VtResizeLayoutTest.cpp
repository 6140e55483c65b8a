// Controls following a resized dialog by their flags.
#include "spread/VtResizeLayout.h"

#include <gtest/gtest.h>

#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr int kTemplate = 9601;
constexpr int kEdit = 1000;
constexpr int kButton = 1001;
constexpr int kLabel = 1002;
constexpr int kToolbar = 1003;
constexpr int kSecondEdit = 1004;

class ResizeLayoutTest : public testing::Test {
  protected:
    void SetUp() override {
        ui::DialogTemplate t(kTemplate, 0, 0, 200, 100, L"Resizable",
                             WS_POPUP | WS_CAPTION | WS_THICKFRAME);
        t.control(kToolbar, L"ToolbarWindow32", L"", WS_VISIBLE, 0, 0, 200, 14)
            .editText(kEdit, 20, 20, 60, 12)
            .editText(kSecondEdit, 20, 40, 60, 12)
            .pushButton(kButton, L"Go", 140, 70, 40, 14)
            .lText(kLabel, L"Label", 100, 20, 40, 8);
        ASSERT_TRUE(ui::registerDialogTemplate(t));
        ASSERT_TRUE(dialog.Create(kTemplate));
    }

    CRect windowRect() const {
        CRect rect;
        dialog.GetWindowRect(&rect);
        return rect;
    }
    CRect childRect(int id) const {
        CRect rect;
        dialog.GetDlgItem(id)->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        return rect;
    }
    void resizeBy(double widthFactor, int extraHeight) {
        const CRect rect = windowRect();
        dialog.MoveWindow(rect.left, rect.top, static_cast<int>(rect.Width() * widthFactor),
                          rect.Height() + extraHeight);
    }

    CDialog dialog;
};

TEST_F(ResizeLayoutTest, FlagsInADialogWidenedToTwiceItsWidth) {
    VtResizeLayout layout;
    ASSERT_TRUE(layout.record(dialog));
    const int growth = windowRect().Width();
    const CRect edit = childRect(kEdit);
    const CRect second = childRect(kSecondEdit);
    const CRect button = childRect(kButton);
    const CRect toolbar = childRect(kToolbar);
    ASSERT_TRUE(layout.setFlags(kSecondEdit,
                                VtResizeLayout::kKeepNearEdge | VtResizeLayout::kFollowFarEdge, 0));
    ASSERT_TRUE(
        layout.setFlags(kButton, VtResizeLayout::kKeepSize | VtResizeLayout::kFollowFarEdge, 0));

    resizeBy(2.0, 0);
    layout.apply();

    // 0: position and size double.
    EXPECT_EQ(childRect(kEdit), CRect(edit.left * 2, edit.top, edit.right * 2, edit.bottom));
    // 2 | 4: left pinned, stretched by the growth.
    EXPECT_EQ(childRect(kSecondEdit),
              CRect(second.left, second.top, second.right + growth, second.bottom));
    // 1 | 4: same size, moved with the right edge.
    EXPECT_EQ(childRect(kButton),
              CRect(button.left + growth, button.top, button.right + growth, button.bottom));
    // The toolbar is never moved.
    EXPECT_EQ(childRect(kToolbar), toolbar);
}

TEST_F(ResizeLayoutTest, VerticalFlagsFollowTheSameRules) {
    VtResizeLayout layout;
    ASSERT_TRUE(layout.record(dialog));
    const CRect button = childRect(kButton);
    const CRect edit = childRect(kEdit);
    layout.setFlagsForAll(VtResizeLayout::kKeepNearEdge | VtResizeLayout::kKeepSize,
                          VtResizeLayout::kKeepSize | VtResizeLayout::kFollowFarEdge);
    layout.setFlags(kEdit, VtResizeLayout::kKeepNearEdge | VtResizeLayout::kKeepSize,
                    VtResizeLayout::kKeepNearEdge | VtResizeLayout::kFollowFarEdge);
    resizeBy(1.0, 50);
    layout.apply();
    EXPECT_EQ(childRect(kButton),
              CRect(button.left, button.top + 50, button.right, button.bottom + 50));
    EXPECT_EQ(childRect(kEdit), CRect(edit.left, edit.top, edit.right, edit.bottom + 50));
}

TEST_F(ResizeLayoutTest, ToolbarsAreNotRecordedAndClassesMatchIgnoringCase) {
    VtResizeLayout layout;
    ASSERT_TRUE(layout.record(dialog));
    EXPECT_EQ(layout.childCount(), 4);
    EXPECT_EQ(layout.setFlagsForClass(L"ToolbarWindow32", 0, 0), 0);
    EXPECT_EQ(layout.setFlagsForClass(L"edit", 0, 0), 2);
    EXPECT_EQ(layout.setFlagsForClass(L"BUTTON", 0, 0), 1);
    EXPECT_FALSE(layout.setFlags(kToolbar, 0, 0));
    EXPECT_FALSE(layout.addControl(dialog.GetDlgItem(kToolbar)->GetSafeHwnd()));
    EXPECT_FALSE(layout.addControl(dialog.GetDlgItem(kEdit)->GetSafeHwnd()));
}

TEST_F(ResizeLayoutTest, AddedControlIsLaidOutToo) {
    VtResizeLayout layout;
    EXPECT_FALSE(layout.addControl(dialog.GetDlgItem(kEdit)->GetSafeHwnd()));  // before record
    CWnd extra;
    ASSERT_TRUE(extra.Create(L"STATIC", L"late", WS_CHILD | WS_VISIBLE, CRect(10, 60, 30, 70),
                             &dialog, 1005));
    ASSERT_TRUE(layout.record(dialog));
    EXPECT_EQ(layout.childCount(), 5);
    VtResizeLayout manual;
    // record a dialog, then add a control created after it
    CDialog other;
    ASSERT_TRUE(other.Create(kTemplate));
    ASSERT_TRUE(manual.record(other));
    CWnd late;
    ASSERT_TRUE(late.Create(L"STATIC", L"late", WS_CHILD | WS_VISIBLE, CRect(10, 60, 30, 70),
                            &other, 1005));
    EXPECT_TRUE(manual.addControl(late));
    manual.setFlags(1005, VtResizeLayout::kKeepSize | VtResizeLayout::kFollowFarEdge, 0);
    CRect rect;
    other.GetWindowRect(&rect);
    other.MoveWindow(rect.left, rect.top, rect.Width() + 30, rect.Height());
    manual.apply();
    CRect moved;
    late.GetWindowRect(&moved);
    other.ScreenToClient(&moved);
    EXPECT_EQ(moved, CRect(40, 60, 60, 70));
}

TEST_F(ResizeLayoutTest, UnknownWindowsAndDestroyedDialogDoNothing) {
    VtResizeLayout layout;
    EXPECT_FALSE(layout.record(nullptr));
    layout.apply();  // nothing recorded: nothing to do
    ASSERT_TRUE(layout.record(dialog));
    dialog.DestroyWindow();
    layout.apply();
    EXPECT_EQ(layout.childCount(), 4);
}

struct PlaceCase {
    int flags;
    VtResizeLayout::Span expected;
};

TEST(VtResizeLayoutPlace, EveryFlagCombination) {
    // A span 10..30 in a 100-wide dialog grown to 150.
    const PlaceCase cases[] = {
        {0, {15, 45}}, {1, {15, 35}}, {2, {10, 45}}, {3, {10, 30}},
        {4, {15, 80}}, {5, {60, 80}}, {6, {10, 80}}, {7, {10, 80}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.flags);
        const VtResizeLayout::Span span = VtResizeLayout::place({10, 30}, c.flags, 100, 150);
        EXPECT_EQ(span.nearEdge, c.expected.nearEdge);
        EXPECT_EQ(span.farEdge, c.expected.farEdge);
    }
}

}  // namespace
