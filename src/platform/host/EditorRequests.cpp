// The host's record of posted commands, prompts and display updates.
#include "platform/host/EditorRequests.h"

#include <algorithm>

bool acedPostCommand(const wchar_t* command) {
    if (!command)
        return false;
    host::editorRequests().record({host::EditorRequest::Kind::Command, Tvx_String(command)});
    return true;
}

void acedPostCommandPrompt() {
    host::editorRequests().record({host::EditorRequest::Kind::Prompt, Tvx_String()});
}

void acedUpdateDisplay() {
    host::editorRequests().countDisplayUpdate();
}

namespace host {

std::vector<Tvx_String> EditorRequestLog::postedCommands() const {
    std::vector<Tvx_String> commands;
    for (const EditorRequest& request : requests_) {
        if (request.kind == EditorRequest::Kind::Command)
            commands.push_back(request.command);
    }
    return commands;
}

int EditorRequestLog::promptCount() const {
    return static_cast<int>(std::count_if(requests_.begin(), requests_.end(), [](const auto& r) {
        return r.kind == EditorRequest::Kind::Prompt;
    }));
}

void EditorRequestLog::clear() {
    requests_.clear();
    displayUpdates_ = 0;
}

EditorRequestLog& editorRequests() {
    static EditorRequestLog log;
    return log;
}

}  // namespace host
