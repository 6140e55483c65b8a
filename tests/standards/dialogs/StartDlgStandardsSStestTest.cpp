// The fixed self-test evaluation on "c:\\a\\a\\a\\test.vts".
#include <gtest/gtest.h>

#include "frame/FrameTemplates.h"
#include "platform/core/PathMapping.h"
#include "standards/dialogs/StartDlgStandardsSS.h"
#include "standards/engine/SheetText.h"
#include "support/TempDir.h"

namespace {

class SelfTest : public testing::Test {
  protected:
    SelfTest() {
        registerFrameTemplates();
        setDriveRoot(drive.path());
    }
    ~SelfTest() override { setDriveRoot({}); }

    testsupport::TempDir drive;
};

TEST_F(SelfTest, RunsTheTestSheetWithItsFourVariables) {
    EXPECT_FALSE(StartDlgStandardsSStest()) << "no test sheet yet";
    drive.write("a/a/a/test.vts", standardstest::sheetText({{"Input"},
                                                            {"String Column", "Double Thickness"},
                                                            {"Output"},
                                                            {"Double Width", "Double Length"},
                                                            {"Calc"},
                                                            {"Width = LEN(Column) + Thickness"},
                                                            {"Length = Width * 2"}}));
    EXPECT_TRUE(StartDlgStandardsSStest());
    // A sheet with more Inputs and Outputs than the test passes cannot bind.
    drive.write("a/a/a/test.vts",
                standardstest::sheetText({{"Input"},
                                          {"String Column", "Double Thickness", "Double Extra"},
                                          {"Output"},
                                          {"Double Width", "Double Length"},
                                          {"Calc"},
                                          {"Width = 1"}}));
    EXPECT_FALSE(StartDlgStandardsSStest());
}

}  // namespace
