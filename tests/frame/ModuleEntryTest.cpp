// Loading and unloading the module as the host does.
#include "frame/ModuleEntry.h"

#include <gtest/gtest.h>

#include "frame/ConstraintEditorHolder.h"
#include "frame/FrameTestSupport.h"
#include "frame/MacroDialogTable.h"
#include "frame/ModuleResources.h"
#include "frame/ResourceScope.h"
#include "platform/host/CommandStack.h"
#include "platform/host/DynamicLinker.h"
#include "platform/host/EditorRequests.h"
#include "platform/ui/DialogTemplate.h"

namespace {

void aCommand() {}

class ModuleEntryTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(acrxDynamicLinker()->loadModule(moduleImage()));
        host::editorRequests().clear();
    }
    void TearDown() override {
        if (acrxDynamicLinker()->isModuleLoaded(kModuleName)) {
            acrxDynamicLinker()->unloadModule(kModuleName);
        }
    }
};

TEST_F(ModuleEntryTest, LoadingAttachesAndPreparesTheModule) {
    const HINSTANCE instance = acrxDynamicLinker()->instance(kModuleName);
    EXPECT_EQ(moduleInstance(), instance);
    EXPECT_EQ(host::resourceChain().front(), instance);
    EXPECT_FALSE(acrxDynamicLinker()->isApplicationLocked(kModuleName));
    EXPECT_TRUE(acrxDynamicLinker()->isAppMDIAware(kModuleName));
    EXPECT_NE(ui::findDialogTemplate(253), nullptr);
    ASSERT_NE(checkBoxBitmap(0), nullptr);
    ASSERT_NE(checkBoxBitmap(1), nullptr);
    EXPECT_NE(*checkBoxBitmap(0)->picture(), *checkBoxBitmap(1)->picture());
    EXPECT_EQ(checkBoxBitmap(2), nullptr);
}

TEST_F(ModuleEntryTest, UnloadingRemovesTheCommandGroupAndClosesModelessWindows) {
    acedRegCmds()->addCommand(L"TAVERIX_SS", L"VTSSTEST", nullptr, 0, &aCommand);
    int slot = -1;
    macroDialogTable().open([] { return std::make_unique<frametest::TestMacroDialog>(); }, true,
                            MacroData(), slot);
    auto editor = std::make_unique<frametest::TestMacroDialog>();
    ASSERT_TRUE(editor->createModeless(nullptr));
    ASSERT_TRUE(constraintEditor().adopt(std::move(editor)));

    ASSERT_TRUE(acrxDynamicLinker()->unloadModule(kModuleName));
    EXPECT_FALSE(acedRegCmds()->hasGroup(L"TAVERIX_SS"));
    EXPECT_EQ(macroDialogTable().slotCount(), 0);
    EXPECT_FALSE(constraintEditor().isOpen());
    EXPECT_EQ(frametest::TestMacroDialog::liveCount, 0);
    EXPECT_EQ(host::editorRequests().promptCount(), 2);
    EXPECT_TRUE(host::resourceChain().empty()) << "detached";
}

TEST_F(ModuleEntryTest, ExportedFunctionsSwitchToTheModulesResourcesForTheirDuration) {
    setCurrentResourceModule(nullptr);
    {
        VtResourceScope scope;
        EXPECT_TRUE(scope.switched());
        EXPECT_EQ(currentResourceModule(), moduleInstance());
        VtResourceScope nested;
        EXPECT_FALSE(nested.switched()) << "current already";
    }
    EXPECT_EQ(currentResourceModule(), nullptr);
}

TEST_F(ModuleEntryTest, OtherMessagesAndAFailedAttachChangeNothing) {
    EXPECT_EQ(acrxEntryPoint(static_cast<AcRx::AppMsgCode>(7), nullptr), AcRx::kRetOK);
    AFX_EXTENSION_MODULE& extension = moduleExtension();
    EXPECT_TRUE(extension.bInitialized);
    EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 0) << "the module is attached already";
}

TEST(ConstraintEditor, EndingWithoutAnEditorDoesNothing) {
    host::editorRequests().clear();
    EndDlgEditConstraints();
    EXPECT_EQ(host::editorRequests().promptCount(), 0);
    EXPECT_FALSE(constraintEditor().adopt(nullptr));
}

}  // namespace
