// VtResizeLayout: moves and sizes a dialog's controls when the dialog is
// resized, each by its horizontal and vertical flags, from the positions they
// had when the layout was recorded.
//
// Flags, each for one direction (left/right horizontally, top/bottom
// vertically), with the ratio r = new dialog extent / recorded extent and the
// growth d = new extent - recorded extent:
//
// | Flags  | Near edge (left, top) | Far edge (right, bottom) | Effect                    |
// |--------|-----------------------|--------------------------|---------------------------|
// | 0      | scaled by r           | scaled by r              | position and size scale   |
// | 2 | 4  | unchanged             | moved by d               | pinned and stretched      |
// | 1 | 4  | moved by d            | moved by d               | moves with the far edge   |
// | 1 | 2  | unchanged             | near edge + recorded size| stays as it was           |
// | 2      | unchanged             | scaled by r              |                           |
// | 4      | scaled by r           | moved by d               |                           |
// | 1      | scaled by r           | near edge + recorded size| moves, keeps its size     |
//
// In words: near edge: 2 keeps it, 1 with 4 moves it with the far side of the
// dialog, otherwise it scales. Far edge: 4 moves it with the far side, else 1
// keeps the recorded size, else it scales. Scaled positions are rounded to
// the nearest pixel (halves away from zero).
//
// Toolbars (class "ToolbarWindow32") are never recorded, so never moved.
#pragma once

#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/WinTypes.h"

class VtResizeLayout {
  public:
    static constexpr int kKeepSize = 1;
    static constexpr int kKeepNearEdge = 2;
    static constexpr int kFollowFarEdge = 4;

    // Remembers the dialog's window rectangle and every child window except
    // toolbars, with its rectangle in the dialog's client coordinates and both
    // flags 0; forgets what was recorded before. False (nothing recorded) for
    // an unknown window.
    bool record(HWND dialog);
    // Records one more child of the recorded dialog. False for an unknown
    // window, a toolbar, a window already recorded, or before record.
    bool addControl(HWND window);

    // Flags of the recorded children with this control id; false when none has
    // it.
    bool setFlags(int controlId, int horizontal, int vertical);
    void setFlagsForAll(int horizontal, int vertical);
    // Flags of the recorded children of a class (letter case ignored); returns
    // how many matched.
    int setFlagsForClass(const Tvx_String& className, int horizontal, int vertical);

    // Repositions every recorded child still alive for the dialog's current
    // size, without changing the z-order. Does nothing before record or when
    // the dialog is gone.
    void apply() const;

    // Where one edge pair goes (exposed for the layouts' own arithmetic).
    struct Span {
        int nearEdge;
        int farEdge;
    };
    static Span place(Span recorded, int flags, int recordedExtent, int newExtent);

    int childCount() const { return static_cast<int>(children_.size()); }

  private:
    struct Child {
        HWND window = nullptr;
        CRect rect;
        int horizontal = 0;
        int vertical = 0;
    };
    bool addChild(HWND window);

    HWND dialog_ = nullptr;
    CRect dialogRect_;
    std::vector<Child> children_;
};
