// VtSSDlgsMgr: the pool of hidden standards windows. A window is in use for
// one evaluation at a time; a nested evaluation (a child sheet) takes another,
// so the pool grows to the deepest nesting reached, and its windows live until
// the pool is destroyed.
//
// Copies never share windows (each window belongs to exactly one pool, which
// destroys it): a copy starts empty, and assigning a pool to another leaves
// the target with its own windows.
#pragma once

#include "platform/core/ErrorStatus.h"
#include <vector>

#include "platform/core/Tvx_Array.h"

class CDlgSSStandards;

class VtSSDlgsMgr {
  public:
    VtSSDlgsMgr() = default;
    VtSSDlgsMgr(const VtSSDlgsMgr& other);
    VtSSDlgsMgr& operator=(const VtSSDlgsMgr& other);
    virtual ~VtSSDlgsMgr();

    // The first window not in use, now in use; when all are in use, a new
    // window (parented to the host's main window, hidden, from template 253)
    // in use. Null when a new window cannot be built.
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

    Tvx_Array<CDlgSSStandards*> windows;
    std::vector<bool> inUse;  // parallel to windows
};

// The module's pool.
extern VtSSDlgsMgr gSSDlgsMgr;
