// The installed user agent and the absent user.
#include "platform/ui/UserAgent.h"

#include "platform/ui/CDialog.h"

namespace ui {

namespace {

std::vector<Tvx_String>& promptLog() {
    static auto* log = new std::vector<Tvx_String>;  // see WindowTree
    return *log;
}

// Nobody at the keyboard: everything is cancelled or gets its default.
class AbsentUser : public UserAgent {
  public:
    bool actOnModalDialog(CDialog& dialog) override {
        promptLog().push_back(L"dialog " + Tvx_String(static_cast<int>(dialog.templateId())) +
                              L" closed");
        return false;
    }
    void modalDialogForcedToEnd(CDialog& dialog) override {
        promptLog().push_back(L"dialog " + Tvx_String(static_cast<int>(dialog.templateId())) +
                              L" forced to end");
    }
    int answerMessageBox(const MessageBoxPrompt& prompt) override {
        promptLog().push_back(L"message box '" + prompt.caption + L": " + prompt.text +
                              L"' answered " + Tvx_String(prompt.defaultAnswer));
        return prompt.defaultAnswer;
    }
    std::optional<FileDialogAnswer> answerFileDialog(const FileDialogPrompt& prompt) override {
        promptLog().push_back(L"file dialog '" + prompt.title + L"' cancelled");
        return std::nullopt;
    }
    UINT answerPopupMenu(const MenuPrompt&) override {
        promptLog().push_back(L"popup menu dismissed");
        return 0;
    }
    std::optional<CPoint> answerDrag(const DragPrompt&) override {
        promptLog().push_back(L"drag cancelled");
        return std::nullopt;
    }
};

AbsentUser& absentUser() {
    static auto* user = new AbsentUser;
    return *user;
}

UserAgent*& installed() {
    static UserAgent* agent = nullptr;
    return agent;
}

}  // namespace

UserAgent& currentUserAgent() {
    return installed() ? *installed() : absentUser();
}

UserAgent* installUserAgent(UserAgent* agent) {
    UserAgent* previous = installed();
    installed() = agent;
    return previous;
}

const std::vector<Tvx_String>& unansweredPrompts() {
    return promptLog();
}
void clearUnansweredPrompts() {
    promptLog().clear();
}

}  // namespace ui
