// TSpread: each grid operation passed on with the window's own handle.
#include "spread/TSpread.h"

TSpread::TSpread() = default;

TSpread::~TSpread() = default;

BOOL TSpread::SetMaxCols(SS_COORD columns) {
    return SSSetMaxCols(m_hWnd, columns);
}

BOOL TSpread::SetMaxRows(SS_COORD rows) {
    return SSSetMaxRows(m_hWnd, rows);
}

SS_COORD TSpread::GetMaxCols() const {
    return SSGetMaxCols(m_hWnd);
}

SS_COORD TSpread::GetMaxRows() const {
    return SSGetMaxRows(m_hWnd);
}

BOOL TSpread::SetData(SS_COORD column, SS_COORD row, const Tvx_String& text) {
    return SSSetData(m_hWnd, column, row, text);
}

BOOL TSpread::SetValue(SS_COORD column, SS_COORD row, const Tvx_String& text) {
    return SSSetValue(m_hWnd, column, row, text);
}

BOOL TSpread::GetData(SS_COORD column, SS_COORD row, Tvx_String& text) const {
    return SSGetData(m_hWnd, column, row, text);
}

BOOL TSpread::GetValue(SS_COORD column, SS_COORD row, Tvx_String& text) const {
    return SSGetValue(m_hWnd, column, row, text);
}

int TSpread::GetDataLen(SS_COORD column, SS_COORD row) const {
    return SSGetDataLen(m_hWnd, column, row);
}

int TSpread::GetCellType(SS_COORD column, SS_COORD row) const {
    return SSGetCellType(m_hWnd, column, row);
}

BOOL TSpread::GetFloat(SS_COORD column, SS_COORD row, double& value) const {
    return SSGetFloat(m_hWnd, column, row, value);
}

BOOL TSpread::SetFloat(SS_COORD column, SS_COORD row, double value) {
    return SSSetFloat(m_hWnd, column, row, value);
}

BOOL TSpread::SetCellTag(SS_COORD column, SS_COORD row, const Tvx_String& tag) {
    return SSSetCellTag(m_hWnd, column, row, tag);
}

BOOL TSpread::GetCellTag(SS_COORD column, SS_COORD row, Tvx_String& tag) const {
    return SSGetCellTag(m_hWnd, column, row, tag);
}

BOOL TSpread::SetCellNote(SS_COORD column, SS_COORD row, const Tvx_String& note) {
    return SSSetCellNote(m_hWnd, column, row, note);
}

BOOL TSpread::GetCellNote(SS_COORD column, SS_COORD row, Tvx_String& note) const {
    return SSGetCellNote(m_hWnd, column, row, note);
}

BOOL TSpread::SetCellNoteIndicator(int mode) {
    return SSSetCellNoteIndicator(m_hWnd, mode);
}

int TSpread::GetCellNoteIndicator() const {
    return SSGetCellNoteIndicator(m_hWnd);
}

SS_CELLTYPE* TSpread::SetTypeGeneral(SS_CELLTYPE* type) const {
    return SSSetTypeGeneral(m_hWnd, type);
}

SS_CELLTYPE* TSpread::SetTypeEdit(SS_CELLTYPE* type, std::uint32_t style, int maxLength) const {
    return SSSetTypeEdit(m_hWnd, type, style, maxLength);
}

SS_CELLTYPE* TSpread::SetTypeNumber(SS_CELLTYPE* type, int decimals, double minimum, double maximum,
                                    BOOL thousandsSeparator) const {
    return SSSetTypeNumber(m_hWnd, type, decimals, minimum, maximum, thousandsSeparator);
}

SS_CELLTYPE* TSpread::SetTypeStaticText(SS_CELLTYPE* type, std::uint32_t style) const {
    return SSSetTypeStaticText(m_hWnd, type, style);
}

SS_CELLTYPE* TSpread::SetTypeCheckBox(SS_CELLTYPE* type, std::uint32_t style,
                                      const Tvx_String& caption, const Tvx_String& pictureOff,
                                      const Tvx_String& pictureOn) const {
    return SSSetTypeCheckBox(m_hWnd, type, style, caption, pictureOff, pictureOn);
}

SS_CELLTYPE* TSpread::SetTypeComboBox(SS_CELLTYPE* type, std::uint32_t style,
                                      const Tvx_String& items) const {
    return SSSetTypeComboBox(m_hWnd, type, style, items);
}

SS_CELLTYPE* TSpread::SetTypeButton(SS_CELLTYPE* type, std::uint32_t style,
                                    const Tvx_String& caption) const {
    return SSSetTypeButton(m_hWnd, type, style, caption);
}

SS_CELLTYPE* TSpread::SetTypePicture(SS_CELLTYPE* type, std::uint32_t style,
                                     const Tvx_String& picture) const {
    return SSSetTypePicture(m_hWnd, type, style, picture);
}

BOOL TSpread::SetCellType(SS_COORD column, SS_COORD row, const SS_CELLTYPE* type) {
    return SSSetCellType(m_hWnd, column, row, type);
}

BOOL TSpread::SetCellTypeRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                               const SS_CELLTYPE* type) {
    return SSSetCellTypeRange(m_hWnd, column, row, column2, row2, type);
}

BOOL TSpread::GetCellTypeInfo(SS_COORD column, SS_COORD row, SS_CELLTYPE& type) const {
    return SSGetCellTypeInfo(m_hWnd, column, row, type);
}

BOOL TSpread::AddCellSpan(SS_COORD column, SS_COORD row, SS_COORD columns, SS_COORD rows) {
    return SSAddCellSpan(m_hWnd, column, row, columns, rows);
}

BOOL TSpread::RemoveCellSpan(SS_COORD column, SS_COORD row) {
    return SSRemoveCellSpan(m_hWnd, column, row);
}

BOOL TSpread::GetCellSpan(SS_COORD column, SS_COORD row, SS_COORD& anchorColumn,
                          SS_COORD& anchorRow, SS_COORD& columns, SS_COORD& rows) const {
    return SSGetCellSpan(m_hWnd, column, row, anchorColumn, anchorRow, columns, rows);
}

BOOL TSpread::SetColWidth(SS_COORD column, int width) {
    return SSSetColWidth(m_hWnd, column, width);
}

int TSpread::GetColWidth(SS_COORD column) const {
    return SSGetColWidth(m_hWnd, column);
}

BOOL TSpread::SetRowHeight(SS_COORD row, int height) {
    return SSSetRowHeight(m_hWnd, row, height);
}

int TSpread::GetRowHeight(SS_COORD row) const {
    return SSGetRowHeight(m_hWnd, row);
}

BOOL TSpread::SetFont(SS_COORD column, SS_COORD row, const SS_FONT& font) {
    return SSSetFont(m_hWnd, column, row, font);
}

BOOL TSpread::SetFontRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                           const SS_FONT& font) {
    return SSSetFontRange(m_hWnd, column, row, column2, row2, font);
}

BOOL TSpread::GetFont(SS_COORD column, SS_COORD row, SS_FONT& font) const {
    return SSGetFont(m_hWnd, column, row, font);
}

BOOL TSpread::SetAlignmentRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                                grid::HorizontalAlign horizontal, grid::VerticalAlign vertical) {
    return SSSetAlignmentRange(m_hWnd, column, row, column2, row2, horizontal, vertical);
}

BOOL TSpread::SetBorderRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                             unsigned edges, int style, COLORREF color) {
    return SSSetBorderRange(m_hWnd, column, row, column2, row2, edges, style, color);
}

BOOL TSpread::SetLock(SS_COORD column, SS_COORD row, BOOL lock) {
    return SSSetLock(m_hWnd, column, row, lock);
}

BOOL TSpread::SetLockRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                           BOOL lock) {
    return SSSetLockRange(m_hWnd, column, row, column2, row2, lock);
}

BOOL TSpread::GetLock(SS_COORD column, SS_COORD row, BOOL& locked) const {
    return SSGetLock(m_hWnd, column, row, locked);
}

BOOL TSpread::SetColorRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                            COLORREF background, COLORREF foreground) {
    return SSSetColorRange(m_hWnd, column, row, column2, row2, background, foreground);
}

BOOL TSpread::GetColor(SS_COORD column, SS_COORD row, COLORREF& background,
                       COLORREF& foreground) const {
    return SSGetColor(m_hWnd, column, row, background, foreground);
}

BOOL TSpread::SetActiveCell(SS_COORD column, SS_COORD row) {
    return SSSetActiveCell(m_hWnd, column, row);
}

BOOL TSpread::GetActiveCell(SS_COORD& column, SS_COORD& row) const {
    return SSGetActiveCell(m_hWnd, column, row);
}

BOOL TSpread::SetSelectBlock(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2) {
    return SSSetSelectBlock(m_hWnd, column, row, column2, row2);
}

BOOL TSpread::GetSelectBlock(SS_COORD& column, SS_COORD& row, SS_COORD& column2,
                             SS_COORD& row2) const {
    return SSGetSelectBlock(m_hWnd, column, row, column2, row2);
}

BOOL TSpread::SetEditMode(BOOL on) {
    return SSSetEditMode(m_hWnd, on);
}

BOOL TSpread::GetEditMode() const {
    return SSGetEditMode(m_hWnd);
}

BOOL TSpread::SetEditSel(int start, int end) {
    return SSSetEditSel(m_hWnd, start, end);
}

BOOL TSpread::GetEditSel(int& start, int& end) const {
    return SSGetEditSel(m_hWnd, start, end);
}

BOOL TSpread::GetEditText(Tvx_String& text) const {
    return SSGetEditText(m_hWnd, text);
}

BOOL TSpread::InsRow(SS_COORD row) {
    return SSInsRow(m_hWnd, row);
}

BOOL TSpread::DelRow(SS_COORD row) {
    return SSDelRow(m_hWnd, row);
}

BOOL TSpread::InsCol(SS_COORD column) {
    return SSInsCol(m_hWnd, column);
}

BOOL TSpread::DelCol(SS_COORD column) {
    return SSDelCol(m_hWnd, column);
}

BOOL TSpread::CopyRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                        SS_COORD destColumn, SS_COORD destRow) {
    return SSCopyRange(m_hWnd, column, row, column2, row2, destColumn, destRow);
}

BOOL TSpread::MoveRange(SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                        SS_COORD destColumn, SS_COORD destRow) {
    return SSMoveRange(m_hWnd, column, row, column2, row2, destColumn, destRow);
}

BOOL TSpread::ClipboardCopy() {
    return SSClipboardCopy(m_hWnd);
}

BOOL TSpread::ClipboardCut() {
    return SSClipboardCut(m_hWnd);
}

BOOL TSpread::ClipboardPaste() {
    return SSClipboardPaste(m_hWnd);
}

BOOL TSpread::SetBool(int index, BOOL value) {
    return SSSetBool(m_hWnd, index, value);
}

BOOL TSpread::GetBool(int index) const {
    return SSGetBool(m_hWnd, index);
}

BOOL TSpread::SetAppearance(int appearance) {
    return SSSetAppearance(m_hWnd, appearance);
}

int TSpread::GetAppearance() const {
    return SSGetAppearance(m_hWnd);
}

BOOL TSpread::SetSelColor(COLORREF background, COLORREF foreground) {
    return SSSetSelColor(m_hWnd, background, foreground);
}

BOOL TSpread::GetSelColor(COLORREF& background, COLORREF& foreground) const {
    return SSGetSelColor(m_hWnd, background, foreground);
}

int TSpread::GetBackColorStyle() const {
    return SSGetBackColorStyle(m_hWnd);
}

BOOL TSpread::GetActionKey(int action, BOOL& shift, BOOL& control, int& virtualKey) const {
    return SSGetActionKey(m_hWnd, action, shift, control, virtualKey);
}

BOOL TSpread::SetBackColorStyle(int style) {
    return SSSetBackColorStyle(m_hWnd, style);
}

BOOL TSpread::SetGridType(int type) {
    return SSSetGridType(m_hWnd, type);
}

int TSpread::GetGridType() const {
    return SSGetGridType(m_hWnd);
}

BOOL TSpread::SetGridColor(COLORREF color) {
    return SSSetGridColor(m_hWnd, color);
}

BOOL TSpread::GetGridColor(COLORREF& color) const {
    return SSGetGridColor(m_hWnd, color);
}

BOOL TSpread::SetActionKey(int action, BOOL shift, BOOL control, int virtualKey) {
    return SSSetActionKey(m_hWnd, action, shift, control, virtualKey);
}

BOOL TSpread::Reset() {
    return SSReset(m_hWnd);
}

BOOL TSpread::GetTextTip(SS_TEXTTIP& tip) const {
    return SSGetTextTip(m_hWnd, tip);
}

BOOL TSpread::SetTextTip(const SS_TEXTTIP& tip) {
    return SSSetTextTip(m_hWnd, tip);
}

BOOL TSpread::GetScrollBarSize(int& verticalWidth, int& horizontalHeight) const {
    return SSGetScrollBarSize(m_hWnd, verticalWidth, horizontalHeight);
}

BOOL TSpread::GetClientArea(int& width, int& height) const {
    return SSGetClientArea(m_hWnd, width, height);
}

BOOL TSpread::SetFormula(SS_COORD column, SS_COORD row, const Tvx_String& formula, BOOL recalc) {
    return SSSetFormula(m_hWnd, column, row, formula, recalc);
}

BOOL TSpread::GetFormula(SS_COORD column, SS_COORD row, Tvx_String& formula) const {
    return SSGetFormula(m_hWnd, column, row, formula);
}

int TSpread::GetFormulaLen(SS_COORD column, SS_COORD row) const {
    return SSGetFormulaLen(m_hWnd, column, row);
}

BOOL TSpread::ReCalcCell(SS_COORD column, SS_COORD row) {
    return SSReCalcCell(m_hWnd, column, row);
}

BOOL TSpread::ReCalc() {
    return SSReCalc(m_hWnd);
}

BOOL TSpread::SetRefStyle(int style) {
    return SSSetRefStyle(m_hWnd, style);
}

int TSpread::GetRefStyle() const {
    return SSGetRefStyle(m_hWnd);
}

BOOL TSpread::IsCellError(SS_COORD column, SS_COORD row) const {
    return SSIsCellError(m_hWnd, column, row);
}

BOOL TSpread::AddCustomFunctionExt(const Tvx_String& name, int minArguments, int maxArguments,
                                   SS_CUSTFUNC callback, long flags) {
    return SSAddCustomFunctionExt(m_hWnd, name, minArguments, maxArguments, callback, flags);
}

BOOL TSpread::LoadFromFile(const Tvx_String& path) {
    return SSLoadFromFile(m_hWnd, path);
}

BOOL TSpread::SaveToFile(const Tvx_String& path, BOOL dataOnly) {
    return SSSaveToFile(m_hWnd, path, dataOnly);
}
