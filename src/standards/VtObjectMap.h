// VtObjectMap: one spreadsheet variable tied to one object of a macro (a dialog
// variable, general variable, cut offset, base profile, profile placement, bolt
// pattern or bolt data), moving its value between the two as text.
//
// Mapping string: module + "•" + type name + " " + object name, for example
// "Plate•Distance Thickness" or "•GenVar gen_Gap". Type names and value types
// of the map types are in the table of VtObjectMap.cpp.
//
// Names: module, object and variable names are compared without regard to
// letter case; type names exactly.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "platform/core/macro/MacroData.h"
#include "platform/core/macro/Tvx_DbMacro.h"
#include "platform/host/AcTransactionManager.h"
#include "standards/VtValueType.h"

enum VtMapType : int {
    eMapNone = 0,
    eMapDistance = 1,
    eMapGenVar = 2,
    eMapCutOffset = 3,  // offset kinds 0 to 8 are map types 3 to 11
    eMapCutPolyOffset = 4,
    eMapCutLengthOffset = 5,
    eMapCutCenterOffset = 6,
    eMapCutInsideOffset = 7,
    eMapCutOutsideOffset = 8,
    eMapCutChamferOffset1 = 9,
    eMapCutChamferOffset2 = 10,
    eMapCutRadius = 11,
    eMapPrPlName = 12,
    eMapPrPlMaterial = 13,
    eMapOwnedMemberName = 14,
    eMapMemberSectionSize = 15,
    eMapPatternNrBolts1 = 16,
    eMapPatternNrBolts2 = 17,
    eMapPatternReverseStart1 = 18,
    eMapPatternReverseStart2 = 19,
    eMapBoltsDiameter = 20,
    eMapBoltsHoleOffset = 21,
};

// From a module's dialog variable flags: visible and settable, visible only,
// settable only (hidden), neither.
enum VtVisibility : int {
    eVisibleSettable = 0,
    eVisibleNotSettable = 1,
    eHiddenSettable = 2,
    eHiddenNotSettable = 3,
};

// The type name of a map type ("Distance" ...), empty for 0 and unknown codes.
Tvx_String mapTypeName(int type);
// The value type of a map type's values; eInvalidInput (valueType untouched)
// for 0 and unknown codes.
ErrorStatus mapValueType(int type, VtValueType& valueType);

class VtObjectMap {
  public:
    // The module group (empty for general variables and base profiles).
    Tvx_String module;
    // The object within the group; "Prof" n for base profile n, "Prof" n ";" j
    // for dimension j of its section; empty for a bolt module's bolt data.
    Tvx_String objName;
    Tvx_String ssVar;
    int type = eMapNone;
    int visibility = eHiddenNotSettable;
    // Set only for section values: the section table's column name.
    Tvx_String label;

    // Parses a mapping string for variable ssVar: the module is the text
    // before the first "•"; the rest, without blanks at both ends, must begin
    // with a type name (the first in table order that it begins with); the
    // object name is what follows the first space of the rest, or empty.
    // eInvalidInput, with nothing changed, without "•" or type name.
    ErrorStatus getMappingFromStrs(const Tvx_String& ssVar, const Tvx_String& mappingString);
    // The two strings of the map; eInvalidInput (strings untouched) when the
    // type has no type name.
    ErrorStatus setMappingToStrs(Tvx_String& mappingString, Tvx_String& ssVar) const;
    // Finds cellName (the variable cell's name, letter case ignored) in names
    // and parses the mapping string at the same index. eInvalidInput when the
    // name is missing, the index lies outside mappingStrings, or the string
    // does not parse.
    ErrorStatus mapFromArrays(const Tvx_StringArray& names, const Tvx_StringArray& mappingStrings,
                              const Tvx_String& cellName);
    // eOk when module, object name and type are equal.
    ErrorStatus isCompatible(const VtObjectMap& other) const;

    // Reads the object's value into value, or writes value into the object.
    // The macro is taken for writing; every module of the group is visited in
    // order (when reading, a later module's value wins), and the call succeeds
    // when at least one of them holds the object. Base profile objects (12,
    // 13, 15) are read only. Numbers are written only when the text is a number
    // as a whole; cut offsets read with 7 decimals, general variables with 8.
    // eInvalidInput without a macro, for an unknown group, or when no module
    // held the object. `transaction` is the one in which the macro is open.
    ErrorStatus getMacroVarValue(Tvx_DbMacro* dbMacro, MacroData* macroData, Tvx_String& value,
                                 AcTransaction* transaction) const;
    ErrorStatus setMacroVarValue(Tvx_DbMacro* dbMacro, MacroData* macroData,
                                 const Tvx_String& value, AcTransaction* transaction) const;

    // Resolves a spreadsheet variable by its name alone within one module:
    // "gen." names a general variable "gen_" + rest (numeric types), suffixes
    // ".Name", ".Material" (placements), ".Cut" ... ".CutRadius" (cut offsets),
    // ".Diameter", ".HoleOffset" (bolt data), ".NrBolts1/2", ".ReverseStart1/2"
    // (patterns), ".MemberName" (placements); any other numeric name is a
    // dialog variable of the module. eInvalidInput without module or macro
    // data, when the module has no tab, or when the name resolves to nothing.
    static ErrorStatus getSetByName(const Tvx_String& name, int valueType, Tvx_Macro* macro,
                                    Tvx_Module* module, MacroData* macroData, Tvx_String& value,
                                    bool read, AcTransaction* transaction);

    friend bool operator==(const VtObjectMap&, const VtObjectMap&) = default;

  private:
    ErrorStatus getSetMacroVar(Tvx_DbMacro* dbMacro, MacroData* macroData, Tvx_String& value,
                               bool read) const;
    ErrorStatus moduleStep(Tvx_Macro& macro, MacroData* macroData, const Tvx_String& moduleName,
                           int index, Tvx_String& value, bool read) const;
    ErrorStatus baseProfileValue(const Tvx_DbMacro& dbMacro, Tvx_String& value) const;
};
