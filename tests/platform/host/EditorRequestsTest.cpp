// Posted commands, prompts and display updates as the host records them.
#include "platform/host/EditorRequests.h"

#include <gtest/gtest.h>

namespace {

using host::EditorRequest;

TEST(EditorRequests, CommandsAndPromptsAreRecordedInOrder) {
    host::editorRequests().clear();
    EXPECT_TRUE(acedPostCommand(L"CANCELCMD"));
    acedPostCommandPrompt();
    EXPECT_FALSE(acedPostCommand(nullptr));
    EXPECT_TRUE(acedPostCommand(L"REGEN "));
    acedPostCommandPrompt();

    const std::vector<EditorRequest> expected = {
        {EditorRequest::Kind::Command, L"CANCELCMD"},
        {EditorRequest::Kind::Prompt, L""},
        {EditorRequest::Kind::Command, L"REGEN "},
        {EditorRequest::Kind::Prompt, L""},
    };
    EXPECT_EQ(host::editorRequests().requests(), expected);
    EXPECT_EQ(host::editorRequests().postedCommands(),
              (std::vector<Tvx_String>{L"CANCELCMD", L"REGEN "}));
    EXPECT_EQ(host::editorRequests().promptCount(), 2);
}

TEST(EditorRequests, DisplayUpdatesAreCountedUntilCleared) {
    host::editorRequests().clear();
    acedUpdateDisplay();
    acedUpdateDisplay();
    EXPECT_EQ(host::editorRequests().displayUpdates(), 2);
    EXPECT_TRUE(host::editorRequests().requests().empty());
    host::editorRequests().clear();
    EXPECT_EQ(host::editorRequests().displayUpdates(), 0);
}

}  // namespace
