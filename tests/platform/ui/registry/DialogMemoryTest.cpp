// Dialog sizes and on/off settings kept under a dialog's key.
#include "platform/ui/registry/DialogMemory.h"

#include <gtest/gtest.h>

#include "platform/ui/registry/RegistryTestFolder.h"

namespace {

TEST(DialogMemory, BoolsReadTheirDefaultUntilWritten) {
    RegistryTestFolder folder;
    EXPECT_FALSE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG"));
    EXPECT_TRUE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", true));
    ASSERT_TRUE(writeDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", true));
    EXPECT_TRUE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", false));
    ASSERT_TRUE(writeDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", false));
    EXPECT_FALSE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", true));
    EXPECT_TRUE(readDlgRegBool(L"DLG_OTHER", L"LARGE_DLG", true));
}

TEST(DialogMemory, EmptyKeysAndNamesAreRefused) {
    RegistryTestFolder folder;
    EXPECT_FALSE(writeDlgRegBool(L"", L"X", true));
    EXPECT_FALSE(writeDlgRegBool(L"DLG", L"", true));
    EXPECT_TRUE(readDlgRegBool(L"", L"X", true));
    EXPECT_FALSE(registry::writeDialogSize(L"", CSize(10, 10)));
    EXPECT_FALSE(registry::readDialogSize(L"").has_value());
}

TEST(DialogMemory, SizesRoundTripThroughTheFile) {
    RegistryTestFolder folder;
    EXPECT_FALSE(registry::readDialogSize(L"DLG_GENVARS").has_value());
    ASSERT_TRUE(registry::writeDialogSize(L"DLG_GENVARS", CSize(640, 480)));
    registry::setRegistryFolder(folder.dir().path());  // read the file afresh
    EXPECT_EQ(registry::readDialogSize(L"DLG_GENVARS"), CSize(640, 480));
    EXPECT_FALSE(registry::writeDialogSize(L"DLG_GENVARS", CSize(0, 480)));
    EXPECT_FALSE(registry::writeDialogSize(L"DLG_GENVARS", CSize(10, -1)));
    EXPECT_EQ(registry::readDialogSize(L"DLG_GENVARS"), CSize(640, 480));
}

TEST(DialogMemory, TheEnvironmentChoosesTheFolderWhenNoneIsSet) {
    testsupport::TempDir dir;
    registry::setRegistryFolder({});
    const char* saved = std::getenv("VTSS_CONFIG_DIR");
    const std::string previous = saved ? saved : "";
    setenv("VTSS_CONFIG_DIR", dir.path().c_str(), 1);
    EXPECT_EQ(registry::registryFilePath(), dir.path() / "registry.txt");
    ASSERT_TRUE(writeDlgRegBool(L"DLG_ENV", L"ON", true));
    EXPECT_NE(
        dir.read("registry.txt").find("[HKEY_CURRENT_USER\\Software\\vtss\\Dialogs\\DLG_ENV]"),
        std::string::npos);
    unsetenv("VTSS_CONFIG_DIR");
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (!xdg) {
        setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
        EXPECT_EQ(registry::registryFilePath(), dir.path() / "vtss" / "registry.txt");
        unsetenv("XDG_CONFIG_HOME");
    }
    if (saved)
        setenv("VTSS_CONFIG_DIR", previous.c_str(), 1);
}

}  // namespace
