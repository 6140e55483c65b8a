// The steps that move one value between a spreadsheet text and one object of a
// module or its tab, shared by the object map and the resolution by name.
// Each reads (read true) into value or writes value; each returns eInvalidInput
// when the object does not exist or a written text does not fit it, and then
// leaves both sides as they were.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/macro/MacroData.h"
#include "platform/core/macro/Tvx_Macro.h"

namespace macroaccess {

// The tab of a module's group in the macro data; null when there is none.
MacroTabData* findModuleTab(MacroData& macroData, const Tvx_Module& module);

// A dialog variable. Before a write, a variable whose flex/fix button is not
// clearly fixed (flexible, or undetermined among the group's modules) is made
// fixed, so that the written value holds.
ErrorStatus constraintVariable(Tvx_Module& module, MacroTabData& tab, const Tvx_String& name,
                               Tvx_String& value, bool read);

// Offset `offsetKind` of a cut, read with 7 decimals; a written text must be a
// number as a whole.
ErrorStatus cutOffset(Tvx_Module& module, const Tvx_String& cutName, int offsetKind,
                      Tvx_String& value, bool read);

// The diameter (diameter true) or the hole offset text of the tab's bolt data,
// copied unchanged.
ErrorStatus boltDataText(MacroTabData& tab, bool diameter, Tvx_String& value, bool read);

// Whether the pattern's bolts are numbered from the other end in `direction`:
// "1" when they are, "0" when not; a written "1" reverses, anything else not.
ErrorStatus patternReverse(Tvx_Module& module, const Tvx_String& patternName, int direction,
                           Tvx_String& value, bool read);

// The member name of the tab's profile group.
ErrorStatus memberName(MacroTabData& tab, const Tvx_String& groupName, Tvx_String& value,
                       bool read);

// A general variable of the macro, read with `decimals` decimals; a written
// text must be a number as a whole.
ErrorStatus generalVariable(Tvx_Macro& macro, const Tvx_String& name, int decimals,
                            Tvx_String& value, bool read);

}  // namespace macroaccess
