// The scripted user: queued scripts and answers, and the record of the run.
#include "platform/ui/ScriptedUser.h"

#include <algorithm>

#include "platform/ui/CDialog.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timers.h"

namespace ui {

namespace {

Tvx_String dialogName(CDialog& dialog) {
    return L"dialog " + Tvx_String(static_cast<int>(dialog.templateId()));
}

// A menu text as the user reads it: without '&' marks and the accelerator.
Tvx_String readableMenuText(const Tvx_String& text) {
    std::wstring out;
    for (wchar_t c : text.str()) {
        if (c == L'\t')
            break;
        if (c != L'&')
            out += c;
    }
    return Tvx_String(out);
}

}  // namespace

ScriptedUser::ScriptedUser() {
    previous_ = installUserAgent(this);
}

ScriptedUser::~ScriptedUser() {
    installUserAgent(previous_);
}

DialogScript& ScriptedUser::addScript(Tvx_String name, std::function<bool(CDialog&)> matches) {
    scripts_.push_back(QueuedScript{std::move(name), std::move(matches), DialogScript()});
    return scripts_.back().script;
}

DialogScript& ScriptedUser::onDialog(int templateId) {
    return addScript(L"dialog " + Tvx_String(templateId), [templateId](CDialog& d) {
        return static_cast<int>(d.templateId()) == templateId;
    });
}

void ScriptedUser::answerMessageBox(int answer, const Tvx_String& expectedText) {
    boxAnswers_.push_back(BoxAnswer{answer, expectedText});
}

void ScriptedUser::chooseFiles(std::vector<Tvx_String> paths, int filterIndex) {
    fileAnswers_.push_back(FileDialogAnswer{std::move(paths), filterIndex});
}

void ScriptedUser::cancelFileDialog() {
    fileAnswers_.push_back(std::nullopt);
}

void ScriptedUser::chooseMenuCommand(UINT commandId) {
    menuAnswers_.push_back(MenuAnswer{commandId, Tvx_String()});
}

void ScriptedUser::chooseMenuItem(const Tvx_String& text) {
    menuAnswers_.push_back(MenuAnswer{0, text});
}

void ScriptedUser::dismissMenu() {
    menuAnswers_.push_back(std::nullopt);
}
void ScriptedUser::dragTo(CPoint end) {
    dragAnswers_.push_back(end);
}
void ScriptedUser::cancelDrag() {
    dragAnswers_.push_back(std::nullopt);
}

void ScriptedUser::problem(const Tvx_String& text) {
    problems_.push_back(text);
    transcript_.push_back(L"PROBLEM: " + text);
}

bool ScriptedUser::performAction(HWND window, const DialogScript::Action& action) {
    note(action.description);
    const input::Result result = action.perform(window);
    if (!result)
        problem(action.description + L": " + result.failure);
    return result.ok;
}

bool ScriptedUser::perform(HWND window, const DialogScript& script) {
    bool ok = true;
    for (const auto& action : script.actions()) {
        if (!IsWindow(window)) {
            problem(action.description + L": the window is gone");
            return false;
        }
        ok = performAction(window, action) && ok;
    }
    return ok;
}

void ScriptedUser::advance(std::uint64_t milliseconds) {
    note(L"wait " + Tvx_String(static_cast<int>(milliseconds)) + L" ms");
    advanceClock(milliseconds);
}

bool ScriptedUser::actOnModalDialog(CDialog& dialog) {
    const HWND window = dialog.m_hWnd;
    auto running = running_.find(window);
    if (running == running_.end()) {
        const auto queued = std::find_if(scripts_.begin(), scripts_.end(),
                                         [&](QueuedScript& s) { return s.matches(dialog); });
        if (queued == scripts_.end()) {
            problem(L"unexpected " + dialogName(dialog) + L": closed it");
            return false;
        }
        note(dialogName(dialog) + L" opened");
        running = running_.emplace(window, std::move(*queued)).first;
        scripts_.erase(queued);
    }
    auto& actions = running->second.script.actions();
    if (actions.empty()) {
        running_.erase(running);
        problem(L"the script of " + dialogName(dialog) + L" ended with the dialog open: closed it");
        return false;
    }
    const DialogScript::Action action = std::move(actions.front());
    actions.pop_front();
    performAction(window, action);
    // The dialog may have ended; its script is done then.
    if (!IsWindow(window) || dialog.hasEnded()) {
        auto done = running_.find(window);
        if (done != running_.end()) {
            for (const auto& left : done->second.script.actions()) {
                problem(L"not done, " + dialogName(dialog) + L" had ended: " + left.description);
            }
            running_.erase(done);
        }
    }
    return true;
}

void ScriptedUser::modalDialogForcedToEnd(CDialog& dialog) {
    problem(dialogName(dialog) + L" did not close when asked to: ended it with Cancel");
}

int ScriptedUser::answerMessageBox(const MessageBoxPrompt& prompt) {
    const Tvx_String shown = L"message box '" + prompt.caption + L": " + prompt.text + L"'";
    int answer = prompt.defaultAnswer;
    if (boxAnswers_.empty()) {
        problem(L"unexpected " + shown + L": answered " + Tvx_String(answer));
    } else {
        const BoxAnswer queued = boxAnswers_.front();
        boxAnswers_.pop_front();
        const bool offered = std::find(prompt.buttons.begin(), prompt.buttons.end(),
                                       queued.answer) != prompt.buttons.end();
        if (!queued.expectedText.isEmpty() && !prompt.text.contains(queued.expectedText)) {
            problem(shown + L" does not say '" + queued.expectedText + L"'");
        } else if (!offered) {
            problem(shown + L" has no button " + Tvx_String(queued.answer));
        } else {
            answer = queued.answer;
            note(shown + L" answered " + Tvx_String(answer));
        }
    }
    boxes_.push_back(AnsweredBox{prompt, answer});
    return answer;
}

std::optional<FileDialogAnswer> ScriptedUser::answerFileDialog(const FileDialogPrompt& prompt) {
    fileDialogs_.push_back(prompt);
    const Tvx_String shown = L"file dialog '" + prompt.title + L"'";
    if (fileAnswers_.empty()) {
        problem(L"unexpected " + shown + L": cancelled");
        return std::nullopt;
    }
    auto answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    if (!answer) {
        note(shown + L" cancelled");
    } else {
        Tvx_String files;
        for (const auto& p : answer->paths)
            files += (files.isEmpty() ? L"" : L", ") + p;
        note(shown + L": chose " + files);
    }
    return answer;
}

UINT ScriptedUser::answerPopupMenu(const MenuPrompt& prompt) {
    menus_.push_back(prompt);
    if (menuAnswers_.empty()) {
        problem(L"unexpected popup menu: dismissed");
        return 0;
    }
    const auto answer = menuAnswers_.front();
    menuAnswers_.pop_front();
    if (!answer) {
        note(L"popup menu dismissed");
        return 0;
    }
    for (const MenuEntry& e : prompt.entries) {
        if (e.separator || e.id == 0)
            continue;
        const bool hit = answer->text.isEmpty() ? e.id == answer->commandId
                                                : readableMenuText(e.text).equal(
                                                      readableMenuText(answer->text), false);
        if (!hit)
            continue;
        if (!e.enabled) {
            problem(L"popup menu entry '" + e.text + L"' is disabled: dismissed");
            return 0;
        }
        note(L"popup menu: chose '" + e.text + L"'");
        return e.id;
    }
    problem(L"popup menu has no entry " +
            (answer->text.isEmpty() ? Tvx_String(static_cast<int>(answer->commandId))
                                    : L"'" + answer->text + L"'") +
            L": dismissed");
    return 0;
}

std::optional<CPoint> ScriptedUser::answerDrag(const DragPrompt&) {
    if (dragAnswers_.empty()) {
        problem(L"unexpected drag: cancelled");
        return std::nullopt;
    }
    const auto answer = dragAnswers_.front();
    dragAnswers_.pop_front();
    note(answer ? L"drag to (" + Tvx_String(answer->x) + L", " + Tvx_String(answer->y) + L")"
                : Tvx_String(L"drag cancelled"));
    return answer;
}

std::vector<Tvx_String> ScriptedUser::problems() const {
    std::vector<Tvx_String> all = problems_;
    for (const auto& s : scripts_)
        all.push_back(L"script never used: " + s.name);
    for (const auto& b : boxAnswers_) {
        all.push_back(L"message box answer never used: " + Tvx_String(b.answer));
    }
    if (!fileAnswers_.empty())
        all.push_back(L"file dialog answers never used");
    if (!menuAnswers_.empty())
        all.push_back(L"popup menu answers never used");
    if (!dragAnswers_.empty())
        all.push_back(L"drag answers never used");
    return all;
}

}  // namespace ui
