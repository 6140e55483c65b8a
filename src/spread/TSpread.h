// TSpread: the window object of a grid control. One method per operation of
// the grid library, each passing the object's own window handle, so that the
// module reaches the grid only through here.
//
// Names and arguments follow the library's functions (SS.h) without their
// "SS" prefix and window handle: SetMaxRows(rows) is SSSetMaxRows(m_hWnd,
// rows). Conventions, bad input and results are the library's (SSTypes.h):
// 1-based coordinates, 0 and -32767 for the headers, -32767 for "all" in a
// block; an object without a live grid window makes every method return its
// failure value (0, -1 or null) and change nothing.
#pragma once

#include <cstdint>

#include "platform/grid/SS.h"
#include "platform/ui/CWnd.h"

class TSpread : public CWnd {
  public:
    TSpread();
    ~TSpread() override;

    // --- Sheet size ---
    BOOL SetMaxCols(SS_COORD columns);
    BOOL SetMaxRows(SS_COORD rows);
    SS_COORD GetMaxCols() const;
    SS_COORD GetMaxRows() const;

    // --- Cell text and numbers ---
    BOOL SetData(SS_COORD column, SS_COORD row, const Tvx_String& text);
    BOOL SetValue(SS_COORD column, SS_COORD row, const Tvx_String& text);
    BOOL GetData(SS_COORD column, SS_COORD row, Tvx_String& text) const;
    BOOL GetValue(SS_COORD column, SS_COORD row, Tvx_String& text) const;
    int GetDataLen(SS_COORD column, SS_COORD row) const;
    int GetCellType(SS_COORD column, SS_COORD row) const;
    BOOL GetFloat(SS_COORD column, SS_COORD row, double& value) const;
    BOOL SetFloat(SS_COORD column, SS_COORD row, double value);

    // --- Tags and notes ---
    BOOL SetCellTag(SS_COORD column, SS_COORD row, const Tvx_String& tag);
    BOOL GetCellTag(SS_COORD column, SS_COORD row, Tvx_String& tag) const;
    BOOL SetCellNote(SS_COORD column, SS_COORD row, const Tvx_String& note);
    BOOL GetCellNote(SS_COORD column, SS_COORD row, Tvx_String& note) const;
    BOOL SetCellNoteIndicator(int mode);
    int GetCellNoteIndicator() const;

    // --- Cell types ---
    SS_CELLTYPE* SetTypeGeneral(SS_CELLTYPE* type) const;
    SS_CELLTYPE* SetTypeEdit(SS_CELLTYPE* type, std::uint32_t style, int maxLength) const;
    SS_CELLTYPE* SetTypeNumber(SS_CELLTYPE* type, int decimals, double minimum, double maximum,
                               BOOL thousandsSeparator) const;
    SS_CELLTYPE* SetTypeStaticText(SS_CELLTYPE* type, std::uint32_t style) const;
    SS_CELLTYPE* SetTypeCheckBox(SS_CELLTYPE* type, std::uint32_t style, const Tvx_String& caption,
                                 const Tvx_String& pictureOff, const Tvx_String& pictureOn) const;
    SS_CELLTYPE* SetTypeComboBox(SS_CELLTYPE* type, std::uint32_t style,
                                 const Tvx_String& items) const;
    SS_CELLTYPE* SetTypeButton(SS_CELLTYPE* type, std::uint32_t style,
                               const Tvx_String& caption) const;
    SS_CELLTYPE* SetTypePicture(SS_CELLTYPE* type, std::uint32_t style,
                                const Tvx_String& picture) const;
    BOOL SetCellType(SS_COORD column, SS_COORD row, const SS_CELLTYPE* type);
    BOOL SetCellTypeRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                          const SS_CELLTYPE* type);
    BOOL GetCellTypeInfo(SS_COORD column, SS_COORD row, SS_CELLTYPE& type) const;

    // --- Spans ---
    BOOL AddCellSpan(SS_COORD column, SS_COORD row, SS_COORD columns, SS_COORD rows);
    BOOL RemoveCellSpan(SS_COORD column, SS_COORD row);
    BOOL GetCellSpan(SS_COORD column, SS_COORD row, SS_COORD& anchorColumn, SS_COORD& anchorRow,
                     SS_COORD& columns, SS_COORD& rows) const;

    // --- Layout ---
    BOOL SetColWidth(SS_COORD column, int width);
    int GetColWidth(SS_COORD column) const;
    BOOL SetRowHeight(SS_COORD row, int height);
    int GetRowHeight(SS_COORD row) const;
    BOOL SetFont(SS_COORD column, SS_COORD row, const SS_FONT& font);
    BOOL SetFontRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                      const SS_FONT& font);
    BOOL GetFont(SS_COORD column, SS_COORD row, SS_FONT& font) const;
    BOOL SetAlignmentRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                           grid::HorizontalAlign horizontal, grid::VerticalAlign vertical);
    BOOL SetBorderRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                        unsigned edges, int style, COLORREF color);
    BOOL SetLock(SS_COORD column, SS_COORD row, BOOL lock);
    BOOL SetLockRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2, BOOL lock);
    BOOL GetLock(SS_COORD column, SS_COORD row, BOOL& locked) const;
    BOOL SetColorRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                       COLORREF background, COLORREF foreground);
    BOOL GetColor(SS_COORD column, SS_COORD row, COLORREF& background, COLORREF& foreground) const;

    // --- Editing ---
    BOOL SetActiveCell(SS_COORD column, SS_COORD row);
    BOOL GetActiveCell(SS_COORD& column, SS_COORD& row) const;
    BOOL SetSelectBlock(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2);
    BOOL GetSelectBlock(SS_COORD& column, SS_COORD& row, SS_COORD& column2, SS_COORD& row2) const;
    BOOL SetEditMode(BOOL on);
    BOOL GetEditMode() const;
    BOOL SetEditSel(int start, int end);
    BOOL GetEditSel(int& start, int& end) const;
    BOOL GetEditText(Tvx_String& text) const;
    BOOL InsRow(SS_COORD row);
    BOOL DelRow(SS_COORD row);
    BOOL InsCol(SS_COORD column);
    BOOL DelCol(SS_COORD column);
    BOOL CopyRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                   SS_COORD destColumn, SS_COORD destRow);
    BOOL MoveRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                   SS_COORD destColumn, SS_COORD destRow);
    BOOL ClipboardCopy();
    BOOL ClipboardCut();
    BOOL ClipboardPaste();

    // --- Options and window settings ---
    BOOL SetBool(int index, BOOL value);
    BOOL GetBool(int index) const;
    BOOL SetAppearance(int appearance);
    int GetAppearance() const;
    BOOL SetSelColor(COLORREF background, COLORREF foreground);
    BOOL GetSelColor(COLORREF& background, COLORREF& foreground) const;
    BOOL SetBackColorStyle(int style);
    int GetBackColorStyle() const;
    BOOL SetGridType(int type);
    int GetGridType() const;
    BOOL SetGridColor(COLORREF color);
    BOOL GetGridColor(COLORREF& color) const;
    BOOL SetActionKey(int action, BOOL shift, BOOL control, int virtualKey);
    BOOL GetActionKey(int action, BOOL& shift, BOOL& control, int& virtualKey) const;
    BOOL Reset();
    BOOL GetTextTip(SS_TEXTTIP& tip) const;
    BOOL SetTextTip(const SS_TEXTTIP& tip);
    BOOL GetScrollBarSize(int& verticalWidth, int& horizontalHeight) const;
    BOOL GetClientArea(int& width, int& height) const;

    // --- Formulas and custom functions ---
    BOOL SetFormula(SS_COORD column, SS_COORD row, const Tvx_String& formula, BOOL recalc);
    BOOL GetFormula(SS_COORD column, SS_COORD row, Tvx_String& formula) const;
    int GetFormulaLen(SS_COORD column, SS_COORD row) const;
    BOOL ReCalcCell(SS_COORD column, SS_COORD row);
    BOOL ReCalc();
    BOOL SetRefStyle(int style);
    int GetRefStyle() const;
    BOOL IsCellError(SS_COORD column, SS_COORD row) const;
    BOOL AddCustomFunctionExt(const Tvx_String& name, int minArguments, int maxArguments,
                              SS_CUSTFUNC callback, long flags);

    // --- Files ---
    BOOL LoadFromFile(const Tvx_String& path);
    BOOL SaveToFile(const Tvx_String& path, BOOL dataOnly);
};
