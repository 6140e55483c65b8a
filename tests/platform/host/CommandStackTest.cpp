// Commands and command groups on the host's command stack.
#include "platform/host/CommandStack.h"

#include <gtest/gtest.h>

namespace {

void commandA() {}
void commandB() {}

TEST(CommandStack, RemovingAGroupRemovesAllItsCommandsAndNoOthers) {
    AcEdCommandStack stack;
    ASSERT_EQ(stack.addCommand(L"TAVERIX_SS", L"SSEDIT", L"SSEDIT", 0, &commandA), eOk);
    ASSERT_EQ(stack.addCommand(L"TAVERIX_SS", L"SSCALC", nullptr, 0, &commandB), eOk);
    ASSERT_EQ(stack.addCommand(L"OTHER", L"OTHERCMD", L"ANDERS", 0, &commandA), eOk);

    EXPECT_EQ(stack.lookupCmd(L"ssCalc"), &commandB);
    EXPECT_EQ(stack.lookupCmd(L"anders"), &commandA);
    EXPECT_EQ(stack.removeGroup(L"taverix_ss"), eOk);
    EXPECT_FALSE(stack.hasGroup(L"TAVERIX_SS"));
    EXPECT_EQ(stack.lookupCmd(L"SSEDIT"), nullptr);
    EXPECT_EQ(stack.commandCount(), 1);
    EXPECT_EQ(stack.removeGroup(L"TAVERIX_SS"), eInvalidInput) << "a group with no commands";
}

TEST(CommandStack, BadRegistrationsAreRefused) {
    AcEdCommandStack stack;
    ASSERT_EQ(stack.addCommand(L"G", L"ONE", nullptr, 0, &commandA), eOk);
    EXPECT_EQ(stack.addCommand(L"H", L"one", nullptr, 0, &commandB), eInvalidInput);
    EXPECT_EQ(stack.addCommand(nullptr, L"TWO", nullptr, 0, &commandB), eInvalidInput);
    EXPECT_EQ(stack.addCommand(L"G", L"", nullptr, 0, &commandB), eInvalidInput);
    EXPECT_EQ(stack.addCommand(L"G", L"TWO", nullptr, 0, nullptr), eInvalidInput);
    EXPECT_EQ(stack.removeCmd(L"H", L"ONE"), eInvalidInput);
    EXPECT_EQ(stack.removeCmd(L"G", L"ONE"), eOk);
    EXPECT_EQ(stack.commandCount(), 0);
    EXPECT_EQ(stack.removeGroup(nullptr), eInvalidInput);
}

TEST(CommandStack, TheHostsStackIsInTheSystemRegistry) {
    ASSERT_NE(acedRegCmds(), nullptr);
    EXPECT_EQ(acedRegCmds(),
              AcEdCommandStack::cast(acrxSysRegistry()->at(L"ACAD_REGISTERED_COMMANDS")));
}

}  // namespace
