// Extension modules of the dialog framework, the loader's side: a module
// records itself when attached, and its library record puts it on the
// resource chain that the framework searches; terminating the module takes it
// off again.
#pragma once

#include <vector>

#include "platform/host/ModuleImage.h"

struct AFX_EXTENSION_MODULE {
    bool bInitialized = false;
    HINSTANCE hModule = nullptr;
    HINSTANCE hResource = nullptr;
};

// Records the module's instance as its code and resource module. FALSE (the
// record untouched) for a null instance or a record initialised already.
bool AfxInitExtensionModule(AFX_EXTENSION_MODULE& module, HINSTANCE instance);
// Takes every library record of the module off the resource chain and clears
// the record. Does nothing for a record that was never initialised.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& module);

// A module's place on the resource chain. Made with new after a successful
// AfxInitExtensionModule; AfxTermExtensionModule deletes it. Deleting it
// earlier takes it off the chain.
class CDynLinkLibrary {
  public:
    explicit CDynLinkLibrary(const AFX_EXTENSION_MODULE& module);
    virtual ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HINSTANCE m_hModule = nullptr;
    HINSTANCE m_hResource = nullptr;
};

namespace host {

// The resource instances on the chain, the most recent first.
std::vector<HINSTANCE> resourceChain();

}  // namespace host
