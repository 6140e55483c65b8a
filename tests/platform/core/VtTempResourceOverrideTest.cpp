// The resource switch: switching, not switching twice, and nesting.
#include "platform/core/VtTempResourceOverride.h"

#include <gtest/gtest.h>

namespace {

// Three distinct addresses stand for three modules' instance handles.
const char kInstances[3] = {};
const ResourceModule kHost = &kInstances[0];
const ResourceModule kThisModule = &kInstances[1];
const ResourceModule kOtherModule = &kInstances[2];

class ResourceOverrideTest : public testing::Test {
  protected:
    void SetUp() override { setCurrentResourceModule(kHost); }
    void TearDown() override { setCurrentResourceModule(nullptr); }
};

TEST_F(ResourceOverrideTest, SwitchesOnlyWhenAnotherModuleIsCurrent) {
    VtTempResourceOverride override;
    EXPECT_FALSE(override.SetDefaultResource());  // nothing saved yet
    EXPECT_EQ(currentResourceModule(), kHost);

    override.SaveDefaultResource(kThisModule);
    EXPECT_EQ(override.savedModule(), kThisModule);
    EXPECT_TRUE(override.SetDefaultResource());
    EXPECT_EQ(currentResourceModule(), kThisModule);
    EXPECT_FALSE(override.SetDefaultResource());  // already current: nothing to restore
    override.RestoreOriginalResource();
    EXPECT_EQ(currentResourceModule(), kHost);
    override.RestoreOriginalResource();  // no open switch: nothing happens
    EXPECT_EQ(currentResourceModule(), kHost);
}

TEST_F(ResourceOverrideTest, SwitchesNestAcrossOtherModules) {
    VtTempResourceOverride ours;
    VtTempResourceOverride theirs;
    ours.SaveDefaultResource(kThisModule);
    theirs.SaveDefaultResource(kOtherModule);

    ASSERT_TRUE(ours.SetDefaultResource());    // host -> this module
    ASSERT_TRUE(theirs.SetDefaultResource());  // this -> other module
    ASSERT_TRUE(ours.SetDefaultResource());    // a call back into this module
    EXPECT_EQ(currentResourceModule(), kThisModule);
    ours.RestoreOriginalResource();
    EXPECT_EQ(currentResourceModule(), kOtherModule);
    theirs.RestoreOriginalResource();
    EXPECT_EQ(currentResourceModule(), kThisModule);
    ours.RestoreOriginalResource();
    EXPECT_EQ(currentResourceModule(), kHost);
}

}  // namespace
