// The border table of a resizable dialog: for each control, how each of its
// four sides follows when the dialog changes size, and the arithmetic that
// places the controls for a new dialog size. CResizer applies it to windows.
//
// A side follows one of four rules:
// - attached: it keeps its distance to a side of the dialog's client area, or
//   to a side of another control of the table (that control placed first);
// - proportional: it stays at the same fraction of the client area's width
//   (left and right sides) or height (top and bottom sides);
// - keep size: it stays the control's first width (left, right) or height
//   (top, bottom) away from the opposite side, which must follow another rule;
// - centred: the control's middle stays at the same fraction of the client
//   area across that direction (the opposite side then keeps the size).
//
// Worked example: a dialog first 200 x 100 with a list at (10, 10, 190, 70)
// whose left and top are attached to the dialog's left and top and whose right
// and bottom are attached to the dialog's right and bottom. Grown to 300 x 150,
// the list becomes (10, 10, 290, 120): every side kept its distance.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Geometry.h"

namespace layout {

enum class Side { Left, Top, Right, Bottom };

struct SideRule {
    enum class Kind { Attached, Proportional, KeepSize, Centred };
    Kind kind = Kind::Attached;
    int referenceId = 0;  // 0: the dialog's client area; else a control id of the table
    Side referenceSide = Side::Left;
};

// Rules for the sides of one control.
struct BorderRule {
    int controlId = 0;
    SideRule left, top, right, bottom;
};

// Shorthands for writing tables.
inline SideRule toDialog(Side side) {
    return {SideRule::Kind::Attached, 0, side};
}
inline SideRule toControl(int id, Side side) {
    return {SideRule::Kind::Attached, id, side};
}
inline SideRule proportional() {
    return {SideRule::Kind::Proportional, 0, Side::Left};
}
inline SideRule keepSize() {
    return {SideRule::Kind::KeepSize, 0, Side::Left};
}
inline SideRule centred() {
    return {SideRule::Kind::Centred, 0, Side::Left};
}

// A table with the first placement it was set up for.
class BorderTable {
  public:
    // Records the client size and the first rectangle of every control of the
    // rules. Fails (false, with a reason) when a control has no first
    // rectangle, a side refers to a control that is not earlier in the table,
    // a rule refers to a side of the wrong direction (a left side to a top
    // side), both sides of a direction keep the size, or a control appears twice.
    bool setUp(const std::vector<BorderRule>& rules, const CSize& clientSize,
               const std::map<int, CRect>& firstRects, std::string* reason = nullptr);

    // The rectangle of every control of the table for a client area of the
    // given size, in table order. Empty before a successful setUp.
    std::vector<std::pair<int, CRect>> place(const CSize& clientSize) const;

    bool isSetUp() const { return !rules_.empty(); }

  private:
    std::vector<BorderRule> rules_;
    CSize firstClient_;
    std::map<int, CRect> firstRects_;
};

}  // namespace layout
