// What the frame's tests share: a user who acts on modal dialogs as told, and
// a modeless macro dialog for the slot table.
#pragma once

#include <deque>
#include <functional>

#include "frame/VtModelessMacroDlg.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/UserAgent.h"

namespace frametest {

// A user who performs, for each modal dialog that waits, the next queued
// action; with none left, the dialog is left alone (and then closed).
class ActingUser : public ui::UserAgent {
  public:
    ActingUser() { previous_ = ui::installUserAgent(this); }
    ~ActingUser() override { ui::installUserAgent(previous_); }

    std::deque<std::function<void(CDialog&)>> actions;
    int forcedEnds = 0;

    bool actOnModalDialog(CDialog& dialog) override {
        if (actions.empty())
            return false;
        auto action = std::move(actions.front());
        actions.pop_front();
        action(dialog);
        return true;
    }
    void modalDialogForcedToEnd(CDialog&) override { ++forcedEnds; }
    int answerMessageBox(const ui::MessageBoxPrompt& prompt) override {
        return prompt.defaultAnswer;
    }
    std::optional<ui::FileDialogAnswer> answerFileDialog(const ui::FileDialogPrompt&) override {
        return std::nullopt;
    }
    UINT answerPopupMenu(const ui::MenuPrompt&) override { return 0; }
    std::optional<CPoint> answerDrag(const ui::DragPrompt&) override { return std::nullopt; }

  private:
    ui::UserAgent* previous_ = nullptr;
};

// Clicks a button of a dialog as a user does.
inline void click(CDialog& dialog, int id) {
    CWnd* button = dialog.GetDlgItem(id);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
                       reinterpret_cast<LPARAM>(button ? button->GetSafeHwnd() : nullptr));
}

inline constexpr int kTestMacroTemplate = 60301;

// A modeless macro dialog whose busy flag the test sets.
class TestMacroDialog : public CDialog, public VtModelessMacroDlg {
  public:
    explicit TestMacroDialog(bool failWindow = false) : failWindow_(failWindow) {
        ui::DialogTemplate t(kTestMacroTemplate, 0, 0, 100, 60, L"Macro",
                             WS_POPUP | WS_CAPTION | WS_VISIBLE);
        t.defPushButton(IDOK, L"OK", 5, 40, 40, 14);
        ui::registerDialogTemplate(t);
        ++liveCount;
    }
    ~TestMacroDialog() override { --liveCount; }

    CDialog& dialog() override { return *this; }
    bool isBusy() const override { return busy; }
    const MacroData& macroData() const override { return data_; }
    void setMacroData(const MacroData& data) override { data_ = data; }
    void setSlot(int slot) override { this->slot = slot; }
    bool createModeless(CWnd* parent) override {
        return !failWindow_ && Create(kTestMacroTemplate, parent);
    }

    bool busy = false;
    int slot = -1;
    static inline int liveCount = 0;

  private:
    MacroData data_;
    bool failWindow_;
};

}  // namespace frametest
