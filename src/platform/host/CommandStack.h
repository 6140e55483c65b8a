// The host's command stack: commands registered by applications under command
// groups. Group and command names are compared without regard to letter case,
// as the host's command line does.
#pragma once

#include <vector>

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_String.h"
#include "platform/host/SystemRegistry.h"

using AcRxFunctionPtr = void (*)();

class AcEdCommandStack : public AcRxObject {
  public:
    // The command stack behind a registry object; null when it is not one.
    static AcEdCommandStack* cast(AcRxObject* object);

    // Registers a command in a group; the flags (modal, transparent ...) are
    // accepted and not kept, since the stand-in never runs commands on its own.
    // eInvalidInput for a null or empty group or
    // name, a null function, or a global name already registered in any group.
    ErrorStatus addCommand(const wchar_t* group, const wchar_t* globalName,
                           const wchar_t* localName, int flags, AcRxFunctionPtr function);
    // Removes every command of the group; eInvalidInput when the group has none
    // (an unknown group, or a null name).
    ErrorStatus removeGroup(const wchar_t* group);
    // Removes one command of a group; eInvalidInput when it is not there.
    ErrorStatus removeCmd(const wchar_t* group, const wchar_t* globalName);

    // The function of a command found by its global or local name; null when
    // there is none.
    AcRxFunctionPtr lookupCmd(const wchar_t* name) const;
    bool hasGroup(const wchar_t* group) const;
    int commandCount() const { return static_cast<int>(commands_.size()); }

  private:
    struct Command {
        Tvx_String group;
        Tvx_String globalName;
        Tvx_String localName;
        AcRxFunctionPtr function = nullptr;
    };
    std::vector<Command> commands_;
};

// The command stack of the host's system registry.
inline AcEdCommandStack* acedRegCmds() {
    return AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK));
}
