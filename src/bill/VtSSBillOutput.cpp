// VtSSBillOutput: rows, pictures and subtotals into the editor's sheet, and the
// bill file with its print settings at the end.
#include "bill/VtSSBillOutput.h"

#include <algorithm>

#include "bill/BillDate.h"
#include "platform/core/FileOperations.h"
#include "platform/core/PathText.h"
#include "platform/core/bill/BillPictures.h"
#include "platform/grid/GridWindow.h"
#include "platform/grid/SS.h"
#include "platform/ui/gdi/BmpFormat.h"
#include "platform/ui/gdi/GdiHandles.h"
#include "sheeteditor/ApplySettingsFile.h"
#include "sheeteditor/CopyPageFile.h"
#include "sheeteditor/DlgSSAsTool.h"
#include "sheeteditor/VtSSSettings.h"
#include "spread/Tvx_Spread.h"

namespace {

// The progress steps the picture maker takes beyond one per picture.
constexpr int kProgressExtraSteps = 20;
constexpr int kTextCellLength = 200;
constexpr double kNumberLimit = 99999999999999.0;

constexpr unsigned kAllEdges = SS_BORDER_LEFT | SS_BORDER_RIGHT | SS_BORDER_TOP | SS_BORDER_BOTTOM;
constexpr int kBorderNone = 0;
constexpr int kBorderSolid = 1;
constexpr int kBorderDashDotDot = 6;
// Subtotal cells: every edge and the outline, solid, on light blue.
constexpr unsigned kSubTotalEdges = 31;
constexpr COLORREF kSubTotalBackground = RGB(164, 209, 255);
// The bill's grid lines: both kinds, solid, dark grey.
constexpr int kBillGridType = grid::kGridTypeBits;
constexpr COLORREF kBillGridColour = RGB(50, 50, 50);
// The mark before a picture: its right edge and outline.
constexpr unsigned kPictureMarkEdges = 18;
constexpr COLORREF kBorderColour = RGB(0, 0, 0);

// The grid's type code of a picture cell.
constexpr int kPictureTypeCode = 6;

constexpr wchar_t kTitleSeparator = L'\u00BF';

// The bill file's name without folder and extension, less everything up to and
// including its last "¿".
Tvx_String billTitle(const Tvx_String& fileName) {
    Tvx_String name;
    getFileName(removeExtension(fileName), name);
    const std::wstring& text = name.str();
    const size_t separator = text.rfind(kTitleSeparator);
    if (separator == std::wstring::npos)
        return name;
    return Tvx_String(text.substr(separator + 1));
}

// No border, no span, and the system's window colours.
void clearCellMarks(Tvx_Spread& sheet, int column, int row) {
    sheet.SetBorderRange(column, row, column, row, kAllEdges | SS_BORDER_OUTLINE, kBorderNone,
                         kBorderColour);
    sheet.RemoveCellSpan(column, row);
    sheet.SetColorRange(column, row, column, row, GetSysColor(COLOR_WINDOW),
                        GetSysColor(COLOR_WINDOWTEXT));
}

Tvx_String billDateNow(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    return formatBillDate(local);
}

}  // namespace

VtSSBillOutput::VtSSBillOutput() : tool_(std::make_unique<DlgSSAsTool>()) {
    // The editor window's grid is a window of the grid's class.
    grid::registerGridWindowClass();
}

VtSSBillOutput::~VtSSBillOutput() = default;

Tvx_Spread* VtSSBillOutput::getSSPointer() const {
    return tool_->getSpread();
}

ErrorStatus VtSSBillOutput::init(const Tvx_String& fileName, const Tvx_StringArray& columnNames,
                                 const Tvx_IntArray& columnKinds, const Tvx_String& settingsFile,
                                 const Tvx_StringArray& varNames,
                                 const Tvx_StringArray& varValues) {
    if (!tool_->open())
        return eNoBillWindow;
    Tvx_Spread* sheet = tool_->getSpread();
    if (sheet == nullptr)
        return eNoBillWindow;
    fileName_ = fileName;
    row_ = 0;
    applySettingsFile(*sheet, settingsFile, true);
    sheet->SetGridType(kBillGridType);
    sheet->SetGridColor(kBillGridColour);
    varNames_ = varNames;
    varValues_ = varValues;
    sheet->setMaxCols(columnNames.length(), true);
    for (int column = 1; column <= columnNames.length(); ++column)
        sheet->setCellText(column, 0, columnNames[column - 1]);
    columnKinds_ = columnKinds;
    return eOk;
}

void VtSSBillOutput::setVars(int pictureHeight, int pictureCount, int pictureMargin,
                             bool pictureInColour, bool pictureFramed, Tvx_Bill* bill,
                             AcTransaction* transaction) {
    pictureHeight_ = pictureHeight;
    pictureCount_ = pictureCount;
    pictureMargin_ = pictureMargin;
    pictureInColour_ = pictureInColour;
    pictureFramed_ = pictureFramed;
    bill_ = bill;
    transaction_ = transaction;
}

ErrorStatus VtSSBillOutput::onStartFeed() {
    if (hasPictureSource())
        initBMPDialog(pictureCount_ + kProgressExtraSteps);
    return eOk;
}

void VtSSBillOutput::clearGrownRow(Tvx_Spread& sheet, int row) {
    const int columns = sheet.getMaxCols();
    SS_CELLTYPE general;
    const bool haveGeneral = sheet.SetTypeGeneral(&general) != nullptr;
    for (int column = 1; column <= columns; ++column) {
        sheet.SetData(column, row, Tvx_String());
        clearCellMarks(sheet, column, row);
        if (haveGeneral && sheet.getCellType(column, row) == kPictureTypeCode)
            sheet.SetCellType(column, row, &general);
    }
}

bool VtSSBillOutput::advanceRow(Tvx_Spread& sheet) {
    const int next = row_ + 1;
    const int rows = sheet.getMaxRows();
    if (next > rows) {
        if (!sheet.setMaxRows(next + kGrowRows, true))
            return false;
        for (int row = rows + 1; row <= next + kGrowRows; ++row)
            clearGrownRow(sheet, row);
    }
    row_ = next;
    return true;
}

void VtSSBillOutput::setRowProperties(Tvx_Spread& sheet, int row) {
    const int columns = std::min(sheet.getMaxCols(), columnKinds_.length());
    for (int column = 1; column <= columns; ++column) {
        SS_CELLTYPE type;
        bool made = false;
        switch (columnKinds_[column - 1]) {
            case kKindWholeNumber:
                made = sheet.SetTypeNumber(&type, 0, -kNumberLimit, kNumberLimit, FALSE) != nullptr;
                break;
            case kKindOneDecimal:
                made = sheet.SetTypeNumber(&type, 1, -kNumberLimit, kNumberLimit, FALSE) != nullptr;
                break;
            case kKindText:
                made = sheet.SetTypeEdit(&type, 0, kTextCellLength) != nullptr;
                break;
            default:
                made = sheet.SetTypeGeneral(&type) != nullptr;
                break;
        }
        if (made)
            sheet.SetCellType(column, row, &type);
    }
    for (int column = 1; column <= columns; ++column)
        clearCellMarks(sheet, column, row);
}

bool VtSSBillOutput::addRow(const Tvx_StringArray& values, const Tvx_String& pictureFile) {
    Tvx_Spread* sheet = getSSPointer();
    if (sheet == nullptr)
        return false;
    if (sheet->getMaxCols() < values.length() && !sheet->setMaxCols(values.length(), true))
        return false;
    if (!advanceRow(*sheet))
        return false;
    setRowProperties(*sheet, row_);
    for (int column = 1; column <= values.length(); ++column)
        sheet->SetValue(column, row_, values[column - 1]);
    sheet->setRowHeightToText(row_);
    if (!pictureFile.isEmpty() && ObjectExportFileExists(pictureFile))
        return addPictureRow(*sheet, pictureFile);
    return true;
}

bool VtSSBillOutput::addPictureRow(Tvx_Spread& sheet, const Tvx_String& pictureFile) {
    const std::optional<PixelImage> picture = loadBmpFile(pictureFile);
    if (!picture)
        return true;
    if (sheet.getMaxCols() < 2 && !sheet.setMaxCols(2, true))
        return false;
    if (!advanceRow(sheet))
        return false;
    const int columns = sheet.getMaxCols();
    sheet.SetRowHeight(row_, picture->height());
    if (columns > 2)
        sheet.AddCellSpan(2, row_, columns - 1, 1);
    SS_CELLTYPE pictureType;
    if (sheet.SetTypePicture(&pictureType, 0, pictureFile) != nullptr)
        sheet.SetCellType(2, row_, &pictureType);
    sheet.SetBorderRange(1, row_, 1, row_, kPictureMarkEdges, kBorderDashDotDot, kBorderColour);
    SS_CELLTYPE markType;
    const Tvx_String mark = Tvx_String(L"#") + Tvx_String(kPictureMarkBitmap);
    if (sheet.SetTypePicture(&markType, 0, mark) != nullptr)
        sheet.SetCellType(1, row_, &markType);
    return true;
}

Tvx_String VtSSBillOutput::keepRowPicture() {
    Tvx_String made;
    if (!createImage(bill_, transaction_, pictureHeight_, pictureCount_, pictureMargin_,
                     pictureInColour_, pictureFramed_, made))
        return Tvx_String();
    Tvx_String kept;
    if (!fileName_.isEmpty()) {
        const Tvx_String folder = removeExtension(fileName_) + L"_pictures\\";
        const Tvx_String target = folder + L"row" + Tvx_String(row_ + 2) + L".bmp";
        if (ObjectExportCreateDirectory(folder) && ObjectExportCopyFile(made, target, true))
            kept = target;
    }
    deleteFile(made);
    return kept;
}

ErrorStatus VtSSBillOutput::onAddRow(const Tvx_StringArray& values) {
    if (getSSPointer() == nullptr)
        return eInvalidInput;
    const Tvx_String picture = hasPictureSource() ? keepRowPicture() : Tvx_String();
    return addRow(values, picture) ? eOk : eInvalidInput;
}

ErrorStatus VtSSBillOutput::onAddSubTotals(const Tvx_StringArray& values, const Tvx_IntArray&, bool,
                                           int) {
    if (!addRow(values, Tvx_String()))
        return eInvalidInput;
    Tvx_Spread& sheet = *getSSPointer();
    const int columns = sheet.getMaxCols();
    for (int column = 1; column <= columns; ++column) {
        Tvx_String text;
        sheet.GetValue(column, row_, text);
        if (text.isEmpty())
            continue;
        sheet.SetBorderRange(column, row_, column, row_, kSubTotalEdges, kBorderSolid,
                             kBorderColour);
        sheet.SetColorRange(column, row_, column, row_, kSubTotalBackground, SS_COLOR_UNCHANGED);
    }
    return eOk;
}

void VtSSBillOutput::putHeaderVariablesInFront() {
    const std::time_t now = clock_ ? clock_() : std::time(nullptr);
    varNames_.insertAt(0, L"BillFilename");
    varValues_.insertAt(0, fileName_);
    varNames_.insertAt(0, L"Title");
    varValues_.insertAt(0, billTitle(fileName_));
    varNames_.insertAt(0, L"Date");
    varValues_.insertAt(0, billDateNow(now));
}

bool VtSSBillOutput::writePrintSettings(Tvx_Spread& sheet) const {
    VtSSSettings settings;
    if (!settings.readFromSheet(sheet))
        return false;
    settings.setVarNames(varNames_);
    settings.setVarValues(varValues_);
    return settings.writeToSheet(sheet);
}

bool VtSSBillOutput::copyPageFilesBesideBill(Tvx_Spread& sheet) const {
    VtSSSettings settings;
    if (!settings.readFromSheet(sheet))
        return false;
    const bool headerCopied = copyPageFile(settings, fileName_, true);
    const bool footerCopied = copyPageFile(settings, fileName_, false);
    if (!headerCopied && !footerCopied)
        return false;
    return settings.writeToSheet(sheet);
}

ErrorStatus VtSSBillOutput::onEndFeed() {
    if (hasPictureSource())
        closeBMPDialog();
    Tvx_Spread* sheet = getSSPointer();
    if (sheet == nullptr)
        return eInvalidInput;
    if (row_ < sheet->getMaxRows())
        sheet->setMaxRows(row_);
    const int columns = sheet->getMaxCols();
    SS_CELLTYPE staticText;
    if (columns > 0 && sheet->SetTypeStaticText(&staticText, 0) != nullptr)
        sheet->SetCellTypeRange(1, 0, columns, 0, &staticText);
    sheet->fitAllColumns(true);
    putHeaderVariablesInFront();
    writePrintSettings(*sheet);
    if (!sheet->SaveToFile(fileName_, FALSE))
        return eInvalidInput;
    if (copyPageFilesBesideBill(*sheet) && !sheet->SaveToFile(fileName_, FALSE))
        return eInvalidInput;
    return eOk;
}
