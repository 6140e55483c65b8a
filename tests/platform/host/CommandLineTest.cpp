// acutPrintf and the command-line log.
#include "platform/host/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CommandLineTest : public testing::Test {
  protected:
    void SetUp() override { host::commandLine().clear(); }
    void TearDown() override {
        host::commandLine().setEcho({});
        host::commandLine().clear();
    }
};

TEST_F(CommandLineTest, PrintfAppendsFormattedTextToTheLog) {
    EXPECT_EQ(acutPrintf(L"Erase window failed\n"), 20);
    EXPECT_EQ(acutPrintf(L"%s has %d rows", L"Sheet1", 12), 18);
    EXPECT_EQ(host::commandLine().text(), L"Erase window failed\nSheet1 has 12 rows");
}

TEST_F(CommandLineTest, LinesSplitAtBreaksAndKeepAnUnfinishedLast) {
    struct Case {
        const wchar_t* printed;
        std::vector<Tvx_String> lines;
    };
    const Case cases[] = {
        {L"", {}},
        {L"one\n", {L"one"}},
        {L"one\ntwo", {L"one", L"two"}},
        {L"\n\nx\n", {L"", L"", L"x"}},
    };
    for (const Case& c : cases) {
        host::commandLine().clear();
        acutPrintf(L"%s", c.printed);
        EXPECT_EQ(host::commandLine().lines(), c.lines);
    }
}

TEST_F(CommandLineTest, EchoReceivesEachPieceAsPrinted) {
    std::vector<std::wstring> echoed;
    host::commandLine().setEcho([&](const std::wstring& text) { echoed.push_back(text); });
    acutPrintf(L"a%d", 1);
    acutPrintf(L"");
    acutPrintf(nullptr);
    acutPrintf(L"b\n");
    EXPECT_EQ(echoed, (std::vector<std::wstring>{L"a1", L"b\n"}));
}

}  // namespace
