// A module of a macro: one building block (a plate, a bolt group, a profile
// placement ...) with its dialog variables, cuts, bolt data, bolt patterns and
// profile placements, and the core accessors that read and change them.
//
// Names of variables, cuts, patterns and placements are compared without
// regard to letter case, and are unique within their module (the macro file
// refuses duplicates).
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "platform/core/macro/MacroParts.h"

struct Tvx_Module {
    Tvx_String name;
    // The module group; modules of one group are shown and mapped together.
    Tvx_String group;
    // kBoltModuleKind, kProfileModuleKind or any other code (a plain module).
    int kind = 0;
    Tvx_Array<Tvx_DialogVariable> variables;
    Tvx_Array<Tvx_CutConstraint> cuts;
    // Used only by bolt modules.
    MacroBoltData boltData;
    Tvx_Array<Tvx_BoltPattern> patterns;
    // Used only by profile modules.
    Tvx_Array<Tvx_ProfPlacement> placements;
    UnknownKeys unknownKeys;

    bool isBoltModule() const { return kind == kBoltModuleKind; }
    bool isProfileModule() const { return kind == kProfileModuleKind; }
    // The name the module is grouped under: its group, or its own name when the
    // group is empty (so a module without a group forms a group of its own).
    const Tvx_String& groupKey() const { return group.isEmpty() ? name : group; }

    friend bool operator==(const Tvx_Module&, const Tvx_Module&) = default;
};

// The dialog variables in order, each with its visible and settable flag (1 set,
// 0 clear). Always eOk.
ErrorStatus getDialogVariables(const Tvx_Module& module, Tvx_StringArray& names,
                               Tvx_IntArray& visible, Tvx_IntArray& settable);

// Reads (read true) the dialog variable `name` as text with 7 decimals, or
// writes the number `value` into it. eInvalidInput when the module has no such
// variable, or when a written text is not a number as a whole (blanks at both
// ends allowed); a refused write changes nothing.
ErrorStatus getSetConstrVarValue(Tvx_Module& module, const Tvx_String& name, Tvx_String& value,
                                 bool read);

// The cuts' names and types, in order. Always eOk.
ErrorStatus getCutConstraints(const Tvx_Module& module, Tvx_StringArray& names,
                              Tvx_IntArray& cutTypes);
// The cut named `name`; eInvalidInput (cut null) when there is none.
ErrorStatus getCutConstraint(Tvx_Module& module, const Tvx_String& name, Tvx_CutConstraint*& cut);
// Reads or writes the offset of kind `offsetKind` (VtCutOffsetType) of the cut.
// eInvalidInput when the cut's type has no such offset kind (value untouched)
// or a written value is not finite.
ErrorStatus getSetCutValue(Tvx_CutConstraint& cut, int offsetKind, double& value, bool read);

// The ids of the module's bolt patterns, in order. Always eOk (no ids for a
// module without patterns).
ErrorStatus getPatternIds(const Tvx_Module& module, Tvx_IntArray& ids);
// The pattern with id `id`, or the one named `name`; eInvalidInput (pattern
// null) when there is none.
ErrorStatus getPattern(Tvx_Module& module, int id, Tvx_BoltPattern*& pattern);
ErrorStatus getPattern(const Tvx_Module& module, int id, const Tvx_BoltPattern*& pattern);
ErrorStatus findPattern(Tvx_Module& module, const Tvx_String& name, Tvx_BoltPattern*& pattern);
// Reads or writes whether the pattern's bolts are numbered from the other end
// in `direction` (1 or 2). eInvalidInput when the pattern has no such direction.
ErrorStatus getSetBoltPatternReverses(Tvx_BoltPattern& pattern, int direction, bool& reverse,
                                      bool read);

// The profile placement named `name` (an empty name names none); eInvalidInput
// (placement null) when there is none.
ErrorStatus getNamedPrpl(Tvx_Module& module, const Tvx_String& name, Tvx_ProfPlacement*& placement);
