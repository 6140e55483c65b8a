// Loading, unloading and the per-application flags of the host's dynamic linker.
#include "platform/host/DynamicLinker.h"

#include <algorithm>

struct AcRxDynamicLinker::LoadedApp {
    ArxModuleImage image;
    // The instance handle is the address of this byte: unique while loaded.
    char instanceAnchor = 0;
    bool locked = true;
    bool mdiAware = false;

    void* id() { return this; }
    HINSTANCE instance() { return reinterpret_cast<HINSTANCE>(&instanceAnchor); }
};

AcRxDynamicLinker::AcRxDynamicLinker() = default;
AcRxDynamicLinker::~AcRxDynamicLinker() = default;

AcRxDynamicLinker* AcRxDynamicLinker::cast(AcRxObject* object) {
    return dynamic_cast<AcRxDynamicLinker*>(object);
}

bool AcRxDynamicLinker::loadModule(const ArxModuleImage& image) {
    if (image.name.isEmpty() || !image.entryPoint || findByName(image.name))
        return false;
    auto app = std::make_unique<LoadedApp>();
    app->image = image;
    if (image.processEntry &&
        image.processEntry(app->instance(), DLL_PROCESS_ATTACH, nullptr) == 0) {
        return false;
    }
    LoadedApp* loaded = app.get();
    apps_.push_back(std::move(app));
    if (image.entryPoint(AcRx::kInitAppMsg, loaded->id()) != AcRx::kRetOK) {
        image.entryPoint(AcRx::kUnloadAppMsg, loaded->id());
        forget(loaded);
        return false;
    }
    return true;
}

bool AcRxDynamicLinker::unloadModule(const Tvx_String& name) {
    LoadedApp* app = findByName(name);
    if (!app || app->locked)
        return false;
    if (app->image.entryPoint(AcRx::kUnloadAppMsg, app->id()) != AcRx::kRetOK)
        return false;
    forget(app);
    return true;
}

void AcRxDynamicLinker::forget(LoadedApp* app) {
    if (app->image.processEntry) {
        app->image.processEntry(app->instance(), DLL_PROCESS_DETACH, nullptr);
    }
    std::erase_if(apps_, [app](const auto& entry) { return entry.get() == app; });
}

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    LoadedApp* app = findById(appId);
    if (!app)
        return false;
    app->locked = false;
    return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) {
    LoadedApp* app = findById(appId);
    if (!app)
        return false;
    app->locked = true;
    return true;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    LoadedApp* app = findById(appId);
    if (!app)
        return false;
    app->mdiAware = true;
    return true;
}

bool AcRxDynamicLinker::isModuleLoaded(const Tvx_String& name) const {
    return findByName(name) != nullptr;
}

bool AcRxDynamicLinker::isApplicationLocked(const Tvx_String& name) const {
    const LoadedApp* app = findByName(name);
    return app && app->locked;
}

bool AcRxDynamicLinker::isAppMDIAware(const Tvx_String& name) const {
    const LoadedApp* app = findByName(name);
    return app && app->mdiAware;
}

void* AcRxDynamicLinker::applicationId(const Tvx_String& name) const {
    LoadedApp* app = findByName(name);
    return app ? app->id() : nullptr;
}

HINSTANCE AcRxDynamicLinker::instance(const Tvx_String& name) const {
    LoadedApp* app = findByName(name);
    return app ? app->instance() : nullptr;
}

AcRxDynamicLinker::LoadedApp* AcRxDynamicLinker::findByName(const Tvx_String& name) const {
    for (const auto& app : apps_) {
        if (app->image.name.equal(name, false))
            return app.get();
    }
    return nullptr;
}

AcRxDynamicLinker::LoadedApp* AcRxDynamicLinker::findById(void* appId) const {
    for (const auto& app : apps_) {
        if (app->id() == appId)
            return app.get();
    }
    return nullptr;
}
