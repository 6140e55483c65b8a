// The system registry functions over the stand-in's file.
#include "platform/ui/registry/WinRegistry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/core/FileBytes.h"
#include "platform/ui/registry/RegistryTestFolder.h"

namespace {

constexpr const wchar_t* kEditorKey = L"Software\\Veltrane\\Spreadsheet Editor v1.0";

LONG setText(HKEY key, const wchar_t* name, const std::wstring& text) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

HKEY createKey(HKEY root, const wchar_t* path, REGSAM access = KEY_ALL_ACCESS) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    return key;
}

TEST(WinRegistry, ValuesSurviveAFreshReadOfTheFile) {
    RegistryTestFolder folder;
    HKEY key = createKey(HKEY_LOCAL_MACHINE, kEditorKey);
    ASSERT_EQ(setText(key, L"Language", L"NL"), ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    // Another process (here: the same store pointed at the folder again) reads it back.
    registry::setRegistryFolder(folder.dir().path());
    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"software\\VELTRANE\\spreadsheet editor v1.0", 0,
                            KEY_READ, &again),
              ERROR_SUCCESS);
    wchar_t buffer[64] = {};
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    ASSERT_EQ(RegQueryValueExW(again, L"LANGUAGE", nullptr, &type, reinterpret_cast<LPBYTE>(buffer),
                               &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(std::wstring(buffer), L"NL");
    EXPECT_EQ(size, 3 * sizeof(wchar_t));
    RegCloseKey(again);
    EXPECT_NE(folder.fileText().find("\"Language\"=sz:\"NL\""), std::string::npos);
}

TEST(WinRegistry, ASmallBufferGetsTheSizeNeededAndNothingElse) {
    RegistryTestFolder folder;
    HKEY key = createKey(HKEY_LOCAL_MACHINE, kEditorKey);
    const std::wstring longText(100, L'x');
    ASSERT_EQ(setText(key, L"Default Settings", longText), ERROR_SUCCESS);

    BYTE buffer[256];
    std::fill(std::begin(buffer), std::end(buffer), BYTE{0xAB});
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExW(key, L"Default Settings", nullptr, nullptr, buffer, &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 101 * sizeof(wchar_t));
    EXPECT_EQ(buffer[0], 0xAB);

    DWORD needed = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"Default Settings", nullptr, nullptr, nullptr, &needed),
              ERROR_SUCCESS);
    EXPECT_EQ(needed, 101 * sizeof(wchar_t));
    RegCloseKey(key);
}

TEST(WinRegistry, StringsWithoutTerminatorGetOneAndDwordsKeepTheirType) {
    RegistryTestFolder folder;
    HKEY key = createKey(HKEY_CURRENT_USER, L"Software\\Test");
    const wchar_t raw[] = {L'a', L'b'};
    ASSERT_EQ(
        RegSetValueExW(key, L"Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(raw), sizeof raw),
        ERROR_SUCCESS);
    const DWORD number = 1234;
    ASSERT_EQ(RegSetValueExW(key, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                             sizeof number),
              ERROR_SUCCESS);
    wchar_t text[8] = {L'z', L'z', L'z', L'z'};
    DWORD size = sizeof text;
    ASSERT_EQ(
        RegQueryValueExW(key, L"Raw", nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(text), L"ab");
    DWORD type = 0;
    DWORD read = 0;
    size = sizeof read;
    ASSERT_EQ(RegQueryValueExW(key, L"", nullptr, &type, reinterpret_cast<LPBYTE>(&read), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(read, 1234u);
    RegCloseKey(key);
}

TEST(WinRegistry, BadHandlesMissingItemsAndReadOnlyKeysAreRefused) {
    RegistryTestFolder folder;
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Nothing", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"x", 0, KEY_READ, nullptr),
              ERROR_INVALID_PARAMETER);

    HKEY writable = createKey(HKEY_CURRENT_USER, L"Software\\Ro");
    ASSERT_EQ(setText(writable, L"v", L"1"), ERROR_SUCCESS);
    RegCloseKey(writable);
    EXPECT_EQ(setText(writable, L"v", L"2"), ERROR_INVALID_HANDLE) << "closed handle";
    EXPECT_EQ(RegCloseKey(writable), ERROR_INVALID_HANDLE);

    HKEY readOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Ro", 0, KEY_READ, &readOnly),
              ERROR_SUCCESS);
    EXPECT_EQ(setText(readOnly, L"v", L"2"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueW(readOnly, L"v"), ERROR_ACCESS_DENIED);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(readOnly, L"missing", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(readOnly);
}

TEST(WinRegistry, KeysAndValuesCanBeDeleted) {
    RegistryTestFolder folder;
    HKEY parent = createKey(HKEY_CURRENT_USER, L"Software\\Del");
    HKEY child = createKey(parent, L"Child");
    ASSERT_EQ(setText(child, L"v", L"1"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(child, L"V"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(child, L"V"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(child);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Del"), ERROR_ACCESS_DENIED)
        << "still has a sub-key";
    EXPECT_EQ(RegDeleteKeyW(parent, L"child"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyW(parent, L"child"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Del"), ERROR_SUCCESS);
    RegCloseKey(parent);
}

TEST(WinRegistry, AFailedWriteLeavesTheFileAndTheValueAsTheyWere) {
    RegistryTestFolder folder;
    HKEY key = createKey(HKEY_LOCAL_MACHINE, kEditorKey);
    ASSERT_EQ(setText(key, L"Language", L"EN"), ERROR_SUCCESS);
    const std::string before = folder.fileText();

    failNthFileWrite(1);
    EXPECT_EQ(setText(key, L"Language", L"DE"), ERROR_WRITE_FAULT);
    EXPECT_EQ(folder.fileText(), before);
    wchar_t buffer[8] = {};
    DWORD size = sizeof buffer;
    ASSERT_EQ(RegQueryValueExW(key, L"Language", nullptr, nullptr, reinterpret_cast<LPBYTE>(buffer),
                               &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(buffer), L"EN");
    RegCloseKey(key);
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(folder.dir().path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

}  // namespace
