// CEdit: single- and multi-line edit controls with a selection, read-only
// mode, a text limit and the modified flag.
//
// What the user types replaces the selection and sends EN_UPDATE then
// EN_CHANGE; so does setting the text from code (WM_SETTEXT, which also puts
// the caret at the start and clears the modified flag) and EM_REPLACESEL. A
// read-only edit ignores typing. With ES_NUMBER only digits are taken; with
// ES_UPPERCASE / ES_LOWERCASE letters are converted. Typing past the text
// limit is refused with EN_MAXTEXT. Lines of a multi-line edit are separated
// by "\r\n"; Enter inserts a line break only with ES_WANTRETURN (otherwise it
// goes to the dialog's default button). Gaining and losing the focus send
// EN_SETFOCUS and EN_KILLFOCUS.
//
// Positions are in characters and clamped into the text; -1 as the end of a
// selection means the end of the text, -1 as its start removes the selection.
#pragma once

#include "platform/ui/CWnd.h"

class CEdit : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetSel(int start, int end, BOOL noScroll = FALSE);
    // The selection; both 0 without a window.
    void GetSel(int& start, int& end) const;
    DWORD GetSel() const;
    void ReplaceSel(const Tvx_String& text, BOOL canUndo = FALSE);
    void Clear();
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    // 0 means no limit.
    void SetLimitText(UINT maxChars);
    void LimitText(int maxChars = 0) { SetLimitText(static_cast<UINT>(maxChars)); }
    UINT GetLimitText() const;
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    int GetLineCount() const;
    // The index of the first character of a line (-1: the caret's line); -1
    // for a line past the end.
    int LineIndex(int line = -1) const;
    // The length of the line holding a character index (-1: the caret's line).
    int LineLength(int charIndex = -1) const;
    int LineFromChar(int charIndex = -1) const;
    // The text of a line; empty for a line past the end.
    Tvx_String GetLineText(int line) const;

  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Whether this kind of edit reports changes (rich edits only with their
    // event mask).
    virtual bool reportsChanges() const { return true; }

  private:
    // Replaces the selection with text (filtered and limited when typed by the
    // user); false when nothing could be inserted.
    bool replaceSelection(const Tvx_String& text, bool typed);
    void reportChange();
};
