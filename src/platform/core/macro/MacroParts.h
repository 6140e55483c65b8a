// The parts a macro is made of: general variables, profiles, dialog variables,
// cuts, bolt data, bolt patterns and profile placements.
//
// Every part that the macro file stores carries the keys of its file object
// that this model does not know (UnknownKeys), so that writing the macro back
// keeps them.
#pragma once

#include <array>
#include <string>

#include "platform/core/Tvx_String.h"
#include "platform/core/macro/MacroCodes.h"

// The members of a macro file object that the model does not know, as the text
// of one JSON object ("" when there are none). Only the macro file reads and
// writes it.
struct UnknownKeys {
    std::string json;
    friend bool operator==(const UnknownKeys&, const UnknownKeys&) = default;
};

// A general variable of the macro: a named number.
struct Tvx_GeneralVariable {
    Tvx_String name;
    double value = 0.0;
    UnknownKeys unknownKeys;
    friend bool operator==(const Tvx_GeneralVariable&, const Tvx_GeneralVariable&) = default;
};

// A profile: its section ("TABLE-SYSNAME" of the section library) and material.
struct Tvx_Profile {
    Tvx_String section;
    Tvx_String material;
    friend bool operator==(const Tvx_Profile&, const Tvx_Profile&) = default;
};

// One of the macro's base profiles (the members the macro connects).
struct Tvx_BaseProfile {
    Tvx_Profile profile;
    UnknownKeys unknownKeys;
    friend bool operator==(const Tvx_BaseProfile&, const Tvx_BaseProfile&) = default;
};

// Whether a dialog variable has a flex/fix button, and its state: a flexible
// value follows the geometry, a fixed one keeps the value it was given.
enum class FlexFix { none, flex, fix };

// A dialog (constraint) variable of a module, with the flags that say whether
// the macro's dialog shows it and whether the user may set it.
struct Tvx_DialogVariable {
    Tvx_String name;
    double value = 0.0;
    bool visible = true;
    bool settable = true;
    FlexFix flexFix = FlexFix::none;
    UnknownKeys unknownKeys;
    friend bool operator==(const Tvx_DialogVariable&, const Tvx_DialogVariable&) = default;
};

// A cut of a module: its type (VtCutType) and one value per offset kind; only
// the kinds of its type (getCutOffsets) are used and stored.
struct Tvx_CutConstraint {
    Tvx_String name;
    int cutType = eLineCut;
    std::array<double, kCutOffsetKindCount> offsets{};
    UnknownKeys unknownKeys;
    friend bool operator==(const Tvx_CutConstraint&, const Tvx_CutConstraint&) = default;
};

// The bolt settings of a bolt module, all as texts: the assembly, the bolt
// diameter, the hole offset (how much wider the hole is than the bolt), the
// penetration length and the added length.
struct MacroBoltData {
    Tvx_String assembly;
    Tvx_String diameter;
    Tvx_String holeOffset;
    Tvx_String penetrationLength;
    Tvx_String addedLength;
    UnknownKeys unknownKeys;
    friend bool operator==(const MacroBoltData&, const MacroBoltData&) = default;
};

// A bolt pattern of a bolt module: the number of bolts in each direction (as
// texts) and whether the numbering starts from the other end in each direction.
// Direction 2 exists only for kind kTwoDirectionPatternKind.
struct Tvx_BoltPattern {
    int id = 0;
    Tvx_String name;
    int kind = kOneDirectionPatternKind;
    Tvx_String nrBolts1;
    Tvx_String nrBolts2;
    bool reverseStart1 = false;
    bool reverseStart2 = false;
    UnknownKeys unknownKeys;
    bool hasDirection(int direction) const {
        return direction == 1 || (direction == 2 && kind == kTwoDirectionPatternKind);
    }
    friend bool operator==(const Tvx_BoltPattern&, const Tvx_BoltPattern&) = default;
};

// A profile placement of a profile module: the placement's name (its profile
// group), the member name given to the profile it places, and the profile.
struct Tvx_ProfPlacement {
    Tvx_String name;
    Tvx_String memberName;
    Tvx_Profile profile;
    UnknownKeys unknownKeys;
    friend bool operator==(const Tvx_ProfPlacement&, const Tvx_ProfPlacement&) = default;
};
