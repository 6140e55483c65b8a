// Questions about a stored formula.
#include "platform/grid/formula/recalc/FormulaCell.h"

namespace formula {

bool callsCustomFunction(const Formula& formula, std::wstring_view upperName) {
    for (const Node& node : formula.nodes()) {
        if (node.kind == NodeKind::CustomFunction && formula.poolText(node.index) == upperName) {
            return true;
        }
    }
    return false;
}

}  // namespace formula
