// The dialog data of a macro: one tab per module group (a module without a
// group has a tab of its own under its name), in the order in which the groups
// first appear among the macro's modules.
//
// The block is a copy. Dialogs and the standards engine change the tabs;
// setAllToMacro then writes what was changed into the macro's modules.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/macro/MacroTabData.h"
#include "platform/core/macro/Tvx_Macro.h"

class MacroData {
  public:
    Tvx_Array<MacroTabData> tabs;

    // Rebuilds the tabs from the macro. Always eOk.
    ErrorStatus initFromMacro(const Tvx_Macro& macro);

    // The index of the tab named `name` (its group key, letter case ignored);
    // false (index -1) when there is none.
    bool findTab(const Tvx_String& name, int& index) const;
    // The tab at index, or null outside the list.
    MacroTabData* getTab(int index);
    const MacroTabData* getTab(int index) const;

    // Writes into the macro every value of a tab that differs from what the
    // macro's modules give it now: bolt data texts, pattern counts, profile
    // groups (section, material, member name) and flex/fix states. A changed
    // value goes to every module of the tab that has the element; an empty
    // merged text or an undetermined flex/fix state is written only when it was
    // changed. Tabs whose modules the macro no longer has are skipped. Always eOk.
    ErrorStatus setAllToMacro(Tvx_Macro& macro) const;

    friend bool operator==(const MacroData&, const MacroData&) = default;
};
