// CDlgFindReplace: the modeless find and replace dialog of a grid (template
// 218), opened by the grid's F3 and F5 keys. It searches the grid for the text
// of 1207 and replaces it with the text of 1209.
//
// While it is open the grid's editing option (the one F8 toggles) is on, so
// that a found text shows selected in its cell; opening it also switches off
// the option by which the arrow keys leave a cell being edited, so that the
// arrows move within a found text. Closing it switches the editing option off
// again when it was off before (the arrow option stays off). Its size is
// kept under "DLG_FINDREPLACE".
#pragma once

#include "platform/ui/CDialog.h"
#include "spread/VtResizeLayout.h"

class Tvx_Spread;

class CDlgFindReplace : public CDialog {
  public:
    static constexpr int kTemplateId = 218;
    static constexpr int kReplaceButton = 1204;
    static constexpr int kReplaceAllButton = 1205;
    static constexpr int kFindLabel = 1206;
    static constexpr int kFindEdit = 1207;
    static constexpr int kReplaceLabel = 1208;
    static constexpr int kReplaceEdit = 1209;
    static constexpr const wchar_t* kSizeKey = L"DLG_FINDREPLACE";

    explicit CDlgFindReplace(Tvx_Spread& sheet);
    ~CDlgFindReplace() override;

    // Shows the dialog, owned by the grid's dialog. False when it cannot be
    // made.
    bool open();

    // Finds the next cell holding the text (see the algorithm in the source);
    // with askWrap, at the end of the sheet the user may go on from its
    // beginning. False, changing nothing, when the text is empty or not found.
    bool findNext(bool askWrap);
    // Finds the next occurrence and replaces it by the replacement text.
    bool replace();
    // Replaces every occurrence in the sheet and reports the number of cells
    // changed; the number of cells (0 for an empty text, reported nothing).
    int replaceAll();

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

  private:
    Tvx_String itemText(int id) const;

    Tvx_Spread& sheet_;
    bool editingOptionWasOn_ = false;
    CSize minimumSize_;
    VtResizeLayout layout_;
};
