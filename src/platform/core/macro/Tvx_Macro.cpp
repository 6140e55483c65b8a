// The module and general-variable accessors of a macro.
#include "platform/core/macro/Tvx_Macro.h"

#include <cmath>

#include "platform/core/macro/FindNamed.h"

ErrorStatus Tvx_Macro::getModuleNames(Tvx_StringArray& names) const {
    names.removeAll();
    for (const Tvx_Module& module : modules)
        names.append(module.name);
    return eOk;
}

ErrorStatus Tvx_Macro::getModNamesOfGroup(const Tvx_String& group, Tvx_StringArray& names) const {
    names.removeAll();
    if (group.isEmpty())
        return eOk;
    for (const Tvx_Module& module : modules) {
        if (module.groupKey().equal(group, false))
            names.append(module.name);
    }
    return names.isEmpty() ? eInvalidInput : eOk;
}

ErrorStatus Tvx_Macro::findModule(const Tvx_String& moduleName, const Tvx_Module*& module) const {
    module = findNamed(modules, moduleName);
    return module ? eOk : eInvalidInput;
}

ErrorStatus Tvx_Macro::findModuleWrite(const Tvx_String& moduleName, Tvx_Module*& module) {
    module = findNamed(modules, moduleName);
    return module ? eOk : eInvalidInput;
}

ErrorStatus Tvx_Macro::getGeneralVariables(Tvx_StringArray& names) const {
    names.removeAll();
    for (const Tvx_GeneralVariable& variable : generalVariables)
        names.append(variable.name);
    return eOk;
}

ErrorStatus Tvx_Macro::generalVariableValue(const Tvx_String& variableName, double& value) const {
    const Tvx_GeneralVariable* variable = findNamed(generalVariables, variableName);
    if (!variable)
        return eInvalidInput;
    value = variable->value;
    return eOk;
}

ErrorStatus Tvx_Macro::setGeneralVariable(const Tvx_String& variableName, double value) {
    Tvx_GeneralVariable* variable = findNamed(generalVariables, variableName);
    if (!variable || !std::isfinite(value))
        return eInvalidInput;
    variable->value = value;
    return eOk;
}

ErrorStatus openModule(Tvx_Macro& macro, const Tvx_String& moduleName, int index,
                       Tvx_Module*& module) {
    module = nullptr;
    Tvx_Module* found = nullptr;
    if (macro.findModuleWrite(moduleName, found) != eOk)
        return eInvalidInput;
    // The module at `index` of the group's list, found without building the
    // list (getModNamesOfGroup's order: the macro's module order).
    const Tvx_String& group = found->groupKey();
    if (group.isEmpty())
        return eInvalidInput;  // a module without a name is in no group's list
    int position = 0;
    for (const Tvx_Module& member : macro.modules) {
        if (!member.groupKey().equal(group, false))
            continue;
        if (position++ != index)
            continue;
        if (!member.name.equal(found->name, false))
            return eInvalidInput;
        module = found;
        return eOk;
    }
    return eInvalidInput;
}
