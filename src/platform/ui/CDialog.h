// CDialog: a dialog built from a registered template, run modally (DoModal) or
// modelessly (Create).
//
// Building: the dialog window is created hidden with the template's caption,
// style and size (a popup's position is relative to its owner's client area
// unless DS_ABSALIGN; DS_CENTER centres it), then every control of the template
// in order, each getting the dialog's font; then WM_INITDIALOG runs
// OnInitDialog, and when it answers TRUE the focus goes to the first tab stop.
// A dialog whose template has WS_VISIBLE, and every modal dialog, is shown
// after that. A template id that is not registered, or a control of an
// unknown class, makes the creation fail: Create answers FALSE and DoModal -1,
// with no window left behind.
//
// Modal runs: DoModal disables the owner (the parent given, else the active
// window), builds the dialog and then runs the message loop; between messages
// the current user agent (the scripted user in tests, see UserAgent.h) acts on
// the dialog. When the user has nothing more to do and the dialog is still
// open, the user closes it (WM_CLOSE, which cancels); a dialog that refuses
// even that is ended with IDCANCEL and the agent is told. The loop ends at
// EndDialog; the dialog is then destroyed, the owner enabled and activated
// again, and the EndDialog result returned.
//
// Keys (PreTranslateMessage): Tab and Shift+Tab move between tab stops, arrows
// within a group of radio buttons (checking the radio button reached), Escape
// sends IDCANCEL, Enter sends the focused push button's id or else the default
// button's (IDOK unless a BS_DEFPUSHBUTTON or SetDefID says otherwise) —
// except where the focused control asks for those keys (WM_GETDLGCODE).
#pragma once

#include <memory>

#include "platform/ui/CFont.h"
#include "platform/ui/CWnd.h"

class CDialog : public CWnd {
  public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Builds the dialog modelessly; FALSE when this object has a window
    // already or the template cannot be built.
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Runs the dialog modally; the EndDialog result, or -1 when the dialog
    // cannot be built (or this object has a window already).
    virtual INT_PTR DoModal();
    // Ends the dialog with a result: a modal run returns it; a modeless dialog
    // is hidden. Does nothing without a window.
    void EndDialog(int result);

    // The default writes the members into the controls (UpdateData(FALSE)).
    virtual BOOL OnInitDialog();
    // The default OnOK reads the controls (UpdateData(TRUE)) and, when that
    // succeeds, ends with IDOK; OnCancel ends with IDCANCEL.
    virtual void OnOK();
    virtual void OnCancel();

    UINT templateId() const { return templateId_; }
    bool isModal() const { return modal_; }
    bool hasEnded() const { return ended_; }
    int endResult() const { return result_; }

    // Dialog units of this dialog to pixels.
    void MapDialogRect(LPRECT rect) const;
    // Focus to a control (selecting all text of an edit), to the next or the
    // previous tab stop.
    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT id);
    DWORD GetDefID() const;

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  protected:
    // Handles the dialog keys of a keyboard message meant for this dialog or
    // one of its controls; TRUE when it did.
    BOOL IsDialogMessage(MSG* msg);

  private:
    bool build(HWND parentOrOwner, bool modal);
    void runModalLoop();

    UINT templateId_ = 0;
    CWnd* parent_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    int result_ = -1;
    std::unique_ptr<CFont> templateFont_;
};
