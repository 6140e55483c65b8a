// Registration and removal of commands on the host's command stack.
#include "platform/host/CommandStack.h"

#include <algorithm>

namespace {

bool isBlank(const wchar_t* text) {
    return !text || text[0] == L'\0';
}

}  // namespace

AcEdCommandStack* AcEdCommandStack::cast(AcRxObject* object) {
    return dynamic_cast<AcEdCommandStack*>(object);
}

ErrorStatus AcEdCommandStack::addCommand(const wchar_t* group, const wchar_t* globalName,
                                         const wchar_t* localName, int /*flags*/,
                                         AcRxFunctionPtr function) {
    if (isBlank(group) || isBlank(globalName) || !function)
        return eInvalidInput;
    const Tvx_String global(globalName);
    const bool taken = std::any_of(commands_.begin(), commands_.end(), [&](const Command& c) {
        return c.globalName.equal(global, false);
    });
    if (taken)
        return eInvalidInput;
    commands_.push_back(
        {Tvx_String(group), global, isBlank(localName) ? global : Tvx_String(localName), function});
    return eOk;
}

ErrorStatus AcEdCommandStack::removeGroup(const wchar_t* group) {
    if (isBlank(group))
        return eInvalidInput;
    const Tvx_String name(group);
    const size_t removed =
        std::erase_if(commands_, [&](const Command& c) { return c.group.equal(name, false); });
    return removed > 0 ? eOk : eInvalidInput;
}

ErrorStatus AcEdCommandStack::removeCmd(const wchar_t* group, const wchar_t* globalName) {
    if (isBlank(group) || isBlank(globalName))
        return eInvalidInput;
    const Tvx_String groupName(group);
    const Tvx_String global(globalName);
    const size_t removed = std::erase_if(commands_, [&](const Command& c) {
        return c.group.equal(groupName, false) && c.globalName.equal(global, false);
    });
    return removed > 0 ? eOk : eInvalidInput;
}

AcRxFunctionPtr AcEdCommandStack::lookupCmd(const wchar_t* name) const {
    if (isBlank(name))
        return nullptr;
    const Tvx_String wanted(name);
    for (const Command& c : commands_) {
        if (c.globalName.equal(wanted, false) || c.localName.equal(wanted, false)) {
            return c.function;
        }
    }
    return nullptr;
}

bool AcEdCommandStack::hasGroup(const wchar_t* group) const {
    if (isBlank(group))
        return false;
    const Tvx_String name(group);
    return std::any_of(commands_.begin(), commands_.end(),
                       [&](const Command& c) { return c.group.equal(name, false); });
}
