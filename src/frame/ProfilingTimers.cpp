// The module's exported profiling timers.
#include "frame/ProfilingTimers.h"

Tvx_Timer gLoadFile;
Tvx_Timer gInitMapping;
Tvx_Timer gInitFromMacro;
Tvx_Timer gInitSSForInput;
Tvx_Timer gSSSGetFromMacro;
Tvx_Timer gSetMacroValuelsToSS;
Tvx_Timer gSSSreplaceGenVars;
Tvx_Timer gCalcMain;
Tvx_Timer gSetToMacro;
Tvx_Timer gGetFromVars;
Tvx_Timer gCalcChild;
Tvx_Timer gSetToVars;
Tvx_Timer gRegisterFuntions;
Tvx_Timer gFindDuplicates;
Tvx_Timer gCalcCells;
Tvx_Timer gCalcCellSplitSymbol;
Tvx_Timer gCalcCellFindVarCell;
Tvx_Timer gCalcCellFindFunctions;
Tvx_Timer gCalcCellCalcNativeFunctions;
Tvx_Timer gCalcCellCalcFunctionsPrepare;
Tvx_Timer gCalcCellCalcFunctions;
Tvx_Timer gCalcCellGetVarNames;
Tvx_Timer gCalcCellGetVarCoords;
Tvx_Timer gCalcCellGetVarCoordName;
Tvx_Timer gCalcCellReplaceVariables;
