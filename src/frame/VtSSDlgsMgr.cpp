// The pool of hidden standards windows.
#include "frame/VtSSDlgsMgr.h"

#include <algorithm>
#include <memory>

#include "frame/FrameTemplates.h"
#include "platform/host/MainWindow.h"
#include "platform/ui/CDialog.h"

VtSSDlgsMgr gSSDlgsMgr;

namespace {

StandardsWindowFactory& windowFactory() {
    static StandardsWindowFactory factory = nullptr;
    return factory;
}

}  // namespace

void setStandardsWindowFactory(StandardsWindowFactory factory) {
    windowFactory() = factory;
}

VtSSDlgsMgr::VtSSDlgsMgr(const VtSSDlgsMgr&) {}

VtSSDlgsMgr& VtSSDlgsMgr::operator=(const VtSSDlgsMgr&) {
    return *this;
}

VtSSDlgsMgr::~VtSSDlgsMgr() {
    destroyAll();
}

int VtSSDlgsMgr::inUseCount() const {
    return static_cast<int>(std::count(inUse.begin(), inUse.end(), true));
}

void* VtSSDlgsMgr::getDlg() {
    for (int i = 0; i < windows.length(); ++i) {
        if (!inUse[static_cast<size_t>(i)]) {
            inUse[static_cast<size_t>(i)] = true;
            return windows[i];
        }
    }
    CWnd* parent = adsw_acadMainWnd();
    std::unique_ptr<CDialog> dialog =
        windowFactory() ? windowFactory()(parent)
                        : std::make_unique<CDialog>(kStandardsDialogTemplate, parent);
    if (!dialog || !dialog->Create(kStandardsDialogTemplate, parent))
        return nullptr;
    windows.append(dialog.get());
    inUse.push_back(true);
    return dialog.release();
}

ErrorStatus VtSSDlgsMgr::releaseDlg(void* dialog) {
    if (!dialog)
        return eInvalidInput;
    for (int i = 0; i < windows.length(); ++i) {
        if (windows[i] == dialog) {
            inUse[static_cast<size_t>(i)] = false;
            return eOk;
        }
    }
    return eInvalidInput;
}

ErrorStatus VtSSDlgsMgr::destroyDlg(const int& index) {
    if (index < 0 || index >= windows.length() || !windows[index])
        return eInvalidInput;
    CDialog* dialog = windows[index];
    dialog->DestroyWindow();
    delete dialog;
    windows.removeAt(index);
    inUse.erase(inUse.begin() + index);
    return eOk;
}

void VtSSDlgsMgr::destroyAll() {
    for (int i = windows.length() - 1; i >= 0; --i)
        destroyDlg(i);
    inUse.clear();
}
