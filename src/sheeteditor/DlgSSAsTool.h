// The spreadsheet editor window: DlgSSAsTool holds the modeless window
// CDlgSSAsTool (template 248), which shows one grid beside the host's drawing
// window; the bill output writes into it.
#pragma once

#include <memory>

#include "platform/ui/CDialog.h"
#include "spread/Tvx_Spread.h"
#include "spread/VtResizeLayout.h"

class CDlgSSAsTool : public CDialog {
  public:
    static constexpr int kTemplateId = 248;
    static constexpr int kGridPlaceholder = 1196;

    CDlgSSAsTool();
    ~CDlgSSAsTool() override;

    Tvx_Spread& spread() { return spread_; }

    BOOL OnInitDialog() override;
    // OK and Cancel close the window.
    void OnOK() override;
    void OnCancel() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    // Re-issues the host's command prompt.
    void OnDestroy() override;

  private:
    Tvx_Spread spread_;
    VtResizeLayout layout_;
    CSize minimumSize_;
};

class DlgSSAsTool {
  public:
    DlgSSAsTool();
    virtual ~DlgSSAsTool();
    DlgSSAsTool(const DlgSSAsTool&) = delete;
    DlgSSAsTool& operator=(const DlgSSAsTool&) = delete;

    // Makes the window, modeless and owned by the host's main window, then
    // gives the keyboard focus back to the main window. True at once while the
    // window is open; a window closed by the user is made anew. False when the
    // window cannot be made.
    bool open();
    // True while the window is open.
    bool isCreated() const;
    // The window's grid; null while the window is not open.
    Tvx_Spread* getSpread();
    CDlgSSAsTool* window() { return isCreated() ? window_.get() : nullptr; }

  private:
    std::unique_ptr<CDlgSSAsTool> window_;
};
