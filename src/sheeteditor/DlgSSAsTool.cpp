// The spreadsheet editor window and its holder.
#include "sheeteditor/DlgSSAsTool.h"

#include "platform/host/EditorRequests.h"
#include "platform/host/MainWindow.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WinConstants.h"

namespace {

// Template 248: the grid's placeholder filling the window, OK at the bottom
// right.
void registerEditorTemplate() {
    static const bool registered = [] {
        ui::DialogTemplate t(CDlgSSAsTool::kTemplateId, 0, 0, 400, 260, L"Spreadsheet",
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
        t.control(CDlgSSAsTool::kGridPlaceholder, L"STATIC", L"", WS_VISIBLE, 7, 7, 386, 226)
            .defPushButton(IDOK, L"OK", 343, 239, 50, 14);
        return ui::registerDialogTemplate(t);
    }();
    (void)registered;
}

}  // namespace

CDlgSSAsTool::CDlgSSAsTool() {
    registerEditorTemplate();
}

CDlgSSAsTool::~CDlgSSAsTool() = default;

BOOL CDlgSSAsTool::OnInitDialog() {
    CDialog::OnInitDialog();
    spread_.attachToDlgItem(this, kGridPlaceholder, false);
    CRect rect;
    GetWindowRect(&rect);
    minimumSize_ = rect.Size();
    layout_.record(m_hWnd);
    const int stretch = VtResizeLayout::kKeepNearEdge | VtResizeLayout::kFollowFarEdge;
    const int follow = VtResizeLayout::kKeepSize | VtResizeLayout::kFollowFarEdge;
    layout_.setFlags(kGridPlaceholder, stretch, stretch);
    layout_.setFlags(IDOK, follow, follow);
    return TRUE;
}

void CDlgSSAsTool::OnOK() {
    DestroyWindow();
}

void CDlgSSAsTool::OnCancel() {
    DestroyWindow();
}

void CDlgSSAsTool::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    layout_.apply();
}

void CDlgSSAsTool::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    if (minimumSize_.cx > 0) {
        info->ptMinTrackSize.x = minimumSize_.cx;
        info->ptMinTrackSize.y = minimumSize_.cy;
    }
}

void CDlgSSAsTool::OnDestroy() {
    CDialog::OnDestroy();
    acedPostCommandPrompt();
}

DlgSSAsTool::DlgSSAsTool() = default;

DlgSSAsTool::~DlgSSAsTool() = default;

bool DlgSSAsTool::isCreated() const {
    return window_ != nullptr && window_->GetSafeHwnd() != nullptr;
}

bool DlgSSAsTool::open() {
    if (isCreated())
        return true;
    auto window = std::make_unique<CDlgSSAsTool>();
    CWnd* mainWindow = adsw_acadMainWnd();
    if (!window->Create(CDlgSSAsTool::kTemplateId, mainWindow))
        return false;
    window->ShowWindow(SW_SHOW);
    window_ = std::move(window);
    mainWindow->SetFocus();
    return true;
}

Tvx_Spread* DlgSSAsTool::getSpread() {
    return isCreated() ? &window_->spread() : nullptr;
}
