// VtSSDlgsMgr: the pool of hidden standards windows. A window is in use for
// one evaluation at a time; a nested evaluation (a child sheet) takes another,
// so the pool grows to the deepest nesting reached, and its windows live until
// the pool is destroyed.
//
// Copies never share windows (each window belongs to exactly one pool, which
// destroys it): a copy starts empty, and assigning a pool to another leaves
// the target with its own windows.
//
// The windows are the standards engine's CDlgSSStandards, which builds on the
// frame: the engine hands the pool the factory of its window class
// (setStandardsWindowFactory). Until it does, a window is a plain hidden
// dialog from template 253.
#pragma once

#include <memory>
#include <vector>
#include "platform/core/ErrorStatus.h"

#include "platform/core/Tvx_Array.h"

class CDialog;
class CWnd;

// Makes the (not yet created) window object of the pool's class; null when it
// cannot be made.
using StandardsWindowFactory = std::unique_ptr<CDialog> (*)(CWnd* parent);
// The factory of every window the pools build from now on; null returns to
// plain dialogs.
void setStandardsWindowFactory(StandardsWindowFactory factory);

class VtSSDlgsMgr {
  public:
    VtSSDlgsMgr() = default;
    VtSSDlgsMgr(const VtSSDlgsMgr& other);
    VtSSDlgsMgr& operator=(const VtSSDlgsMgr& other);
    virtual ~VtSSDlgsMgr();

    // The first window not in use, now in use; when all are in use, a new
    // window (parented to the host's main window, hidden, from template 253)
    // in use. Null when a new window cannot be built. The pointer is the
    // window's CDialog.
    void* getDlg();
    // Makes a window of this pool free again. eInvalidInput for a pointer the
    // pool never gave out (null included).
    ErrorStatus releaseDlg(void* dialog);
    // Destroys every window, the last first; the pool is then empty.
    void destroyAll();

    int windowCount() const { return windows.length(); }
    int inUseCount() const;

  private:
    // Destroys and removes the window at index; eInvalidInput for an index
    // outside the windows or an empty entry.
    ErrorStatus destroyDlg(const int& index);

    Tvx_Array<CDialog*> windows;
    std::vector<bool> inUse;  // parallel to windows
};

// The module's pool.
extern VtSSDlgsMgr gSSDlgsMgr;
