// Resolving a spreadsheet variable by its name alone within one module: a
// general variable, or a suffix that names the kind of object, or else a dialog
// variable. The rules are tried in the order of this file.
#include <array>

#include "standards/MacroObjectAccess.h"
#include "standards/VtObjectMap.h"

namespace {

constexpr int kGeneralVariableDecimals = 4;

// The part of name before suffix (letter case ignored), when name ends in it.
bool cutSuffix(const Tvx_String& name, const wchar_t* suffix, Tvx_String& before) {
    const Tvx_String ending(suffix);
    if (!name.endsWith(ending, false))
        return false;
    before = name.getSubStringAt(0, name.length() - ending.length());
    return true;
}

// The cut suffixes, in offset kind order (kind 0 to 8).
const std::array<const wchar_t*, kCutOffsetKindCount> kCutSuffixes = {
    L".Cut",        L".CutPoly",  L".CutLength", L".CutCenter", L".CutInside",
    L".CutOutside", L".Chamfer1", L".Chamfer2",  L".CutRadius",
};

}  // namespace

ErrorStatus VtObjectMap::getSetByName(const Tvx_String& name, int valueType, Tvx_Macro* macro,
                                      Tvx_Module* module, MacroData* macroData, Tvx_String& value,
                                      bool read, AcTransaction* /*transaction*/) {
    if (!module || !macroData)
        return eInvalidInput;
    MacroTabData* tab = macroaccess::findModuleTab(*macroData, *module);
    if (!tab)
        return eInvalidInput;
    const bool numeric = isNumericValueType(valueType);
    const Tvx_String genPrefix(L"gen.");
    Tvx_String before;

    if (numeric && name.startsWith(genPrefix, false)) {
        if (!macro)
            return eInvalidInput;
        const Tvx_String variable = Tvx_String(L"gen_") + name.getSubStringAt(genPrefix.length());
        Tvx_StringArray names;
        int index = -1;
        macro->getGeneralVariables(names);
        if (!names.find(variable, index, false))
            return eInvalidInput;
        return macroaccess::generalVariable(*macro, variable, kGeneralVariableDecimals, value,
                                            read);
    }
    if (!numeric && read) {
        const bool sectionName = cutSuffix(name, L".Name", before);
        if (sectionName || cutSuffix(name, L".Material", before)) {
            Tvx_ProfPlacement* placement = nullptr;
            if (getNamedPrpl(*module, before, placement) == eOk) {
                return sectionName ? getSectionName(placement->profile, value)
                                   : getMaterial(placement->profile, value);
            }
        }
    }
    if (numeric) {
        for (int kind = 0; kind < kCutOffsetKindCount; ++kind) {
            if (cutSuffix(name, kCutSuffixes[static_cast<size_t>(kind)], before)) {
                return macroaccess::cutOffset(*module, before, kind, value, read);
            }
        }
        if (cutSuffix(name, L".Diameter", before)) {
            return macroaccess::boltDataText(*tab, true, value, read);
        }
        if (cutSuffix(name, L".HoleOffset", before)) {
            return macroaccess::boltDataText(*tab, false, value, read);
        }
    }
    for (int direction = 1; direction <= 2; ++direction) {
        if (cutSuffix(name, direction == 1 ? L".NrBolts1" : L".NrBolts2", before)) {
            return getSetNrBolts(*tab, before, value, read, direction);
        }
    }
    if (numeric) {
        for (int direction = 1; direction <= 2; ++direction) {
            if (cutSuffix(name, direction == 1 ? L".ReverseStart1" : L".ReverseStart2", before)) {
                if (!module->isBoltModule())
                    return eInvalidInput;
                return macroaccess::patternReverse(*module, before, direction, value, read);
            }
        }
    }
    if (!numeric) {
        if (cutSuffix(name, L".MemberName", before)) {
            return macroaccess::memberName(*tab, before, value, read);
        }
        return eInvalidInput;
    }
    return macroaccess::constraintVariable(*module, *tab, name, value, read);
}
