// The editor's machine-wide settings in the registry stand-in.
#include "sheeteditor/VtSSRegistrySets.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/ui/registry/RegistryStore.h"
#include "platform/ui/registry/WinRegistry.h"
#include "support/TempDir.h"

namespace {

const wchar_t* const kKey = L"Software\\Veltrane\\Spreadsheet Editor v1.0";

class RegistrySetsTest : public testing::Test {
  protected:
    void SetUp() override { registry::setRegistryFolder(dir.path()); }
    void TearDown() override { registry::setRegistryFolder({}); }

    // Stores a value as another program might have left it.
    void store(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void storeText(const wchar_t* name, const std::wstring& text) {
        store(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    testsupport::TempDir dir;
};

TEST_F(RegistrySetsTest, DefaultsAndMissingKeyKeepThem) {
    VtSSRegistrySets sets;
    EXPECT_EQ(sets.language().str(), L"EN");
    EXPECT_TRUE(sets.defaultSettings().isEmpty());
    EXPECT_FALSE(sets.read());
    EXPECT_EQ(sets.language().str(), L"EN");
}

TEST_F(RegistrySetsTest, WrittenValuesReadBack) {
    VtSSRegistrySets sets;
    sets.setLanguage(L"NL");
    sets.setDefaultSettings(L"Bill A4");
    ASSERT_TRUE(sets.write());

    VtSSRegistrySets back;
    ASSERT_TRUE(back.read());
    EXPECT_EQ(back.language().str(), L"NL");
    EXPECT_EQ(back.defaultSettings().str(), L"Bill A4");
    EXPECT_NE(dir.read("registry.txt")
                  .find("[HKEY_LOCAL_MACHINE\\Software\\Veltrane\\Spreadsheet "
                        "Editor v1.0]"),
              std::string::npos);
}

TEST_F(RegistrySetsTest, FailedValueKeepsItsOldContentAndTheOtherIsRead) {
    const DWORD number = 7;
    const std::wstring longest(VtSSRegistrySets::kMaxValueLength, L'x');
    const std::wstring tooLong(VtSSRegistrySets::kMaxValueLength + 1, L'x');
    struct Case {
        const char* name;
        std::function<void()> prepare;
        bool ok;
        const wchar_t* defaultSettings;
    };
    const Case cases[] = {
        {"missing value", [&] { storeText(L"Language", L"DE"); }, false, L"old"},
        {"not a string",
         [&] {
             storeText(L"Language", L"DE");
             store(L"Default Settings", REG_DWORD, &number, sizeof number);
         },
         false, L"old"},
        {"too long",
         [&] {
             storeText(L"Language", L"DE");
             storeText(L"Default Settings", tooLong);
         },
         false, L"old"},
        {"longest allowed",
         [&] {
             storeText(L"Language", L"DE");
             storeText(L"Default Settings", longest);
         },
         true, longest.c_str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir fresh;
        registry::setRegistryFolder(fresh.path());
        c.prepare();
        VtSSRegistrySets sets;
        sets.setDefaultSettings(L"old");
        EXPECT_EQ(sets.read(), c.ok);
        EXPECT_EQ(sets.language().str(), L"DE");
        EXPECT_EQ(sets.defaultSettings().str(), c.defaultSettings);
    }
}

TEST_F(RegistrySetsTest, TooLongValueIsNotWrittenButTheOtherIs) {
    VtSSRegistrySets sets;
    sets.setLanguage(L"FR");
    sets.setDefaultSettings(Tvx_String(std::wstring(VtSSRegistrySets::kMaxValueLength + 1, L'y')));
    EXPECT_FALSE(sets.write());
    VtSSRegistrySets back;
    EXPECT_FALSE(back.read());
    EXPECT_EQ(back.language().str(), L"FR");
    EXPECT_TRUE(back.defaultSettings().isEmpty());
}

}  // namespace
