// Message boxes and their listeners.
#include "platform/ui/MessageBox.h"

#include <algorithm>
#include <map>

#include "platform/ui/WinApi.h"

namespace ui {

namespace {

Tvx_String& title() {
    static auto* t = new Tvx_String(L"vtss");
    return *t;
}

struct Listeners {
    std::map<int, MessageBoxListener> byToken;
    int nextToken = 1;
};

Listeners& listeners() {
    static auto* l = new Listeners;
    return *l;
}

}  // namespace

void setApplicationTitle(const Tvx_String& text) {
    title() = text;
}
const Tvx_String& applicationTitle() {
    return title();
}

std::vector<int> messageBoxButtons(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE:
            return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL:
            return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO:
            return {IDYES, IDNO};
        case MB_RETRYCANCEL:
            return {IDRETRY, IDCANCEL};
        case MB_CANCELTRYCONTINUE:
            return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
        default:
            return {IDOK};
    }
}

int messageBoxDefault(UINT type) {
    const std::vector<int> buttons = messageBoxButtons(type);
    const size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int addMessageBoxListener(MessageBoxListener listener) {
    const int token = listeners().nextToken++;
    listeners().byToken[token] = std::move(listener);
    return token;
}

bool removeMessageBoxListener(int token) {
    return listeners().byToken.erase(token) > 0;
}

}  // namespace ui

int MessageBox(HWND owner, const Tvx_String& text, const Tvx_String& caption, UINT type) {
    ui::MessageBoxPrompt prompt;
    prompt.owner = IsWindow(owner) ? owner : nullptr;
    prompt.caption = caption.isEmpty() ? ui::applicationTitle() : caption;
    prompt.text = text;
    prompt.type = type;
    prompt.icon = type & MB_ICONMASK;
    prompt.buttons = ui::messageBoxButtons(type);
    prompt.defaultAnswer = ui::messageBoxDefault(type);
    int answer = ui::currentUserAgent().answerMessageBox(prompt);
    if (std::find(prompt.buttons.begin(), prompt.buttons.end(), answer) == prompt.buttons.end()) {
        answer = prompt.defaultAnswer;
    }
    // Copy: a listener may add or remove listeners.
    const auto current = ui::listeners().byToken;
    for (const auto& [token, listener] : current)
        listener(prompt, answer);
    return answer;
}

int AfxMessageBox(const Tvx_String& text, UINT type, UINT) {
    return MessageBox(GetActiveWindow(), text, Tvx_String(), type);
}
