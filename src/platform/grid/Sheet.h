// The sheet model: a sparse table of cells with their values, formulas, tags,
// notes, types and formats, the settings of whole columns and rows, spans, the
// active cell and the selected block.
//
// Coordinates: columns 1..columnCount() and rows 1..rowCount() are the body;
// column 0 is the header column, row 0 the header row, (0, 0) the corner cell.
// Every function refuses (false, nothing changed) coordinates outside that range.
//
// Memory follows what cells hold: only cells with a value, formula, tag, note or
// a format of their own are stored, and only columns and rows with a size or
// format of their own, so an empty sheet of a million rows costs almost nothing.
//
// Formats are layered. A setting of a body cell comes from the cell itself, else
// from its row, else from its column, else from the sheet, else the built-in
// default. A header-row cell looks at itself, then row 0; a header-column cell
// at itself, then column 0; both then at the built-in header default. Setting a
// format on a block makes every cell of the block show it: finer levels inside
// the block lose that setting (and where a row's own setting would hide a new
// column setting, the cell at the crossing takes it).
//
// Formulas are kept as text with their last computed value; the formula engine
// reads and writes both through setFormula / setFormulaResult. The value of a
// formula cell is that computed value.
//
// Every change of what a saved file would hold, except the active cell and the
// selection, sets the change flag (changed()); only setChanged clears it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/grid/CellFormat.h"
#include "platform/grid/CellLookupMemo.h"
#include "platform/grid/CellText.h"
#include "platform/grid/CellType.h"
#include "platform/grid/CellValue.h"
#include "platform/grid/SpanSet.h"
#include "platform/grid/formula/parser/ReferenceRewriter.h"

namespace grid {

struct Cell {
    CellValue value;       // the computed value when the cell has a formula
    std::wstring formula;  // empty: no formula
    std::wstring tag;
    std::wstring note;
    std::uint32_t format = 0;  // the cell's own settings (FormatTable id)

    bool isEmpty() const {
        return value.isEmpty() && formula.empty() && tag.empty() && note.empty() && format == 0;
    }
};

struct CellKey {
    int row = 0;
    int column = 0;
    friend auto operator<=>(const CellKey&, const CellKey&) = default;
};

// The cells of a sheet by position (row by row). Assigning another store
// assigns cell to cell where both hold a position, so that loading a sheet
// over the same one again reuses the cells' nodes and the room of their texts.
class CellStore : public std::map<CellKey, Cell> {
  public:
    CellStore() = default;
    CellStore(const CellStore&) = default;
    CellStore(CellStore&&) = default;
    CellStore& operator=(CellStore&&) = default;
    CellStore& operator=(const CellStore& other);
    ~CellStore() = default;
};

// The settings of one whole column or row.
struct Line {
    int size = -1;             // width or height in pixels; -1: the default
    std::uint32_t format = 0;  // FormatTable id
};

// A rectangle of cells. A dimension marked "all" covers every body column (or
// row), present and future; the corresponding first/last fields are unused.
struct Block {
    int firstColumn = 1;
    int firstRow = 1;
    int lastColumn = 1;
    int lastRow = 1;
    bool allColumns = false;
    bool allRows = false;

    static Block cell(int column, int row) { return {column, row, column, row, false, false}; }
    bool contains(int column, int row) const {
        const bool inColumns =
            allColumns ? column >= 1 : column >= firstColumn && column <= lastColumn;
        const bool inRows = allRows ? row >= 1 : row >= firstRow && row <= lastRow;
        return inColumns && inRows;
    }
    friend bool operator==(const Block&, const Block&) = default;
};

// What clearing a block removes.
enum class ClearScope { Contents, Everything };

// Told of the changes that matter to the sheet's formulas (SheetFormulas):
// the value of one cell written (its formula, if any, gone), or a change of
// the sheet's size or layout that may have moved or removed formula cells.
// Writing formulas and their results is not reported.
class SheetObserver {
  public:
    virtual ~SheetObserver() = default;
    virtual void cellValueChanged(int column, int row) = 0;
    virtual void layoutChanged() = 0;
};

class Sheet {
  public:
    Sheet() = default;

    // --- size --------------------------------------------------------------
    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }
    // Refused beyond kMaxColumns / kMaxRows or below 0. Shrinking drops the
    // cells, column or row settings and span parts beyond the new edge.
    bool setColumnCount(int columns);
    bool setRowCount(int rows);
    // True for header and body cells of the current size.
    bool contains(int column, int row) const;
    // True when the block's explicit bounds lie inside the sheet (headers included).
    bool contains(const Block& block) const;

    // --- content -------------------------------------------------------------
    const Cell* findCell(int column, int row) const;
    CellValue value(int column, int row) const;
    std::wstring valueText(int column, int row) const;
    // The value text written over `out`, keeping its room (empty outside the sheet).
    void writeValueText(int column, int row, std::wstring& out) const;
    std::wstring displayText(int column, int row) const;
    // The cell's number: a number or logical as it is, a text that is wholly a
    // number read as one; nothing otherwise (and outside the sheet).
    std::optional<double> number(int column, int row) const;
    // Writes text by the rules of CellText (removing any formula); refused
    // when the cell's type refuses the text.
    bool setText(int column, int row, std::wstring_view text, TextReading reading);
    bool setNumber(int column, int row, double number);
    // Sets the value as it is, without the type's rules (removing any formula);
    // used by readers that restore a saved value. An empty text empties the cell.
    bool setValue(int column, int row, const CellValue& value);
    // A formula (its text, without "=") with its computed value; an empty
    // formula empties the cell's value and formula.
    bool setFormula(int column, int row, std::wstring_view formula, const CellValue& result);
    // Replaces the computed value of a formula cell; refused for other cells.
    bool setFormulaResult(int column, int row, const CellValue& result);
    std::wstring formula(int column, int row) const;
    int typeCode(int column, int row) const;

    bool setTag(int column, int row, std::wstring tag);
    std::wstring tag(int column, int row) const;
    bool setNote(int column, int row, std::wstring note);
    std::wstring note(int column, int row) const;

    // --- formats -----------------------------------------------------------
    // Gives every cell of the block the settings that `patch` holds (see the
    // layering above). Refused for a block outside the sheet or an empty patch.
    bool applyFormat(const Block& block, const CellFormat& patch);
    // applyFormat for one cell and a patch holding only `type`, without
    // building the patch. Refused outside the sheet.
    bool applyType(int column, int row, const CellType& type);
    ResolvedFormat resolvedFormat(int column, int row) const;
    // The type that resolvedFormat would give, without resolving the other
    // settings; valid until the sheet's formats next change.
    const CellType& cellType(int column, int row) const;
    // The levels as stored, for the sheet file.
    const CellFormat& format(std::uint32_t id) const { return formats_.get(id); }
    const CellFormat& sheetFormat() const { return formats_.get(sheetFormat_); }
    void setSheetFormat(const CellFormat& format);
    bool setCellFormat(int column, int row, const CellFormat& format);
    bool setColumnFormat(int column, const CellFormat& format);
    bool setRowFormat(int row, const CellFormat& format);

    // --- column widths and row heights (pixels, 0..kMaxLineSize) -------------
    bool setColumnWidth(int column, int width);
    int columnWidth(int column) const;
    bool setRowHeight(int row, int height);
    int rowHeight(int row) const;

    const std::map<CellKey, Cell>& cells() const { return cells_; }
    const std::map<int, Line>& columnLines() const { return columnLines_; }
    const std::map<int, Line>& rowLines() const { return rowLines_; }

    // --- spans -----------------------------------------------------------------
    // A span covers at least two cells, lies inside the sheet and either
    // wholly in the body, wholly in the header row (to the right of the
    // corner) or wholly in the header column (below it); it may not overlap
    // another span.
    bool addSpan(const Span& span);
    // Removes the span containing the cell.
    bool removeSpan(int column, int row);
    std::optional<Span> spanAt(int column, int row) const;
    const SpanSet& spans() const { return spans_; }

    // --- structure -------------------------------------------------------------
    // Insert pushes the line at the position and those after it one further
    // (the last line falls off the sheet's end); the new line is empty.
    // Delete removes the line and pulls the later ones back; the last line
    // becomes empty. Counts stay. Cells, tags, settings and spans move along; a
    // span grows (shrinks) when the line is inserted (deleted) inside it.
    // Positions: 1..count. Formulas follow the cells they refer to (see
    // SheetFormulas.h): references shift with their lines, ranges widen or
    // shrink, and a reference to a deleted cell (or one that fell off the
    // end) becomes #REF!.
    bool insertRow(int row);
    bool deleteRow(int row);
    bool insertColumn(int column);
    bool deleteColumn(int column);
    // Copies (moves) everything the source block's cells hold to the block of
    // the same size at the destination, which replaces what was there; spans
    // wholly inside the source go along, spans touching the destination are
    // dropped. A dimension that is "all" stays all (its destination is
    // ignored) and carries the column or row settings along. Both blocks must
    // lie inside the sheet; the whole sheet cannot be copied. A copied
    // formula's relative references shift by the offset; moving makes every
    // reference to the moved cells follow them (see SheetFormulas.h).
    bool copyBlock(const Block& source, int column, int row);
    bool moveBlock(const Block& source, int column, int row);
    bool clearBlock(const Block& block, ClearScope scope);

    // --- active cell and selection ---------------------------------------------
    // The active cell is a body cell; it is moved inside when the sheet shrinks.
    bool setActiveCell(int column, int row);
    int activeColumn() const { return activeColumn_; }
    int activeRow() const { return activeRow_; }
    // A selected block of body cells (allColumns / allRows allowed); setting
    // one makes its top-left cell active; clearing leaves the active cell.
    bool setSelection(const Block& block);
    void clearSelection();
    const std::optional<Block>& selection() const { return selection_; }

    bool changed() const { return changed_; }
    void setChanged(bool changed) { changed_ = changed; }

    // The observer told of changes (null: none). A copy of a sheet has none:
    // the observer watches this sheet only.
    void setObserver(SheetObserver* observer) { observer_.observer = observer; }

    // Same size, cells, settings, spans, active cell and selection (the change
    // flag is not compared).
    friend bool operator==(const Sheet& a, const Sheet& b);

  private:
    enum class Axis { Columns, Rows };

    // The value of a stored cell, or an empty value for none (no copy).
    static const CellValue& valueOf(const Cell* cell);
    // cellType for a cell already looked up (findCell's answer).
    const CellType& cellTypeOf(int column, int row, const Cell* cell) const;
    // Writes the value as setValue does, taking it over.
    bool storeValue(int column, int row, CellValue value);
    Cell* cellForWriting(int column, int row);
    void dropIfEmpty(int column, int row);
    bool setLineSize(std::map<int, Line>& lines, int index, int size, int count);
    void setLineFormat(std::map<int, Line>& lines, int index, const CellFormat& format);
    void eraseFromCells(const Block& block, const CellFormat& mask);
    void eraseFromLines(std::map<int, Line>& lines, bool includeHeader, const CellFormat& mask);
    void applyToColumn(int column, const CellFormat& patch);
    void applyToRow(int row, const CellFormat& patch);
    void overlayCell(int column, int row, const CellFormat& patch);
    // Gives the cell found at (column, row) (`kept`, null for none) its own format.
    void setOwnFormat(int column, int row, const Cell* kept, std::uint32_t format);

    int count(Axis axis) const { return axis == Axis::Columns ? columns_ : rows_; }
    std::map<int, Line>& lines(Axis axis) {
        return axis == Axis::Columns ? columnLines_ : rowLines_;
    }
    bool shiftLines(Axis axis, int position, int delta);
    void truncate(Axis axis, int newCount);
    void keepActiveInside();
    bool transferBlock(const Block& source, int column, int row, bool move);
    // Rewrites the references of one cell's formula (of every formula) by the
    // map; a formula text that does not parse is left as it is.
    static void adjustFormula(Cell& cell, const formula::ReferenceMap& map);
    void adjustFormulaReferences(const formula::ReferenceMap& map);

    int columns_ = 0;
    int rows_ = 0;
    CellStore cells_;
    // The cells by position (CellLookupMemo.h).
    mutable CellLookupMemo<Cell> foundCells_;
    std::map<int, Line> columnLines_;
    std::map<int, Line> rowLines_;
    std::uint32_t sheetFormat_ = 0;
    FormatTable formats_;
    SpanSet spans_;
    int activeColumn_ = 1;
    int activeRow_ = 1;
    std::optional<Block> selection_;
    bool changed_ = false;

    // Not copied with the sheet.
    struct ObserverSlot {
        SheetObserver* observer = nullptr;
        ObserverSlot() = default;
        ObserverSlot(const ObserverSlot&) {}
        ObserverSlot& operator=(const ObserverSlot&) { return *this; }
    };
    ObserverSlot observer_;
    void notifyValueChanged(int column, int row) const {
        if (observer_.observer)
            observer_.observer->cellValueChanged(column, row);
    }
    void notifyLayoutChanged() const {
        if (observer_.observer)
            observer_.observer->layoutChanged();
    }
    // Reports a layout change when done is true; returns done.
    bool reportLayout(bool done) const {
        if (done)
            notifyLayoutChanged();
        return done;
    }
};

// The built-in settings that apply where no level sets anything.
ResolvedFormat defaultBodyFormat();
ResolvedFormat defaultHeaderFormat();

}  // namespace grid
