// References following the cells they name: formula texts rewritten for rows
// and columns inserted and deleted, blocks moved and formulas copied.
#include <gtest/gtest.h>

#include <string>

#include "platform/grid/formula/ReferenceEdits.h"
#include "platform/grid/formula/parser/Formula.h"
#include "platform/grid/formula/parser/FormulaPrinter.h"
#include "platform/grid/formula/parser/Parser.h"
#include "platform/grid/formula/parser/ReferenceRewriter.h"

namespace formula {
namespace {

struct EditCase {
    const char* name;
    const wchar_t* before;
    const wchar_t* after;
};

std::wstring rewritten(const wchar_t* text, const ReferenceMap& map) {
    return rewriteA1Text(text, map).value_or(L"(does not parse)");
}

void expectAll(const EditCase* begin, const EditCase* end, const ReferenceMap& map) {
    for (const EditCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->name);
        EXPECT_EQ(rewritten(c->before, map), c->after);
    }
}

TEST(ReferenceEditsTest, InsertedRowsShiftReferencesAtOrAfterThemAndWidenRanges) {
    // Two rows inserted at row 3.
    const EditCase cases[] = {
        {"above the insertion", L"A2+$B$2", L"A2+$B$2"},
        {"at the insertion, relative and absolute", L"A3+$B$3+B$3+$B3", L"A5+$B$5+B$5+$B5"},
        {"after the insertion", L"C10*2", L"C12*2"},
        {"range spanning it widens", L"SUM(A1:A5)", L"SUM(A1:A7)"},
        {"range starting at it moves", L"SUM(A3:B4)", L"SUM(A5:B6)"},
        {"range ending above it stays", L"SUM(A1:A2)", L"SUM(A1:A2)"},
        {"absolute range spanning it", L"SUM($A$2:$A$3)", L"SUM($A$2:$A$5)"},
        {"texts and names stay", L"\"A3\"&foo", L"\"A3\"&foo"},
    };
    expectAll(std::begin(cases), std::end(cases), [](const ReferenceParts& reference) {
        return afterLinesInserted(reference, LineAxis::Rows, 3, 2);
    });
}

TEST(ReferenceEditsTest, InsertedColumnsShiftReferencesAtOrAfterThem) {
    // One column inserted at column B.
    const EditCase cases[] = {
        {"before", L"A1", L"A1"},
        {"at", L"B1+$B$1", L"C1+$C$1"},
        {"range across", L"SUM(A1:C3)", L"SUM(A1:D3)"},
        {"rows untouched", L"A2:A9", L"A2:A9"},
        {"past Z", L"Z1", L"AA1"},
        {"past the last column a reference can name", L"ZZZ1+ZZY1", L"#REF!+ZZZ1"},
    };
    expectAll(std::begin(cases), std::end(cases), [](const ReferenceParts& reference) {
        return afterLinesInserted(reference, LineAxis::Columns, 2, 1);
    });
}

TEST(ReferenceEditsTest, DeletedRowsShiftBackShrinkRangesAndLoseTheirCells) {
    // Rows 3 and 4 deleted.
    const EditCase cases[] = {
        {"above", L"A2", L"A2"},
        {"deleted cell", L"A3*2", L"#REF!*2"},
        {"deleted absolute cell", L"$A$4+1", L"#REF!+1"},
        {"after, relative and absolute", L"A5+$A$6", L"A3+$A$4"},
        {"range spanning them shrinks", L"SUM(A1:A6)", L"SUM(A1:A4)"},
        {"range starting inside", L"SUM(A4:A8)", L"SUM(A3:A6)"},
        {"range ending inside", L"SUM(A2:A3)", L"SUM(A2:A2)"},
        {"range wholly deleted", L"SUM(A3:B4)", L"SUM(#REF!)"},
        {"one of two references lost", L"IF(A3>0,A5,A1)", L"IF(#REF!>0,A3,A1)"},
    };
    expectAll(std::begin(cases), std::end(cases), [](const ReferenceParts& reference) {
        return afterLinesDeleted(reference, LineAxis::Rows, 3, 2);
    });
}

TEST(ReferenceEditsTest, DeletedColumnsShiftBackAndLoseTheirCells) {
    // Column B deleted.
    const EditCase cases[] = {
        {"before", L"A1", L"A1"},
        {"deleted", L"B7", L"#REF!"},
        {"after", L"$C$1+D2", L"$B$1+C2"},
        {"range across", L"SUM(A1:C1)", L"SUM(A1:B1)"},
        {"range of the column", L"SUM(B1:B9)", L"SUM(#REF!)"},
    };
    expectAll(std::begin(cases), std::end(cases), [](const ReferenceParts& reference) {
        return afterLinesDeleted(reference, LineAxis::Columns, 2, 1);
    });
}

TEST(ReferenceEditsTest, MovedBlocksTakeTheReferencesToThemAlong) {
    // B2:C3 moved two columns right and one row down (to D3:E4).
    const Area source{2, 2, 3, 3};
    const EditCase cases[] = {
        {"cell in the block", L"B2+$C$3", L"D3+$E$4"},
        {"range in the block", L"SUM(B2:C3)", L"SUM(D3:E4)"},
        {"cell outside both", L"A1", L"A1"},
        {"overwritten cell", L"E4", L"#REF!"},
        {"range reaching out of the block stays", L"SUM(A1:B2)", L"SUM(A1:B2)"},
    };
    expectAll(std::begin(cases), std::end(cases), [&](const ReferenceParts& reference) {
        return afterBlockMoved(reference, source, 2, 1);
    });
}

TEST(ReferenceEditsTest, CopiedFormulasShiftTheirRelativePartsOnly) {
    // Copied one column left and two rows down, on a sheet of 5 columns and 10 rows.
    const EditCase cases[] = {
        {"relative", L"B1*2", L"A3*2"},
        {"absolute", L"$B$1*2", L"$B$1*2"},
        {"mixed", L"B$1+$B1", L"A$1+$B3"},
        {"range", L"SUM(B1:C2)", L"SUM(A3:B4)"},
        {"crossed corners reordered part by part", L"SUM($C$1:C2)", L"SUM(B$1:$C4)"},
        {"pushed off the left edge", L"A1+1", L"#REF!+1"},
        {"range pushed off", L"SUM(A1:B1)", L"SUM(#REF!)"},
        {"pushed past the last row", L"B9", L"#REF!"},
    };
    expectAll(std::begin(cases), std::end(cases), [](const ReferenceParts& reference) {
        return afterFormulaCopied(reference, -1, 2, 5, 10);
    });
}

TEST(ReferenceEditsTest, RewrittenFormulasPrintInR1C1AndEvaluateLostCellsAsErrors) {
    const std::optional<Formula> parsed = parseFormula(L"A5+SUM(A3:A4)", 2, 6, ReferenceStyle::A1);
    ASSERT_TRUE(parsed);
    // Row 5 deleted: the formula's own cell (B6) moves to B5.
    const Formula after = rewriteReferences(*parsed, [](const ReferenceParts& reference) {
        return afterLinesDeleted(reference, LineAxis::Rows, 5, 1);
    });
    EXPECT_EQ(printFormula(after, 2, 5, ReferenceStyle::R1C1), L"#REF!+SUM(R[-2]C[-1]:R[-1]C[-1])");
    EXPECT_EQ(after.references(), (std::vector<Area>{{1, 3, 1, 4}}));
    EXPECT_EQ(after.nodes().size(), parsed->nodes().size());
}

TEST(ReferenceEditsTest, TextsThatDoNotParseAreNotRewritten) {
    EXPECT_FALSE(rewriteA1Text(L"1+", [](const ReferenceParts& reference) {
        return std::optional<ReferenceParts>(reference);
    }));
}

}  // namespace
}  // namespace formula
