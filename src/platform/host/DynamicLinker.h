// The host's dynamic linker: loads and unloads application modules, sending
// them their process and application messages, and keeps per application the
// lock (a locked application cannot be unloaded) and the MDI-aware flag.
//
// Loading a module: the process entry is called with DLL_PROCESS_ATTACH and a
// fresh instance handle (returning 0 stops the load, nothing else is called);
// the application is registered (locked, not MDI-aware) and its entry point
// receives kInitAppMsg with its application id. An entry point that answers
// anything but kRetOK is unloaded again at once (unload message, detach).
// Unloading: refused while the application is locked; otherwise the entry point
// receives kUnloadAppMsg (an answer other than kRetOK keeps it loaded), then the
// process entry DLL_PROCESS_DETACH, and the application is forgotten.
#pragma once

#include <memory>
#include <vector>

#include "platform/host/ModuleImage.h"
#include "platform/host/SystemRegistry.h"

class AcRxDynamicLinker : public AcRxObject {
  public:
    AcRxDynamicLinker();
    ~AcRxDynamicLinker() override;

    // The linker behind a registry object; null when it is not one.
    static AcRxDynamicLinker* cast(AcRxObject* object);

    // False when the image has no name or entry point, when a module of that
    // name is already loaded, or when attaching or the load message failed.
    bool loadModule(const ArxModuleImage& image);
    // False when no module of that name is loaded, when it is locked, or when it
    // refused the unload message.
    bool unloadModule(const Tvx_String& name);

    // Lock state and MDI awareness of a loaded application, by application id;
    // an unknown id (or null) changes nothing and returns false.
    bool unlockApplication(void* appId);
    bool lockApplication(void* appId);
    bool registerAppMDIAware(void* appId);

    // Queries by module name; false (or null) for a module that is not loaded.
    bool isModuleLoaded(const Tvx_String& name) const;
    bool isApplicationLocked(const Tvx_String& name) const;
    bool isAppMDIAware(const Tvx_String& name) const;
    void* applicationId(const Tvx_String& name) const;
    HINSTANCE instance(const Tvx_String& name) const;

  private:
    struct LoadedApp;
    LoadedApp* findByName(const Tvx_String& name) const;
    LoadedApp* findById(void* appId) const;
    void forget(LoadedApp* app);

    std::vector<std::unique_ptr<LoadedApp>> apps_;
};

// The dynamic linker of the host's system registry.
inline AcRxDynamicLinker* acrxDynamicLinker() {
    return AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER));
}
