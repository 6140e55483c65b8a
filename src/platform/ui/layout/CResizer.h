// CResizer: keeps a resizable dialog's controls in place by its border table
// (BorderTable.h). Init records the dialog's client size and the controls'
// present places; Move places them for the dialog's present client size (the
// dialog calls it from its size handler). Init may be called again to take the
// present places as the new starting point.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/layout/BorderTable.h"

class CWnd;

class CResizer {
  public:
    // False (and the resizer not set up) for a null or destroyed dialog, a
    // rule naming a control the dialog does not have, or a table BorderTable
    // refuses; lastProblem() then says why.
    bool Init(CWnd* dialog, const std::vector<layout::BorderRule>& rules);
    bool Init(CWnd* dialog, const layout::BorderRule* rules, int count);
    // Moves every control of the table; false when not set up or the dialog is gone.
    bool Move();
    bool isSetUp() const { return dialog_ != nullptr && table_.isSetUp(); }
    const std::string& lastProblem() const { return problem_; }

  private:
    CWnd* dialog_ = nullptr;
    layout::BorderTable table_;
    std::string problem_;
};
