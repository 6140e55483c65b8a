// The host's system registry and the services it is created with.
#include "platform/host/SystemRegistry.h"

#include "platform/host/CommandStack.h"
#include "platform/host/DynamicLinker.h"

AcRxObject* AcRxDictionary::at(const wchar_t* key) const {
    if (!key)
        return nullptr;
    const auto found = entries_.find(Tvx_String(key));
    return found == entries_.end() ? nullptr : found->second.get();
}

bool AcRxDictionary::atPut(const wchar_t* key, std::unique_ptr<AcRxObject> object) {
    if (!key || !object)
        return false;
    entries_[Tvx_String(key)] = std::move(object);
    return true;
}

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary* registry = [] {
        static AcRxDictionary dictionary;
        dictionary.atPut(ACRX_DYNAMIC_LINKER, std::make_unique<AcRxDynamicLinker>());
        dictionary.atPut(ACRX_COMMAND_DOCK, std::make_unique<AcEdCommandStack>());
        return &dictionary;
    }();
    return registry;
}
