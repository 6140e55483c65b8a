// The scripted user of tests (and of drivers that answer prompts): installs
// itself as the user agent for its lifetime and answers every modal dialog,
// message box, file dialog, popup menu and drag from what was queued.
//
//   ui::ScriptedUser user;
//   user.onDialog(kGridTemplate).type(kCountEdit, L"5").click(IDOK);
//   user.answerMessageBox(IDYES);
//   user.chooseFile(L"c:\\lib\\stock.shp");
//   EXPECT_EQ(dialog.DoModal(), IDOK);
//   EXPECT_TRUE(user.problems().empty());
//
// Scripts for dialogs are taken in the order queued: a modal dialog gets the
// first unused script whose template id (or C++ class) matches. Answers to
// message boxes, file dialogs, menus and drags are each used in the order
// queued. Whatever is not scripted gets the absent user's answer (Cancel, the
// default button, dismissed) and is reported in problems(), as are failed
// actions, answers that do not fit, a script that runs out with its dialog
// still open (the dialog is then closed), and scripts or answers never used.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <typeinfo>
#include <vector>

#include "platform/ui/DialogScript.h"
#include "platform/ui/UserAgent.h"

namespace ui {

class ScriptedUser : public UserAgent {
  public:
    ScriptedUser();
    ~ScriptedUser() override;
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    // A script for the next modal dialog built from a template id.
    DialogScript& onDialog(int templateId);
    // A script for the next modal dialog of a C++ class (or a class derived
    // from it).
    template <typename DialogClass>
    DialogScript& onDialog() {
        return addScript(Tvx_String::fromUtf8(typeid(DialogClass).name()),
                         [](CDialog& d) { return dynamic_cast<DialogClass*>(&d) != nullptr; });
    }

    // The answer to the next message box; with expectedText, the box's text
    // must contain it (else a problem is reported and the default is given).
    void answerMessageBox(int answer, const Tvx_String& expectedText = Tvx_String());
    // The next file dialog chooses these files (full paths or names in the
    // start folder).
    void chooseFiles(std::vector<Tvx_String> paths, int filterIndex = 1);
    void chooseFile(const Tvx_String& path) { chooseFiles({path}); }
    void cancelFileDialog();
    // The next popup menu: choose the entry with a command id, or with a text
    // (ignoring '&' marks, letter case and anything after a tab), or dismiss it.
    void chooseMenuCommand(UINT commandId);
    void chooseMenuItem(const Tvx_String& text);
    void dismissMenu();
    // The next drag ends at a point (client coordinates of the dragged-in
    // window), or is cancelled.
    void dragTo(CPoint end);
    void cancelDrag();

    // Performs a script on a window at once (a modeless dialog, a main window);
    // false when an action failed (reported in problems()).
    bool perform(HWND window, const DialogScript& script);
    // Lets time pass: the message loop runs and timers fire.
    void advance(std::uint64_t milliseconds);

    // Everything that went wrong or was not scripted, plus what was queued and
    // never used; empty when the run went as scripted.
    std::vector<Tvx_String> problems() const;
    // Every action and prompt, in order.
    const std::vector<Tvx_String>& transcript() const { return transcript_; }
    // The message boxes shown, in order, with the answers given.
    struct AnsweredBox {
        MessageBoxPrompt prompt;
        int answer = 0;
    };
    const std::vector<AnsweredBox>& messageBoxes() const { return boxes_; }
    const std::vector<FileDialogPrompt>& fileDialogs() const { return fileDialogs_; }
    const std::vector<MenuPrompt>& menus() const { return menus_; }

    // UserAgent.
    bool actOnModalDialog(CDialog& dialog) override;
    void modalDialogForcedToEnd(CDialog& dialog) override;
    int answerMessageBox(const MessageBoxPrompt& prompt) override;
    std::optional<FileDialogAnswer> answerFileDialog(const FileDialogPrompt& prompt) override;
    UINT answerPopupMenu(const MenuPrompt& prompt) override;
    std::optional<CPoint> answerDrag(const DragPrompt& prompt) override;

  private:
    struct QueuedScript {
        Tvx_String name;
        std::function<bool(CDialog&)> matches;
        DialogScript script;
    };
    struct BoxAnswer {
        int answer;
        Tvx_String expectedText;
    };
    struct MenuAnswer {
        UINT commandId = 0;
        Tvx_String text;
    };

    DialogScript& addScript(Tvx_String name, std::function<bool(CDialog&)> matches);
    void problem(const Tvx_String& text);
    void note(const Tvx_String& text) { transcript_.push_back(text); }
    // Performs one action on a window, reporting a failure.
    bool performAction(HWND window, const DialogScript::Action& action);

    UserAgent* previous_ = nullptr;
    std::deque<QueuedScript> scripts_;
    std::map<HWND, QueuedScript> running_;  // scripts bound to open dialogs
    std::deque<BoxAnswer> boxAnswers_;
    std::deque<std::optional<FileDialogAnswer>> fileAnswers_;
    std::deque<std::optional<MenuAnswer>> menuAnswers_;
    std::deque<std::optional<CPoint>> dragAnswers_;
    std::vector<Tvx_String> problems_;
    std::vector<Tvx_String> transcript_;
    std::vector<AnsweredBox> boxes_;
    std::vector<FileDialogPrompt> fileDialogs_;
    std::vector<MenuPrompt> menus_;
};

}  // namespace ui
