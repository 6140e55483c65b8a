// The core accessors of a module's variables, cuts, bolt patterns and placements.
#include "platform/core/macro/Tvx_Module.h"

#include <cmath>

#include "platform/core/macro/FindNamed.h"

#include "platform/core/NumberText.h"

namespace {

constexpr int kConstraintDecimals = 7;

}  // namespace

ErrorStatus getDialogVariables(const Tvx_Module& module, Tvx_StringArray& names,
                               Tvx_IntArray& visible, Tvx_IntArray& settable) {
    names.removeAll();
    visible.removeAll();
    settable.removeAll();
    for (const Tvx_DialogVariable& variable : module.variables) {
        names.append(variable.name);
        visible.append(variable.visible ? 1 : 0);
        settable.append(variable.settable ? 1 : 0);
    }
    return eOk;
}

ErrorStatus getSetConstrVarValue(Tvx_Module& module, const Tvx_String& name, Tvx_String& value,
                                 bool read) {
    Tvx_DialogVariable* variable = findNamed(module.variables, name);
    if (!variable)
        return eInvalidInput;
    if (read) {
        value = Tvx_String(variable->value, kConstraintDecimals);
        return eOk;
    }
    double number = 0.0;
    if (!numtext::parseWholeDouble(value.str(), number) || !std::isfinite(number)) {
        return eInvalidInput;
    }
    variable->value = number;
    return eOk;
}

ErrorStatus getCutConstraints(const Tvx_Module& module, Tvx_StringArray& names,
                              Tvx_IntArray& cutTypes) {
    names.removeAll();
    cutTypes.removeAll();
    for (const Tvx_CutConstraint& cut : module.cuts) {
        names.append(cut.name);
        cutTypes.append(cut.cutType);
    }
    return eOk;
}

ErrorStatus getCutConstraint(Tvx_Module& module, const Tvx_String& name, Tvx_CutConstraint*& cut) {
    cut = findNamed(module.cuts, name);
    return cut ? eOk : eInvalidInput;
}

ErrorStatus getSetCutValue(Tvx_CutConstraint& cut, int offsetKind, double& value, bool read) {
    Tvx_IntArray kinds;
    if (getCutOffsets(cut.cutType, kinds) != eOk || !kinds.contains(offsetKind)) {
        return eInvalidInput;
    }
    double& stored = cut.offsets[static_cast<size_t>(offsetKind)];
    if (read) {
        value = stored;
        return eOk;
    }
    if (!std::isfinite(value))
        return eInvalidInput;
    stored = value;
    return eOk;
}

ErrorStatus getPatternIds(const Tvx_Module& module, Tvx_IntArray& ids) {
    ids.removeAll();
    for (const Tvx_BoltPattern& pattern : module.patterns)
        ids.append(pattern.id);
    return eOk;
}

ErrorStatus getPattern(Tvx_Module& module, int id, Tvx_BoltPattern*& pattern) {
    pattern = nullptr;
    for (Tvx_BoltPattern& candidate : module.patterns) {
        if (candidate.id == id) {
            pattern = &candidate;
            return eOk;
        }
    }
    return eInvalidInput;
}

ErrorStatus getPattern(const Tvx_Module& module, int id, const Tvx_BoltPattern*& pattern) {
    Tvx_BoltPattern* found = nullptr;
    const ErrorStatus status = getPattern(const_cast<Tvx_Module&>(module), id, found);
    pattern = found;
    return status;
}

ErrorStatus findPattern(Tvx_Module& module, const Tvx_String& name, Tvx_BoltPattern*& pattern) {
    pattern = findNamed(module.patterns, name);
    return pattern ? eOk : eInvalidInput;
}

ErrorStatus getSetBoltPatternReverses(Tvx_BoltPattern& pattern, int direction, bool& reverse,
                                      bool read) {
    if (!pattern.hasDirection(direction))
        return eInvalidInput;
    bool& stored = direction == 1 ? pattern.reverseStart1 : pattern.reverseStart2;
    if (read) {
        reverse = stored;
    } else {
        stored = reverse;
    }
    return eOk;
}

ErrorStatus getNamedPrpl(Tvx_Module& module, const Tvx_String& name,
                         Tvx_ProfPlacement*& placement) {
    placement = findNamed(module.placements, name);
    return placement ? eOk : eInvalidInput;
}
