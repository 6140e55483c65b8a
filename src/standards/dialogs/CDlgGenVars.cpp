// The general-variables dialog.
#include "standards/dialogs/CDlgGenVars.h"

#include "platform/core/ArrayText.h"
#include "platform/core/NumberedTexts.h"
#include "platform/core/Tvx_Settings.h"
#include "platform/grid/GridEvents.h"
#include "platform/grid/GridWindow.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/registry/DialogSizes.h"
#include "standards/dialogs/DlgOpenMulti.h"

namespace {

constexpr const wchar_t* kSizeKey = L"DLG_GENVARS";
constexpr int kUpIcon = 257;
constexpr int kDownIcon = 258;
constexpr int kUpTooltip = 173;
constexpr int kDownTooltip = 174;
constexpr int kButtonColumnWidth = 16;
constexpr const wchar_t* kButtonCaption = L"...";
constexpr const wchar_t* kMacrosFolder = L"Macros\\";

using layout::Side;

// The dialog stretches across its width; the two frames share its height,
// the grids fill them, the row buttons keep their size at the right of their
// frame, OK and Cancel at the bottom right.
std::vector<layout::BorderRule> borderRules() {
    using layout::keepSize;
    using layout::proportional;
    using layout::toControl;
    using layout::toDialog;
    const auto buttonBeside = [](int id, int frame) {
        return layout::BorderRule{id, keepSize(), toControl(frame, Side::Top),
                                  toControl(frame, Side::Right), keepSize()};
    };
    const auto gridIn = [](int id, int frame) {
        return layout::BorderRule{id, toControl(frame, Side::Left), toControl(frame, Side::Top),
                                  toControl(frame, Side::Right), toControl(frame, Side::Bottom)};
    };
    return {
        {CDlgGenVars::kDrawingFrame, toDialog(Side::Left), toDialog(Side::Top),
         toDialog(Side::Right), proportional()},
        {CDlgGenVars::kStandardsFrame, toDialog(Side::Left), proportional(), toDialog(Side::Right),
         toDialog(Side::Bottom)},
        gridIn(CDlgGenVars::kDrawingGrid, CDlgGenVars::kDrawingFrame),
        gridIn(CDlgGenVars::kStandardsGrid, CDlgGenVars::kStandardsFrame),
        buttonBeside(CDlgGenVars::kDrawingInsert, CDlgGenVars::kDrawingFrame),
        buttonBeside(CDlgGenVars::kDrawingDelete, CDlgGenVars::kDrawingFrame),
        buttonBeside(CDlgGenVars::kStandardsInsert, CDlgGenVars::kStandardsFrame),
        buttonBeside(CDlgGenVars::kStandardsDelete, CDlgGenVars::kStandardsFrame),
        buttonBeside(CDlgGenVars::kDrawingUp, CDlgGenVars::kDrawingFrame),
        buttonBeside(CDlgGenVars::kDrawingDown, CDlgGenVars::kDrawingFrame),
        buttonBeside(CDlgGenVars::kStandardsUp, CDlgGenVars::kStandardsFrame),
        buttonBeside(CDlgGenVars::kStandardsDown, CDlgGenVars::kStandardsFrame),
        {IDOK, keepSize(), keepSize(), toDialog(Side::Right), toDialog(Side::Bottom)},
        {IDCANCEL, keepSize(), keepSize(), toDialog(Side::Right), toDialog(Side::Bottom)},
    };
}

// Writes a column from row 1 on; the sheet holds one row per entry.
void fillColumn(Tvx_Spread& grid, int column, const Tvx_StringArray& values) {
    for (int row = 1; row <= values.length(); ++row)
        grid.setCellText(column, row, values[row - 1]);
}

Tvx_StringArray readColumn(const Tvx_Spread& grid, int column) {
    Tvx_StringArray values;
    for (int row = 1; row <= grid.getMaxRows(); ++row) {
        Tvx_String text;
        grid.getCellText(column, row, text, Tvx_Spread::kValueText);
        values.append(text);
    }
    return values;
}

}  // namespace

void CDlgGenVars::registerTemplate() {
    ui::DialogTemplate dialog(IDD, 0, 0, 380, 300, L"General variables",
                              DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
    dialog.groupBox(kDrawingFrame, L"", 7, 4, 366, 128)
        .control(kDrawingGrid, L"STATIC", L"", SS_LEFT, 14, 16, 300, 110)
        .pushButton(kDrawingInsert, L"", 320, 16, 46, 14)
        .pushButton(kDrawingDelete, L"", 320, 34, 46, 14)
        .pushButton(kDrawingUp, L"", 320, 56, 22, 16)
        .pushButton(kDrawingDown, L"", 344, 56, 22, 16)
        .groupBox(kStandardsFrame, L"", 7, 136, 366, 134)
        .control(kStandardsGrid, L"STATIC", L"", SS_LEFT, 14, 148, 300, 116)
        .pushButton(kStandardsInsert, L"", 320, 148, 46, 14)
        .pushButton(kStandardsDelete, L"", 320, 166, 46, 14)
        .pushButton(kStandardsUp, L"", 320, 188, 22, 16)
        .pushButton(kStandardsDown, L"", 344, 188, 22, 16)
        .defPushButton(IDOK, L"", 262, 278, 54, 14)
        .pushButton(IDCANCEL, L"", 320, 278, 54, 14);
    ui::registerDialogTemplate(dialog);
}

CDlgGenVars::CDlgGenVars(CWnd* parent) : CDialog(IDD, parent) {
    registerTemplate();
    onClicked(kDrawingInsert, [this] { insertRow(drawingPart()); });
    onClicked(kDrawingDelete, [this] { deleteRow(drawingPart()); });
    onClicked(kDrawingUp, [this] { moveRow(drawingPart(), -1); });
    onClicked(kDrawingDown, [this] { moveRow(drawingPart(), 1); });
    onClicked(kStandardsInsert, [this] { insertRow(standardsPart()); });
    onClicked(kStandardsDelete, [this] { deleteRow(standardsPart()); });
    onClicked(kStandardsUp, [this] { moveRow(standardsPart(), -1); });
    onClicked(kStandardsDown, [this] { moveRow(standardsPart(), 1); });
    onNotify(kDrawingGrid, grid::kNotifyButtonClicked, [this](NMHDR* header, LRESULT*) {
        const auto* cell = reinterpret_cast<const SS_CELLNOTIFY*>(header);
        onGridButton(drawingPart(), cell->column, cell->row);
    });
    onNotify(kStandardsGrid, grid::kNotifyButtonClicked, [this](NMHDR* header, LRESULT*) {
        const auto* cell = reinterpret_cast<const SS_CELLNOTIFY*>(header);
        onGridButton(standardsPart(), cell->column, cell->row);
    });
}

BOOL CDlgGenVars::OnInitDialog() {
    CDialog::OnInitDialog();
    CRect window;
    GetWindowRect(&window);
    minimumWidth_ = window.Width();
    minimumHeight_ = window.Height();
    resizer_.Init(this, borderRules());
    ChangeDlgSize(this, kSizeKey);

    grid::registerGridWindowClass();
    drawingGrid_.attachToDlgItem(this, kDrawingGrid, false);
    standardsGrid_.attachToDlgItem(this, kStandardsGrid, false);

    const int buttonIds[] = {kDrawingUp, kDrawingDown, kStandardsUp, kStandardsDown};
    for (size_t i = 0; i < moveButtons_.size(); ++i) {
        const bool up = buttonIds[i] == kDrawingUp || buttonIds[i] == kStandardsUp;
        moveButtons_[i].SubclassDlgItem(static_cast<UINT>(buttonIds[i]), this);
        moveButtons_[i].SetIcon(up ? kUpIcon : kDownIcon);
        moveButtons_[i].SetTooltipText(up ? kUpTooltip : kDownTooltip);
    }

    SetWindowText(string(1764));
    SetDlgItemText(IDOK, string(1));
    SetDlgItemText(IDCANCEL, string(2));
    for (int id : {kDrawingInsert, kStandardsInsert})
        SetDlgItemText(id, string(606));
    for (int id : {kDrawingDelete, kStandardsDelete})
        SetDlgItemText(id, string(607));
    SetDlgItemText(kDrawingFrame, string(1762));
    SetDlgItemText(kStandardsFrame, string(1763));

    setUpGrid(drawingPart(), {1543, 86, 347});
    setUpGrid(standardsPart(), {1543, 86, 1765, 347});

    Tvx_Spread& drawing = drawingGrid_;
    drawing.setMaxRows(std::max(1, data_.dwgGenVars.length()));
    fillColumn(drawing, 1, data_.dwgGenVars);
    fillColumn(drawing, 2, data_.dwgGenValues);
    fillColumn(drawing, 3, data_.dwgGenFilters);
    Tvx_Spread& standards = standardsGrid_;
    standards.setMaxRows(std::max(1, data_.stdGenVars.length()));
    fillColumn(standards, 1, data_.stdGenVars);
    fillColumn(standards, 2, data_.stdGenValues);
    fillColumn(standards, 3, data_.stdGenOverrides);
    fillColumn(standards, 4, data_.stdGenFilters);
    layOutButtonColumn(drawingPart());
    layOutButtonColumn(standardsPart());
    return TRUE;
}

void CDlgGenVars::setUpGrid(const GridPart& part, std::initializer_list<int> headerTexts) {
    Tvx_Spread& grid = *part.grid;
    grid.applyHouseStyle(1);
    grid.SetBool(grid::kOptionRowHeaders, FALSE);
    grid.setMaxCols(part.buttonColumn);
    int column = 1;
    for (int text : headerTexts)
        grid.setCellText(column++, 0, string(text));
    grid.setCellText(part.buttonColumn, 0, Tvx_String());
    grid.setLayout(4, part.buttonColumn, kButtonColumnWidth);
}

void CDlgGenVars::layOutButtonColumn(const GridPart& part) {
    Tvx_Spread& grid = *part.grid;
    const int rows = grid.getMaxRows();
    for (int row = 0; row <= rows; ++row) {
        for (int column = 0; column <= part.buttonColumn; ++column)
            grid.RemoveCellSpan(column, row);
    }
    grid.mergeEqualCells(1);
    SS_CELLTYPE button;
    if (rows > 0 && grid.SetTypeButton(&button, 0, kButtonCaption))
        grid.SetCellTypeRange(part.buttonColumn, 1, part.buttonColumn, rows, &button);
    grid.AddCellSpan(part.filterColumn, 0, 2, 1);
}

int CDlgGenVars::activeRow(const GridPart& part) const {
    SS_COORD column = 0, row = 0, column2 = 0, row2 = 0;
    if (part.grid->GetSelectBlock(column, row, column2, row2) && row >= 1)
        return std::min(row, row2);
    if (part.grid->GetActiveCell(column, row))
        return row;
    return 0;
}

void CDlgGenVars::insertRow(const GridPart& part) {
    part.grid->insertRow(std::max(1, activeRow(part)));
    layOutButtonColumn(part);
}

void CDlgGenVars::deleteRow(const GridPart& part) {
    part.grid->deleteRow(activeRow(part));
    layOutButtonColumn(part);
}

void CDlgGenVars::moveRow(const GridPart& part, int step) {
    Tvx_Spread& grid = *part.grid;
    const int row = activeRow(part);
    const int other = row + step;
    if (row < 1 || other < 1 || other > grid.getMaxRows())
        return;
    for (int column = 1; column < part.buttonColumn; ++column) {
        Tvx_String here;
        Tvx_String there;
        grid.getCellText(column, row, here, Tvx_Spread::kValueText);
        grid.getCellText(column, other, there, Tvx_Spread::kValueText);
        grid.setCellText(column, row, there);
        grid.setCellText(column, other, here);
    }
    SS_COORD column = 1, ignored = 0;
    grid.GetActiveCell(column, ignored);
    grid.SetActiveCell(column, other);
    layOutButtonColumn(part);
}

void CDlgGenVars::chooseFilterEntries(const GridPart& part, int row) {
    const Tvx_String macros = gSettings.libDir() + kMacrosFolder;
    Tvx_StringArray chosen;
    if (!DlgOpenMulti(this, L"dwg", L"AutoCAD Drawing",
                      L"Select the drawings and folders that apply to this general variable",
                      macros, chosen))
        return;
    Tvx_String filter;
    part.grid->getCellText(part.filterColumn, row, filter, Tvx_Spread::kValueText);
    Tvx_StringArray entries = strToArr(filter, L';');
    for (const Tvx_String& path : chosen) {
        if (path.startsWith(macros, false))
            entries.append(path.getSubStringAt(macros.length()));
    }
    part.grid->setCellText(part.filterColumn, row, arrToStr(entries, L';'));
}

void CDlgGenVars::onGridButton(const GridPart& part, int column, int row) {
    if (column == part.buttonColumn && row >= 1)
        chooseFilterEntries(part, row);
}

void CDlgGenVars::OnOK() {
    data_.dwgGenVars = readColumn(drawingGrid_, 1);
    data_.dwgGenValues = readColumn(drawingGrid_, 2);
    data_.dwgGenFilters = readColumn(drawingGrid_, 3);
    data_.stdGenVars = readColumn(standardsGrid_, 1);
    data_.stdGenValues = readColumn(standardsGrid_, 2);
    data_.stdGenOverrides = readColumn(standardsGrid_, 3);
    data_.stdGenFilters = readColumn(standardsGrid_, 4);
    CDialog::OnOK();
}

void CDlgGenVars::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
    Invalidate();
}

void CDlgGenVars::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = minimumWidth_;
    info->ptMinTrackSize.y = minimumHeight_;
}

void CDlgGenVars::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CDialog::OnDestroy();
}
