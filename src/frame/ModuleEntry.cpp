// The module's process entry and application entry point.
#include "frame/ModuleEntry.h"

#include "frame/ConstraintEditorHolder.h"
#include "frame/FrameTemplates.h"
#include "frame/MacroDialogExports.h"
#include "frame/ModuleResources.h"
#include "platform/host/CommandStack.h"
#include "platform/host/DynamicLinker.h"
#include "platform/host/ExtensionModule.h"

int DllMain(HINSTANCE instance, unsigned long reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        setModuleInstance(instance);
        moduleResourceOverride().SaveDefaultResource(instance);
        if (!AfxInitExtensionModule(moduleExtension(), instance))
            return 0;
        new CDynLinkLibrary(moduleExtension());  // owned by the resource chain
        registerFrameTemplates();
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(moduleExtension());
    }
    return 1;
}

AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
    if (message == AcRx::kInitAppMsg) {
        if (AcRxDynamicLinker* linker =
                AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))) {
            linker->unlockApplication(appId);
            linker->registerAppMDIAware(appId);
        }
        loadCheckBoxBitmaps();
    } else if (message == AcRx::kUnloadAppMsg) {
        if (AcEdCommandStack* commands =
                AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))) {
            commands->removeGroup(kCommandGroup);
        }
        DestroyAllMacroDlgs();
        EndDlgEditConstraints();
    }
    return AcRx::kRetOK;
}

ArxModuleImage moduleImage() {
    return ArxModuleImage{kModuleName, &DllMain, &acrxEntryPoint};
}
