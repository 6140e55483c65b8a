// The registry stand-in's text file: round trips and tolerant reading.
#include "platform/ui/registry/RegistryFile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using registry::RegistryKey;
using registry::RegistryValue;

RegistryValue text(const std::wstring& s) {
    RegistryValue value{1, std::vector<BYTE>((s.size() + 1) * sizeof(wchar_t))};
    std::memcpy(value.data.data(), s.c_str(), value.data.size());
    return value;
}

RegistryValue dword(DWORD n) {
    RegistryValue value{4, std::vector<BYTE>(4)};
    std::memcpy(value.data.data(), &n, 4);
    return value;
}

TEST(RegistryFile, EveryKindOfValueRoundTrips) {
    const std::vector<RegistryKey> keys = {
        {L"HKEY_LOCAL_MACHINE", {}},
        {L"HKEY_LOCAL_MACHINE\\Software\\Veltrane\\Spreadsheet Editor v1.0",
         {{L"Language", text(L"EN")},
          {L"Default Settings", text(L"")},
          {L"", text(L"quote \" back\\slash\nline\ttab \u00e9\u20ac")},
          {L"Count", dword(4294967295u)},
          {L"Blob", RegistryValue{3, {0x00, 0xff, 0x10}}},
          {L"Empty", RegistryValue{7, {}}},
          {L"Odd string", RegistryValue{1, {1, 2, 3}}}}},
    };
    const std::string written = registry::writeRegistryText(keys);
    EXPECT_EQ(registry::readRegistryText(written), keys);
    EXPECT_NE(written.find("\"Language\"=sz:\"EN\"\n"), std::string::npos);
    EXPECT_NE(written.find("\"Count\"=dword:4294967295\n"), std::string::npos);
    EXPECT_NE(written.find("\"Blob\"=hex(3):00,ff,10\n"), std::string::npos);
}

TEST(RegistryFile, BadLinesAreSkippedAndTheRestIsRead) {
    const std::string file =
        "\"Orphan\"=sz:\"before any key\"\r\n"
        "[HKEY_CURRENT_USER\\A]\r\n"
        "\"Good\"=dword:5\n"
        "\"TooBig\"=dword:4294967296\n"
        "\"BadHex\"=hex(3):0g\n"
        "\"Trailing\"=hex(3):01,\n"
        "\"Unclosed\"=sz:\"abc\n"
        "\"BadEscape\"=sz:\"a\\qb\"\n"
        "no quotes=sz:\"x\"\n"
        "[]\n"
        "\"Good\"=dword:6\n"
        "\"Text\"=sz:\"ok\"\n";
    const auto keys = registry::readRegistryText(file);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].path, L"HKEY_CURRENT_USER\\A");
    EXPECT_EQ(keys[0].values, (std::vector<std::pair<std::wstring, RegistryValue>>{
                                  {L"Good", dword(6)}, {L"Text", text(L"ok")}}));
}

TEST(RegistryFile, EmptyAndForeignBytesGiveNoKeys) {
    EXPECT_TRUE(registry::readRegistryText("").empty());
    EXPECT_TRUE(registry::readRegistryText(std::string("\0\xff\xfe garbage", 12)).empty());
}

}  // namespace
