// A connection macro: its general variables, base profiles and modules, with
// the core accessors that find modules and read and set general variables.
//
// Module and general-variable names are compared without regard to letter
// case and are unique within the macro (the macro file refuses duplicates).
// A "group" in the accessors below is a module's group key (Tvx_Module::
// groupKey): a module without a group forms a group of its own under its name.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "platform/core/macro/MacroParts.h"
#include "platform/core/macro/Tvx_Module.h"

struct Tvx_Macro {
    Tvx_String name;
    Tvx_Array<Tvx_GeneralVariable> generalVariables;
    // Numbered from 0 in order.
    Tvx_Array<Tvx_BaseProfile> baseProfiles;
    Tvx_Array<Tvx_Module> modules;
    UnknownKeys unknownKeys;

    // The names of all modules, in order. Always eOk.
    ErrorStatus getModuleNames(Tvx_StringArray& names) const;
    // The names of the modules of group `group`, in module order. An empty
    // group name names no module: eOk with an empty list. eInvalidInput (list
    // empty) when no module belongs to a non-empty group name.
    ErrorStatus getModNamesOfGroup(const Tvx_String& group, Tvx_StringArray& names) const;
    // The module named `name`; eInvalidInput (module null) when there is none.
    ErrorStatus findModule(const Tvx_String& name, const Tvx_Module*& module) const;
    ErrorStatus findModuleWrite(const Tvx_String& name, Tvx_Module*& module);

    // The general variables' names, in order. Always eOk.
    ErrorStatus getGeneralVariables(Tvx_StringArray& names) const;
    // The value of general variable `name`; eInvalidInput (value untouched)
    // when there is none.
    ErrorStatus generalVariableValue(const Tvx_String& name, double& value) const;
    // Sets an existing general variable; eInvalidInput when there is none or
    // the value is not finite (nothing is added).
    ErrorStatus setGeneralVariable(const Tvx_String& name, double value);

    friend bool operator==(const Tvx_Macro&, const Tvx_Macro&) = default;
};

// Opens the module `moduleName` of the macro for writing. `index` is the
// module's position in its group's list (getModNamesOfGroup of its group key);
// eInvalidInput (module null) when there is no such module or the module at
// that position of its group is another one, so a stale group list cannot
// reach the wrong module.
ErrorStatus openModule(Tvx_Macro& macro, const Tvx_String& moduleName, int index,
                       Tvx_Module*& module);
