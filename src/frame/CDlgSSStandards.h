// CDlgSSStandards: the hidden window in which a standards sheet is evaluated;
// the windows of the pool VtSSDlgsMgr are of this class. Built from dialog
// template 253, it hosts the evaluation's sheet over its control 1196.
#pragma once

#include "frame/FrameTemplates.h"
#include "platform/ui/CDialog.h"

class CDlgSSStandards : public CDialog {
  public:
    static constexpr UINT IDD = kStandardsDialogTemplate;

    explicit CDlgSSStandards(CWnd* parent = nullptr) : CDialog(IDD, parent) {}
};
