// VtCalcSS: the sheet window in which one standards sheet is evaluated. It
// loads the sheet file, finds the variable declarations of its Input, Output
// and Local sections, fills them (from a macro, or from a calling sheet),
// replaces the general variables, computes the equations of its Calc section
// one cell at a time, and hands the results back.
//
// A standards sheet:
//
//        A
//    1   Input
//    2   Double Thickness
//    4   Output
//    6   Double Width
//    7   Local
//    9   Double Tmp
//   10   Calc
//   12   Tmp=Thickness*2
//   13   Width=ROUNDTO(Tmp+gen_Gap,5)
//
// Headers are cells whose value text is exactly "Input", "Output", "Local" or
// "Calc" (the first of each in row order counts); SheetSections.h gives the
// rows each section spans. Declarations are "Type Name" (VarDeclaration.h).
// Each Calc cell holds "target = expression" or a child call (ChildCall.h);
// cells are computed strictly row by row, left to right within a row, so an
// equation sees the results of those above and to its left.
//
// Every step is bracketed by one of the module's profiling timers; a step that
// fails leaves its timer running.
#pragma once

#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/core/ErrorStatus.h"
#include "platform/core/FoldedNameIndex.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "spread/Tvx_Spread.h"
#include "standards/engine/ReplaceWords.h"
#include "standards/engine/SheetSections.h"
#include "standards/engine/VtVarCells.h"

class VtDlgStandardsData;

class VtCalcSS : public Tvx_Spread {
  public:
    VtCalcSS() = default;
    ~VtCalcSS() override;
    // Copies the file name, the variable cells and the general variables, not
    // the window.
    VtCalcSS(const VtCalcSS& other);

    // Loads a sheet file: name itself when it names an existing file, else
    // libDir + "Connection Standards\\" + name + ".vts". Switches automatic
    // recalculation and redraw off. eInvalidInput (fileName unchanged) when
    // the file is missing or does not load.
    ErrorStatus loadFile(const Tvx_String& name);
    const Tvx_String& fileName() const { return fileName_; }

    // Rebuilds the variable cells from the declarations of the Input, Output
    // and Local sections, in that order (row by row, left to right). The
    // mapping stays. eInvalidInput when the Input or the Output header is
    // missing (after Input is scanned when only Output is missing).
    ErrorStatus findVarCells();

    // The first half of an evaluation against a macro: takes the block's
    // general variables, finds the declarations, reads the variables from the
    // macro, writes them into the sheet and replaces the general variables.
    // eInvalidInput without the block's macro or transaction, or when a step
    // fails.
    ErrorStatus initFromMacro(VtDlgStandardsData& data);
    // The second half: computes the Calc section, reads the Output cells and
    // writes them into the macro.
    ErrorStatus calcToMacro(VtDlgStandardsData& data);

    // The child's side of a child call: binds the block's variable cells (the
    // call's arguments) by position to this sheet's Inputs and Outputs,
    // Locals taking no argument. eInvalidInput when an argument is missing or
    // a caller's Input would receive a child's Output.
    ErrorStatus initFromVars(VtDlgStandardsData& data);
    // Computes the sheet and copies each Output's value into its argument.
    ErrorStatus calcToVars(VtVarCells& cells);

    // Registers the custom functions, drops duplicate variables (showing the
    // duplicate-name box), and computes every cell below the "Calc" header.
    // eInvalidInput when the sheet has no "Calc" header.
    ErrorStatus calculate();

    VtVarCells& varCells() { return varCells_; }
    const VtVarCells& varCells() const { return varCells_; }

    // Replaces the general-variable names by their values in every cell, texts
    // quoted (ReplaceWords.h). eOk.
    ErrorStatus replaceGenVars();
    // Replaces the variable names in an expression by their cells' references
    // ("Thickness*2" becomes "B5*2" for a variable in column B, row 5). eOk.
    ErrorStatus replaceVariables(Tvx_String& expression);
    // Computes one Calc cell. eInvalidInput for an empty cell (silently) and
    // for an equation that fails (with the equation report when the standards
    // warnings are on); the target variable then keeps its value. A formula
    // whose result is an error value (#DIV/0!, #NAME? ...) has failed too: its
    // error text never becomes the variable's value or reaches the macro.
    ErrorStatus calcCell(int column, int row);
    // Registers the standards functions with this sheet's grid.
    ErrorStatus registerFunctions();

    // Runs the call of the sheet's own function `name` found in expression (a
    // child call, "CallChild"). eInvalidInput when the call does not parse, a
    // variable is unknown, the child cannot be found or is this sheet or one
    // of its callers, the nesting is too deep, or the child's evaluation fails.
    ErrorStatus calcNativeFunction(const Tvx_String& expression, const Tvx_String& name);
    // A child's file: the first existing candidate of ChildCall.h, searched
    // from this sheet's folder, else name unchanged.
    Tvx_String findChildFile(const Tvx_String& name) const;

    Tvx_StringArray genVarNames;
    Tvx_StringArray genVarValues;

  private:
    // Finds the four section headers. With scanned given, it receives the
    // value text of every cell read, row by row from row 1 (whole rows, down
    // to the row where the last header was found or the sheet ends).
    SheetSections findSections(std::vector<Tvx_String>* scanned = nullptr);
    // Drops variables of equal names, showing the duplicate-name box.
    void removeDuplicateVariables();
    // Builds the names and references replaceVariables uses for the rest of
    // one calculate (the variables do not change while the cells are computed).
    void buildReferences();
    // The names and references of the variable cells, in list order, and the
    // first cell of each name (letter case ignored).
    void collectReferences(Tvx_StringArray& names, Tvx_StringArray& references,
                           FoldedNameIndex& firstByName) const;
    void reportFailedEquation(const Tvx_String& target, const Tvx_String& expression, int row);

    Tvx_String fileName_;
    VtVarCells varCells_;
    // The replacement of names by references replaceVariables uses while
    // calculate runs; outside it the names are collected afresh each time.
    WordReplacer references_;
    // The first variable cell of each name, built with references_: while
    // references_ is valid it answers findVarCell's question without a search.
    FoldedNameIndex variableIndex_;
    bool referencesValid_ = false;
    // The name and cell of every variable cell, in list order, when
    // references_ was built: the references follow from these alone, so while
    // they stay the same the replacer is not built again (nothing: not built).
    struct VariablePlace {
        Tvx_String name;
        int column = 0;
        int row = 0;
    };
    bool variablePlacesUnchanged() const;
    std::optional<std::vector<VariablePlace>> referencePlaces_;
    // Each expression as references_ replaced it. The replacer, and so every
    // result, stays the same while the variables keep their names and cells,
    // and a window computes the same equations at every evaluation; the
    // results are dropped when the replacer is built again, and all at once
    // when there are too many.
    static constexpr size_t kMaxReplacedExpressions = 4096;
    std::unordered_map<std::wstring, std::wstring> replacedExpressions_;
    // The texts of the equation calcCell computes, kept from one equation to
    // the next so that their room is reused rather than allocated again.
    struct EquationTexts {
        Tvx_String text;
        Tvx_String target;
        Tvx_String expression;
        Tvx_String value;
    };
    EquationTexts equation_;
    // The texts findVarCells reads while finding the headers, kept for the
    // same reason.
    std::vector<Tvx_String> scannedTexts_;
};
