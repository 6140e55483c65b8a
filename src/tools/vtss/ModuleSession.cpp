// Loading and unloading the module through the host's dynamic linker.
#include "tools/vtss/ModuleSession.h"

#include "frame/ModuleEntry.h"
#include "platform/host/DynamicLinker.h"

namespace vtss {

ModuleSession::ModuleSession() {
    if (AcRxDynamicLinker* linker = acrxDynamicLinker())
        loaded_ = linker->loadModule(moduleImage());
}

ModuleSession::~ModuleSession() {
    if (!loaded_)
        return;
    if (AcRxDynamicLinker* linker = acrxDynamicLinker())
        linker->unloadModule(kModuleName);
}

}  // namespace vtss
