// The module's exported profiling timers: stopwatches started and stopped
// around the steps of a standards evaluation. The module never resets or reads
// them; other modules may.
#pragma once

#include "platform/core/Tvx_Timer.h"

extern Tvx_Timer gLoadFile;             // loading the sheet file of an evaluation
extern Tvx_Timer gInitMapping;          // initialising the mapping in getFromMacro
extern Tvx_Timer gInitFromMacro;        // reading the variables from the macro in getFromMacro
extern Tvx_Timer gInitSSForInput;       // taking the general variables and finding the declarations
extern Tvx_Timer gSSSGetFromMacro;      // getFromMacro as a whole
extern Tvx_Timer gSetMacroValuelsToSS;  // writing the variable values into the sheet
extern Tvx_Timer gSSSreplaceGenVars;    // replacing the general variables
extern Tvx_Timer gCalcMain;             // computing and reading the outputs, macro mode
extern Tvx_Timer gSetToMacro;           // writing the outputs to the macro
extern Tvx_Timer gGetFromVars;          // filling a child sheet from its arguments
extern Tvx_Timer gCalcChild;            // computing a child sheet
extern Tvx_Timer gSetToVars;            // copying a child's outputs to its arguments
extern Tvx_Timer gRegisterFuntions;     // registering the custom functions
extern Tvx_Timer gFindDuplicates;       // the duplicate-name check
extern Tvx_Timer gCalcCells;            // the loop over the Calc section
// The steps of one Calc cell.
extern Tvx_Timer gCalcCellSplitSymbol;
extern Tvx_Timer gCalcCellFindVarCell;
extern Tvx_Timer gCalcCellFindFunctions;
extern Tvx_Timer gCalcCellCalcNativeFunctions;
extern Tvx_Timer gCalcCellCalcFunctionsPrepare;
extern Tvx_Timer gCalcCellCalcFunctions;
// The steps of replacing variable names by cell references.
extern Tvx_Timer gCalcCellGetVarNames;
extern Tvx_Timer gCalcCellGetVarCoords;
extern Tvx_Timer gCalcCellGetVarCoordName;
extern Tvx_Timer gCalcCellReplaceVariables;
