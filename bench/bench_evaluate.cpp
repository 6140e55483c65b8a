// One whole evaluation of the sample end plate through StartDlgStandardsSS:
// loading the sheet, filling it from the macro, computing its equations (and
// its child sheet) and writing the outputs back. After the run, the share of
// every profiling timer in the time measured is reported as a counter
// ("gCalcCells%" ...), so the cost can be read per step.
//
// Measured (one core of the shared 2-core build machine; CPU time per
// evaluation):
//   before the caches:          1,419 us, about 700 evaluations per second
//   after the caches:           760-810 us, about 1,250-1,300 per second
//   after the second round:     605-645 us, about 1,600 per second
//   after the third round:      331-340 us, about 3,000 per second (the run
//                               now hands over one general variable, as a
//                               caller does)
//   after the fourth round:     179-194 us with link-time optimisation (the
//                               Release build's default; the spread is the
//                               machine's other load), 5,150-5,590 per
//                               second; 190-205 us without it
// Valgrind counts instructions per evaluation (a half-second run,
// --toggle-collect of StartDlgStandardsSS, the first cold evaluation
// included, without link-time optimisation): 8.4 million before the caches,
// 4.2-4.6 million after the second round, 2.22 million after the third,
// 1.67 million after the fourth. The fourth round wrote value texts into the
// caller's text and kept the engine's working texts between equations;
// replaced each expression's variable names once while the variables keep
// their places; kept file statuses between evaluations while inotify reports
// no change in the folders concerned (one status call per evaluation instead
// of 17); read the profiling timers' clock from the time-stamp counter; set
// cell types through a memo of the format table; called custom functions
// without temporary containers; indexed each sheet's cells by position
// (-10% of the time: the cell tree's walks missed the processor's caches);
// gave the formula engine's indexes a memory pool of their own; and turned
// on link-time optimisation (-4%).
// Timer shares now: gCalcMain 73% (the child call in it 14%, the equations'
// formulas and values 11%, their preparation 4%, replacing variable names
// 2%), gLoadFile 7%, gSSSreplaceGenVars 6%, gInitSSForInput 5%,
// gSetMacroValuelsToSS 4%, gSSSGetFromMacro 3%, gSetToMacro 2%, gInitMapping
// 1%.
// What is left, by sampling: memory allocation (about 14% of the time; with
// glibc's thread cache raised, GLIBC_TUNABLES=glibc.malloc.tcache_count=1000,
// about 8% less time), the profiling timers (about 4%), the word replacement
// of general variables (about 3.5%).
#include <benchmark/benchmark.h>

#include <memory>

#include "frame/FrameTemplates.h"
#include "frame/ProfilingTimers.h"
#include "platform/core/Tvx_Settings.h"
#include "platform/core/macro/MacroData.h"
#include "platform/core/macro/MacroFile.h"
#include "platform/core/macro/Tvx_DbMacro.h"
#include "platform/host/AcDbDatabase.h"
#include "platform/host/AcTransactionManager.h"
#include "standards/VtDlgStandardsData.h"
#include "standards/dialogs/StartDlgStandardsSS.h"

namespace {

struct NamedTimer {
    const char* name;
    Tvx_Timer* timer;
};

const NamedTimer kTimers[] = {
    {"gLoadFile", &gLoadFile},
    {"gInitMapping", &gInitMapping},
    {"gInitFromMacro", &gInitFromMacro},
    {"gInitSSForInput", &gInitSSForInput},
    {"gSSSGetFromMacro", &gSSSGetFromMacro},
    {"gSetMacroValuelsToSS", &gSetMacroValuelsToSS},
    {"gSSSreplaceGenVars", &gSSSreplaceGenVars},
    {"gCalcMain", &gCalcMain},
    {"gSetToMacro", &gSetToMacro},
    {"gGetFromVars", &gGetFromVars},
    {"gCalcChild", &gCalcChild},
    {"gSetToVars", &gSetToVars},
    {"gRegisterFuntions", &gRegisterFuntions},
    {"gFindDuplicates", &gFindDuplicates},
    {"gCalcCells", &gCalcCells},
    {"gCalcCellSplitSymbol", &gCalcCellSplitSymbol},
    {"gCalcCellFindVarCell", &gCalcCellFindVarCell},
    {"gCalcCellFindFunctions", &gCalcCellFindFunctions},
    {"gCalcCellCalcNativeFunctions", &gCalcCellCalcNativeFunctions},
    {"gCalcCellCalcFunctionsPrepare", &gCalcCellCalcFunctionsPrepare},
    {"gCalcCellCalcFunctions", &gCalcCellCalcFunctions},
    {"gCalcCellGetVarNames", &gCalcCellGetVarNames},
    {"gCalcCellGetVarCoords", &gCalcCellGetVarCoords},
    {"gCalcCellGetVarCoordName", &gCalcCellGetVarCoordName},
    {"gCalcCellReplaceVariables", &gCalcCellReplaceVariables},
};

void evaluateSampleEndPlate(benchmark::State& state) {
    gSettings.setLibDir(Tvx_String::fromUtf8(VTSS_SAMPLE_LIBRARY_DIR));
    registerFrameTemplates();
    Tvx_Macro macro;
    MacroFileError error;
    if (!readMacroFile(gSettings.libDir() + L"Macros\\EndPlate.json", macro, error)) {
        state.SkipWithError("the sample macro does not read");
        return;
    }
    AcDbObjectId id;
    acdbCurDwg()->addAcDbObject(id, std::make_unique<Tvx_DbMacro>(macro));
    AcTransaction* transaction = actrTransactionManager()->startTransaction();
    AcDbObject* object = nullptr;
    transaction->getObject(object, id, AcDb::kForRead);
    auto* dbMacro = dynamic_cast<Tvx_DbMacro*>(object);
    MacroData macroData;
    macroData.initFromMacro(dbMacro->macro());
    VtDlgStandardsData data;
    data.initialize(dbMacro, L"EndPlate", L"Standard", &macroData);
    data.transaction = transaction;
    // A caller hands over the general variables of its drawing; the sample
    // sheet reads gen_Clearance, so the whole-sheet replacement runs as it
    // would for a real caller.
    data.genVarNames.append(L"gen_Clearance");
    data.genVarValues.append(L"12");

    for (const NamedTimer& timer : kTimers)
        timer.timer->reset();
    for (auto _ : state) {
        VtDlgStandardsData evaluation = data;
        if (!StartDlgStandardsSS(evaluation)) {
            state.SkipWithError("the sample evaluation failed");
            break;
        }
        benchmark::DoNotOptimize(evaluation.varCells.length());
    }
    state.SetItemsProcessed(state.iterations());
    const double total = gLoadFile.elapsedSeconds() + gInitSSForInput.elapsedSeconds() +
                         gSSSGetFromMacro.elapsedSeconds() + gSetMacroValuelsToSS.elapsedSeconds() +
                         gSSSreplaceGenVars.elapsedSeconds() + gCalcMain.elapsedSeconds() +
                         gSetToMacro.elapsedSeconds();
    for (const NamedTimer& timer : kTimers) {
        if (total > 0)
            state.counters[std::string(timer.name) + "%"] =
                100.0 * timer.timer->elapsedSeconds() / total;
    }
    actrTransactionManager()->endTransaction();
}
BENCHMARK(evaluateSampleEndPlate)->Unit(benchmark::kMicrosecond);

}  // namespace
