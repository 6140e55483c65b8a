// Opening a drawing's macro for writing, and the profile accessors.
#include "platform/core/macro/Tvx_DbMacro.h"

Tvx_Macro* Tvx_DbMacro::macroWrite() {
    if (!isWriteEnabled() && upgradeOpen() != eOk)
        return nullptr;
    return &macro_;
}

ErrorStatus getBaseProf(const Tvx_DbMacro* dbMacro, int n, const Tvx_Profile*& profile) {
    profile = nullptr;
    if (!dbMacro)
        return eInvalidInput;
    const Tvx_Array<Tvx_BaseProfile>& bases = dbMacro->macro().baseProfiles;
    if (n < 0 || n >= bases.length())
        return eInvalidInput;
    profile = &bases[n].profile;
    return eOk;
}

ErrorStatus getSectionName(const Tvx_Profile& profile, Tvx_String& sectionName) {
    if (profile.section.isEmpty())
        return eInvalidInput;
    sectionName = profile.section;
    return eOk;
}

ErrorStatus getMaterial(const Tvx_Profile& profile, Tvx_String& material) {
    if (profile.material.isEmpty())
        return eInvalidInput;
    material = profile.material;
    return eOk;
}
