// VtSSMapping: which macro object each variable of one standards spreadsheet
// stands for. A sheet is bound either to a module group, where every variable
// is resolved by its name (VtObjectMap::getSetByName), or by a list of object
// maps read from the sheet's mapping file.
//
// The mapping file. One per sheet: the sheet's path with its extension
// changed to "map". A sheet given by a name is the file libDir +
// "Connection Standards\\" + name + ".vts"; a sheet given by the path of an
// existing file is that file. It holds any number of named mappings, one per
// line:
//
//     Mapping version 1.0
//     Standard=ThicknessƒPlate•Distance Thickness¿Gapƒ•GenVar gen_Gap
//
// A line is a mapping name, "=", and entries separated by "¿"; an entry is the
// variable name, "ƒ" and the object map's mapping string (VtObjectMap.h). On
// reading, a first line holding both "Mapping" and "version" is the header and
// is skipped; any other first line is a mapping line. Nothing is escaped, so
// entries whose texts hold the separators are not written (setMappingToFile).
//
// Names: mapping names are compared exactly, variable names without regard to
// letter case. Value types match when they are equal or both numeric (Int and
// Double), the rule by which getValidVars offers objects for a variable.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "standards/VtObjectMap.h"

class VtDlgStandardsData;

class VtSSMapping {
  public:
    enum Mode { eUnbound = 0, eModuleGroup = 1, eMappingFile = 2 };

    int mode() const { return mode_; }
    const Tvx_Array<VtObjectMap>& mappedObjects() const { return mappedObjects_; }
    Tvx_Array<VtObjectMap>& mappedObjectsWrite() { return mappedObjects_; }

    // Binds to the mapping file: needs the block's macro and an empty module
    // group; sets mode 2 and loads the block's mapping name from the mapping
    // file of the block's sheet. eInvalidInput when a requirement fails (mode
    // unchanged) or the mapping cannot be loaded (mode 2 all the same).
    ErrorStatus initFromMacro(const VtDlgStandardsData& standardsData);
    // Binds to a module group (mode 1); eInvalidInput for an empty name, mode
    // unchanged.
    ErrorStatus initFromModuleGroup(const Tvx_String& groupName);

    // Reads the macro's value of variable ssVar, or writes value into the
    // macro. Mode 1: reading tries each module of the block's group by name
    // and the first success wins; writing writes by name into every module of
    // the group, and also through the variable's object map when there is one.
    // Otherwise through the variable's object map (findSSVar). eInvalidInput
    // without a macro in the block, or when nothing was read or written.
    ErrorStatus getMacroVarValue(const Tvx_String& ssVar, int valueType, Tvx_String& value,
                                 VtDlgStandardsData& standardsData) const;
    ErrorStatus setMacroVarValue(const Tvx_String& ssVar, int valueType, const Tvx_String& value,
                                 VtDlgStandardsData& standardsData) const;

    // Appends an object map, without variable, for every mappable object of
    // the macro: per module (in order) its dialog variables, cuts (one map per
    // offset kind of the cut's type), bolt data and patterns (bolt modules),
    // named placements (profile modules); then the base profiles with the
    // dimensions of their sections, and the general variables. eInvalidInput
    // without a macro.
    ErrorStatus initAllVarsFromMacro(const Tvx_DbMacro* dbMacro, AcTransaction* transaction);

    // The first map of variable ssVar whose value type matches valueType;
    // eInvalidInput (index -1) when there is none.
    ErrorStatus findSSVar(const Tvx_String& ssVar, int valueType, int& index) const;
    // The first map compatible with objectMap; eInvalidInput (index -1) when none.
    ErrorStatus findCompatible(const VtObjectMap& objectMap, int& index) const;
    // count = how many maps of this mapping have a compatible map in other. eOk.
    ErrorStatus isCompatible(const VtSSMapping& other, int& count) const;
    // True when every map of this mapping has a value type and other has a map
    // for the same variable and a matching value type that is compatible with
    // it. One-sided: maps only other has do not matter.
    bool isEqual(const VtSSMapping& other) const;

    // The indices, in order, of the maps whose value type is numeric exactly
    // when valueType is numeric. eOk.
    ErrorStatus getValidVars(int valueType, Tvx_IntArray& indices) const;
    // Regroups indices by the position of each map's visibility in
    // visibilityOrder (a visibility not listed goes to the last group): for
    // each group in order, -1 and then the group's indices, so every group of
    // the list appears, empty ones as a lone -1. An empty visibilityOrder
    // fails and leaves indices empty; indices outside the maps are dropped.
    ErrorStatus sortValidVars(Tvx_IntArray& indices, const Tvx_IntArray& visibilityOrder) const;

    // The mapping file of a sheet (the rule above).
    static Tvx_String mappingFilePath(const Tvx_String& sheetName);
    // Loads mapping mappingName from the sheet's mapping file. eInvalidInput
    // when the file cannot be read or holds no line of that name; a file
    // without lines gives eOk and leaves the mapping unchanged.
    ErrorStatus getMappingFromFile(const Tvx_String& sheetName, const Tvx_String& mappingName);
    // Stores this mapping under mappingName in the sheet's mapping file:
    // entries for maps with a type, without later duplicates of a variable
    // name, without variable names holding characters no file name may hold,
    // and without entries whose texts would break the line (a variable name
    // holding "ƒ", a module holding "•", any text holding "¿" or a line
    // break). A stored mapping of the same name that is equal to this one
    // both ways leaves the file untouched; otherwise that line is removed and
    // the new line appended after the others, under the header. eInvalidInput
    // when the mapping name holds "=" or a line break, or the file cannot be
    // written.
    ErrorStatus setMappingToFile(const Tvx_String& sheetName, const Tvx_String& mappingName) const;
    // Replaces the maps with those of one mapping line; entries that do not
    // parse are skipped. eInvalidInput (maps emptied) for a line without "=".
    ErrorStatus initMappingFromLine(const Tvx_String& line);
    // The name of the first mapping of the sheet's mapping file to which this
    // mapping is equal (isEqual); false when there is none or the file cannot
    // be read.
    bool hasSameMapping(const Tvx_String& sheetName, Tvx_String& mappingName) const;

    friend bool operator==(const VtSSMapping&, const VtSSMapping&) = default;

  private:
    int mode_ = eUnbound;
    Tvx_Array<VtObjectMap> mappedObjects_;
};
