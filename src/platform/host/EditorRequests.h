// Requests the module makes of the host's editor: posted commands, the
// re-issued command prompt and display updates, recorded in the order made.
#pragma once

#include <vector>

#include "platform/core/Tvx_String.h"

// Queues a command for the host to run once the current one ends; recorded in
// order. A null text is refused (false, nothing recorded).
bool acedPostCommand(const wchar_t* command);
// Asks the host to show its command prompt again; recorded in order.
void acedPostCommandPrompt();
// Asks the host to redraw the drawing; counted.
void acedUpdateDisplay();

namespace host {

struct EditorRequest {
    enum class Kind { Command, Prompt };
    Kind kind = Kind::Command;
    Tvx_String command;  // the posted command; empty for a prompt

    friend bool operator==(const EditorRequest&, const EditorRequest&) = default;
};

// What the module asked of the editor since the start or the last clear.
class EditorRequestLog {
  public:
    void record(EditorRequest request) { requests_.push_back(std::move(request)); }
    void countDisplayUpdate() { ++displayUpdates_; }
    const std::vector<EditorRequest>& requests() const { return requests_; }
    // The posted commands alone, in order.
    std::vector<Tvx_String> postedCommands() const;
    int promptCount() const;
    int displayUpdates() const { return displayUpdates_; }
    void clear();

  private:
    std::vector<EditorRequest> requests_;
    int displayUpdates_ = 0;
};

// The host's one log of editor requests.
EditorRequestLog& editorRequests();

}  // namespace host
