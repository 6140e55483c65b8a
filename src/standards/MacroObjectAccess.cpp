// Moving values between spreadsheet texts and the objects of a macro.
#include "standards/MacroObjectAccess.h"

#include <cmath>

#include "platform/core/NumberText.h"

namespace macroaccess {

namespace {

constexpr int kCutDecimals = 7;
const Tvx_String kReversed(L"1");
const Tvx_String kNotReversed(L"0");

// The number a written text holds, when it is one as a whole.
bool writtenNumber(const Tvx_String& text, double& number) {
    return numtext::parseWholeDouble(text.str(), number) && std::isfinite(number);
}

}  // namespace

MacroTabData* findModuleTab(MacroData& macroData, const Tvx_Module& module) {
    int index = -1;
    if (!macroData.findTab(module.groupKey(), index))
        return nullptr;
    return macroData.getTab(index);
}

ErrorStatus constraintVariable(Tvx_Module& module, MacroTabData& tab, const Tvx_String& name,
                               Tvx_String& value, bool read) {
    if (!read) {
        bool fixed = false;
        bool undetermined = false;
        if (tab.getFlexFixBtnStatus(name, fixed, undetermined) && (!fixed || undetermined)) {
            tab.flexFixBtnClicked(name, false);
        }
    }
    return getSetConstrVarValue(module, name, value, read);
}

ErrorStatus cutOffset(Tvx_Module& module, const Tvx_String& cutName, int offsetKind,
                      Tvx_String& value, bool read) {
    Tvx_CutConstraint* cut = nullptr;
    if (getCutConstraint(module, cutName, cut) != eOk)
        return eInvalidInput;
    double number = 0.0;
    if (!read && !writtenNumber(value, number))
        return eInvalidInput;
    if (getSetCutValue(*cut, offsetKind, number, read) != eOk)
        return eInvalidInput;
    if (read)
        value = Tvx_String(number, kCutDecimals);
    return eOk;
}

ErrorStatus boltDataText(MacroTabData& tab, bool diameter, Tvx_String& value, bool read) {
    MacroBoltData* data = nullptr;
    if (getBoltData(tab, data) != eOk)
        return eInvalidInput;
    Tvx_String& text = diameter ? data->diameter : data->holeOffset;
    if (read) {
        value = text;
    } else {
        text = value;
    }
    return eOk;
}

ErrorStatus patternReverse(Tvx_Module& module, const Tvx_String& patternName, int direction,
                           Tvx_String& value, bool read) {
    Tvx_BoltPattern* pattern = nullptr;
    if (findPattern(module, patternName, pattern) != eOk)
        return eInvalidInput;
    bool reverse = value == kReversed;
    if (getSetBoltPatternReverses(*pattern, direction, reverse, read) != eOk)
        return eInvalidInput;
    if (read)
        value = reverse ? kReversed : kNotReversed;
    return eOk;
}

ErrorStatus memberName(MacroTabData& tab, const Tvx_String& groupName, Tvx_String& value,
                       bool read) {
    MacroProfData props;
    if (tab.getMergedPropsOfGroup(groupName, props) != eOk)
        return eInvalidInput;
    if (read) {
        value = props.memberName;
        return eOk;
    }
    props.memberName = value;
    return tab.setMergedPropsOfGroup(groupName, props);
}

ErrorStatus generalVariable(Tvx_Macro& macro, const Tvx_String& name, int decimals,
                            Tvx_String& value, bool read) {
    double number = 0.0;
    if (read) {
        if (macro.generalVariableValue(name, number) != eOk)
            return eInvalidInput;
        value = Tvx_String(number, decimals);
        return eOk;
    }
    if (!writtenNumber(value, number))
        return eInvalidInput;
    return macro.setGeneralVariable(name, number);
}

}  // namespace macroaccess
