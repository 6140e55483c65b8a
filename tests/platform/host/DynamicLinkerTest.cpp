// Loading and unloading application modules through the host's dynamic linker.
#include "platform/host/DynamicLinker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the test module saw, in order, and how it answers.
struct ModuleScript {
    std::vector<std::string> events;
    int attachResult = 1;
    AcRx::AppRetCode initAnswer = AcRx::kRetOK;
    AcRx::AppRetCode unloadAnswer = AcRx::kRetOK;
    bool unlockOnInit = true;
    HINSTANCE attachedInstance = nullptr;
    void* appId = nullptr;
};
ModuleScript script;

int testProcessEntry(HINSTANCE instance, unsigned long reason, void*) {
    script.events.push_back(reason == DLL_PROCESS_ATTACH ? "attach" : "detach");
    if (reason == DLL_PROCESS_ATTACH)
        script.attachedInstance = instance;
    return reason == DLL_PROCESS_ATTACH ? script.attachResult : 1;
}

AcRx::AppRetCode testEntryPoint(AcRx::AppMsgCode message, void* appId) {
    if (message == AcRx::kInitAppMsg) {
        script.events.push_back("init");
        script.appId = appId;
        if (script.unlockOnInit)
            acrxDynamicLinker()->unlockApplication(appId);
        acrxDynamicLinker()->registerAppMDIAware(appId);
        return script.initAnswer;
    }
    script.events.push_back("unload");
    return script.unloadAnswer;
}

const ArxModuleImage kImage{L"SS.arx", &testProcessEntry, &testEntryPoint};

class DynamicLinkerTest : public testing::Test {
  protected:
    void SetUp() override { script = ModuleScript{}; }
    void TearDown() override {
        // Leave no module behind for the next test.
        if (linker()->isModuleLoaded(L"SS.arx")) {
            linker()->unlockApplication(linker()->applicationId(L"SS.arx"));
            script.unloadAnswer = AcRx::kRetOK;
            linker()->unloadModule(L"SS.arx");
        }
    }
    static AcRxDynamicLinker* linker() { return acrxDynamicLinker(); }
};

TEST_F(DynamicLinkerTest, TheRegistryHandsOutTheLinkerByItsName) {
    EXPECT_NE(AcRxDynamicLinker::cast(acrxSysRegistry()->at(L"DynamicLinker")), nullptr);
    EXPECT_EQ(AcRxDynamicLinker::cast(acrxSysRegistry()->at(L"ACAD_REGISTERED_COMMANDS")), nullptr);
    EXPECT_EQ(acrxSysRegistry()->at(L"NoSuchService"), nullptr);
    EXPECT_EQ(acrxSysRegistry()->at(nullptr), nullptr);
}

TEST_F(DynamicLinkerTest, LoadAttachesThenSendsTheLoadMessage) {
    ASSERT_TRUE(linker()->loadModule(kImage));
    EXPECT_EQ(script.events, (std::vector<std::string>{"attach", "init"}));
    EXPECT_EQ(script.attachedInstance, linker()->instance(L"ss.ARX"));
    EXPECT_EQ(script.appId, linker()->applicationId(L"SS.arx"));
    EXPECT_FALSE(linker()->isApplicationLocked(L"SS.arx"));
    EXPECT_TRUE(linker()->isAppMDIAware(L"SS.arx"));
    EXPECT_FALSE(linker()->loadModule(kImage)) << "a second load of the same module";

    ASSERT_TRUE(linker()->unloadModule(L"SS.arx"));
    EXPECT_EQ(script.events, (std::vector<std::string>{"attach", "init", "unload", "detach"}));
    EXPECT_FALSE(linker()->isModuleLoaded(L"SS.arx"));
}

TEST_F(DynamicLinkerTest, ALockedApplicationStaysLoaded) {
    script.unlockOnInit = false;
    ASSERT_TRUE(linker()->loadModule(kImage));
    EXPECT_TRUE(linker()->isApplicationLocked(L"SS.arx"));
    EXPECT_FALSE(linker()->unloadModule(L"SS.arx"));
    EXPECT_EQ(script.events, (std::vector<std::string>{"attach", "init"}));
    EXPECT_TRUE(linker()->unlockApplication(script.appId));
    EXPECT_TRUE(linker()->unloadModule(L"SS.arx"));
}

TEST_F(DynamicLinkerTest, AnApplicationMayRefuseToUnload) {
    script.unloadAnswer = AcRx::kRetError;
    ASSERT_TRUE(linker()->loadModule(kImage));
    EXPECT_FALSE(linker()->unloadModule(L"SS.arx"));
    EXPECT_TRUE(linker()->isModuleLoaded(L"SS.arx"));
}

TEST_F(DynamicLinkerTest, FailedAttachOrInitLeavesNothingLoaded) {
    script.attachResult = 0;
    EXPECT_FALSE(linker()->loadModule(kImage));
    EXPECT_EQ(script.events, (std::vector<std::string>{"attach"}));
    EXPECT_FALSE(linker()->isModuleLoaded(L"SS.arx"));

    script = ModuleScript{};
    script.initAnswer = AcRx::kRetError;
    EXPECT_FALSE(linker()->loadModule(kImage));
    EXPECT_EQ(script.events, (std::vector<std::string>{"attach", "init", "unload", "detach"}));
    EXPECT_FALSE(linker()->isModuleLoaded(L"SS.arx"));
}

TEST_F(DynamicLinkerTest, BadImagesAndUnknownIdsAreRefused) {
    EXPECT_FALSE(linker()->loadModule(ArxModuleImage{L"", &testProcessEntry, &testEntryPoint}));
    EXPECT_FALSE(linker()->loadModule(ArxModuleImage{L"X.arx", &testProcessEntry, nullptr}));
    EXPECT_TRUE(script.events.empty());
    int notAnApp = 0;
    EXPECT_FALSE(linker()->unlockApplication(&notAnApp));
    EXPECT_FALSE(linker()->registerAppMDIAware(nullptr));
    EXPECT_FALSE(linker()->unloadModule(L"Never.arx"));
    EXPECT_EQ(linker()->instance(L"Never.arx"), nullptr);
}

}  // namespace
