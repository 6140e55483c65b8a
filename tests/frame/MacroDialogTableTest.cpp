// The slots of modeless macro dialogs: reuse, trimming, postponed closes.
#include "frame/MacroDialogTable.h"

#include <gtest/gtest.h>

#include "frame/FrameTestSupport.h"
#include "frame/MacroDialogExports.h"
#include "platform/host/CommandLine.h"
#include "platform/host/EditorRequests.h"
#include "platform/host/MainWindow.h"
#include "platform/ui/Timers.h"

namespace {

using frametest::TestMacroDialog;

MacroData macroNamed(const wchar_t* module) {
    MacroData data;
    MacroTabData tab;
    tab.moduleName = module;
    data.tabs.append(tab);
    return data;
}

class MacroDialogTableTest : public testing::Test {
  protected:
    void SetUp() override {
        host::commandLine().clear();
        host::editorRequests().clear();
    }
    void TearDown() override {
        for (int slot = 0; slot < table().slotCount(); ++slot) {
            if (auto* dialog = dynamic_cast<TestMacroDialog*>(table().dialogAt(slot)))
                dialog->busy = false;
        }
        DestroyAllMacroDlgs();
        ui::advanceClock(200);  // lets postponed closes run out
        EXPECT_EQ(table().slotCount(), 0);
        EXPECT_EQ(TestMacroDialog::liveCount, 0);
    }
    static MacroDialogTable& table() { return macroDialogTable(); }
    // Opens a test dialog and returns its slot.
    static int open(const wchar_t* module = L"Plate", bool keepFocus = true) {
        int slot = -99;
        EXPECT_TRUE(table().open([] { return std::make_unique<TestMacroDialog>(); }, keepFocus,
                                 macroNamed(module), slot));
        return slot;
    }
    static TestMacroDialog* at(int slot) {
        return dynamic_cast<TestMacroDialog*>(table().dialogAt(slot));
    }
};

TEST_F(MacroDialogTableTest, TheHighestEmptySlotIsTakenElseOneIsAppended) {
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(open(), 2);
    EXPECT_EQ(at(2)->slot, 2) << "the dialog knows its slot";
    ASSERT_TRUE(EndDlgMacroModeless(1));
    EXPECT_EQ(table().slotCount(), 3);
    EXPECT_EQ(open(), 1) << "slot 1 was the empty one";
    EXPECT_EQ(open(), 3) << "all full: a new last slot";

    ASSERT_TRUE(EndDlgMacroModeless(0));
    ASSERT_TRUE(EndDlgMacroModeless(2));
    EXPECT_EQ(open(), 2) << "of the empty slots 0 and 2 the highest wins";
}

TEST_F(MacroDialogTableTest, ClosingTheLastSlotTrimsTrailingEmptySlots) {
    open();
    open();
    open();
    ASSERT_TRUE(EndDlgMacroModeless(1));
    ASSERT_EQ(table().slotCount(), 3);
    ASSERT_TRUE(EndDlgMacroModeless(2));
    EXPECT_EQ(table().slotCount(), 1) << "[dialog, empty, dialog] shrinks to one slot";
    EXPECT_EQ(host::editorRequests().promptCount(), 2) << "each close re-issues the prompt";
}

TEST_F(MacroDialogTableTest, TheDataOfAnOpenSlotCanBeReadAndNoOther) {
    const int slot = open(L"BasePlate");
    MacroData data;
    ASSERT_TRUE(GetDlgMacroData(slot, data));
    ASSERT_EQ(data.tabs.length(), 1);
    EXPECT_EQ(data.tabs[0].moduleName, L"BasePlate");

    MacroData untouched = macroNamed(L"Keep");
    EXPECT_FALSE(GetDlgMacroData(-1, untouched));
    EXPECT_FALSE(GetDlgMacroData(7, untouched));
    open();
    ASSERT_TRUE(EndDlgMacroModeless(slot));
    EXPECT_FALSE(GetDlgMacroData(slot, untouched)) << "an emptied slot";
    EXPECT_EQ(untouched.tabs[0].moduleName, L"Keep");
    EXPECT_FALSE(EndDlgMacroModeless(slot));
    EXPECT_FALSE(EndDlgMacroModeless(-1));
}

TEST_F(MacroDialogTableTest, ABusyDialogClosesAboutFiftyMillisecondsLater) {
    const int slot = open();
    at(slot)->busy = true;
    ASSERT_TRUE(EndDlgMacroModeless(slot)) << "true at once";
    EXPECT_NE(at(slot), nullptr) << "still open";
    EXPECT_TRUE(EndDlgMacroModeless(slot));
    EXPECT_EQ(table().pendingCloses(), 1) << "one postponed close per dialog";

    ui::advanceClock(49);
    EXPECT_NE(at(slot), nullptr);
    at(slot)->busy = false;
    ui::advanceClock(1);
    EXPECT_EQ(at(slot), nullptr);
    EXPECT_EQ(table().pendingCloses(), 0);
    EXPECT_EQ(host::commandLine().text(), L"Delayed timer called.\n");
    EXPECT_EQ(ui::timerCount(), 0);
}

TEST_F(MacroDialogTableTest, AStillBusyDialogIsTriedAgainEveryFiftyMilliseconds) {
    const int slot = open();
    at(slot)->busy = true;
    EndDlgMacroModeless(slot);
    ui::advanceClock(150);
    EXPECT_NE(at(slot), nullptr);
    EXPECT_EQ(host::commandLine().lines().size(), 3u);
    at(slot)->busy = false;
    ui::advanceClock(50);
    EXPECT_EQ(at(slot), nullptr);
}

TEST_F(MacroDialogTableTest, APostponedCloseNeverClosesTheNextDialogOfItsSlot) {
    const int slot = open(L"First");
    at(slot)->busy = true;
    EndDlgMacroModeless(slot);
    at(slot)->busy = false;
    ASSERT_TRUE(EndDlgMacroModeless(slot)) << "closed directly before the timer";
    EXPECT_EQ(table().pendingCloses(), 0);
    EXPECT_EQ(open(L"Second"), slot);
    ui::advanceClock(100);
    MacroData data;
    ASSERT_TRUE(GetDlgMacroData(slot, data));
    EXPECT_EQ(data.tabs[0].moduleName, L"Second");
}

TEST_F(MacroDialogTableTest, DestroyAllClosesEverySlot) {
    open();
    open();
    open();
    DestroyAllMacroDlgs();
    EXPECT_EQ(table().slotCount(), 0);
    EXPECT_EQ(TestMacroDialog::liveCount, 0);
}

TEST_F(MacroDialogTableTest, OpeningGivesTheFocusBackUnlessAskedToKeepIt) {
    open(L"Plate", false);
    EXPECT_EQ(CWnd::GetFocus(), adsw_acadMainWnd());
    const int kept = open(L"Plate", true);
    at(kept)->SetFocus();
    EXPECT_NE(CWnd::GetFocus(), adsw_acadMainWnd());
    EXPECT_EQ(at(kept)->GetParent() ? at(kept)->GetParent() : at(kept)->GetOwner(),
              adsw_acadMainWnd());
}

TEST_F(MacroDialogTableTest, ADialogThatCannotBeMadeLeavesItsAppendedSlotEmpty) {
    open();
    int slot = -99;
    EXPECT_FALSE(table().open([] { return std::unique_ptr<VtModelessMacroDlg>(); }, true,
                              MacroData(), slot));
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(table().slotCount(), 2);
    EXPECT_EQ(table().dialogAt(1), nullptr);
    EXPECT_FALSE(table().open([] { return std::make_unique<TestMacroDialog>(true); }, true,
                              MacroData(), slot));
    EXPECT_EQ(slot, 1) << "the empty slot is reused, and stays empty";
    EXPECT_EQ(table().dialogAt(1), nullptr);
    // Only closing the last slot trims: fill it and close it again.
    EXPECT_EQ(open(), 1);
    ASSERT_TRUE(EndDlgMacroModeless(1));
    EXPECT_EQ(table().slotCount(), 1);
}

}  // namespace
