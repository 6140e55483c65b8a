// The extension module records and the resource chain.
#include "platform/host/ExtensionModule.h"

#include <algorithm>

namespace {

std::vector<CDynLinkLibrary*>& chain() {
    static auto* libraries = new std::vector<CDynLinkLibrary*>;  // outlives static modules
    return *libraries;
}

}  // namespace

bool AfxInitExtensionModule(AFX_EXTENSION_MODULE& module, HINSTANCE instance) {
    if (!instance || module.bInitialized)
        return false;
    module.bInitialized = true;
    module.hModule = instance;
    module.hResource = instance;
    return true;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& module) {
    if (!module.bInitialized)
        return;
    std::vector<CDynLinkLibrary*> owned;
    for (CDynLinkLibrary* library : chain()) {
        if (library->m_hModule == module.hModule)
            owned.push_back(library);
    }
    for (CDynLinkLibrary* library : owned)
        delete library;
    module = AFX_EXTENSION_MODULE{};
}

CDynLinkLibrary::CDynLinkLibrary(const AFX_EXTENSION_MODULE& module)
    : m_hModule(module.hModule), m_hResource(module.hResource) {
    chain().insert(chain().begin(), this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    std::erase(chain(), this);
}

namespace host {

std::vector<HINSTANCE> resourceChain() {
    std::vector<HINSTANCE> instances;
    for (const CDynLinkLibrary* library : chain())
        instances.push_back(library->m_hResource);
    return instances;
}

}  // namespace host
