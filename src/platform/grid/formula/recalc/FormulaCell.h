// One formula cell as the engine keeps it: where it is, its parsed formula
// (shared with the library's formula cache and never changed) and its last
// result.
#pragma once

#include <memory>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/Value.h"
#include "platform/grid/formula/parser/Formula.h"

namespace formula {

struct FormulaCell {
    CellAddress address;
    std::shared_ptr<const Formula> formula;  // null in a free slot
    Value result;
    bool isLive = false;   // false: a free slot
    bool isStale = false;  // its inputs changed since it was last computed
};

// True when the formula calls the custom function of this upper-case name.
bool callsCustomFunction(const Formula& formula, std::wstring_view upperName);

}  // namespace formula
