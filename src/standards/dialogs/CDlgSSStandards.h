// CDlgSSStandards: the hidden window in which one standards sheet is
// evaluated; the pool gSSDlgsMgr keeps these windows and lends one to each
// evaluation (StartDlgStandardsSS). Built from dialog template 253, it puts its
// sheet over its control 1196 and is never shown.
#pragma once

#include "frame/FrameTemplates.h"
#include "platform/core/ErrorStatus.h"
#include "platform/ui/CDialog.h"
#include "standards/VtDlgStandardsData.h"
#include "standards/engine/VtCalcSS.h"

class CDlgSSStandards : public CDialog {
  public:
    static constexpr UINT IDD = kStandardsDialogTemplate;

    explicit CDlgSSStandards(CWnd* parent = nullptr);

    // Puts the sheet over control 1196 (placement not exact).
    BOOL OnInitDialog() override;

    // Evaluates the data block's sheet:
    // - loads the sheet (its name, or a path; VtCalcSS::loadFile);
    // - mode 0: against the block's macro (initFromMacro, calcToMacro); on
    //   success the block's varCells become a copy of the sheet's variable
    //   cells with their mapping;
    // - mode 1: against the block's varCells, the arguments of a child call
    //   (initFromVars, calcToVars), which receive the child's Outputs;
    // - any other mode: nothing.
    // eInvalidInput when the sheet does not load or a step fails.
    ErrorStatus evaluate();

    VtCalcSS& sheet() { return sheet_; }
    VtDlgStandardsData& data() { return data_; }

  private:
    VtCalcSS sheet_;
    VtDlgStandardsData data_;
};
