// The resource switch: which module's resources (dialog templates, numbered
// texts, icons) are current, and the object a module uses to make its own
// current for the length of a call.
//
// A module identifies itself by a ResourceModule handle (its instance handle;
// null is the host's own resources, current at start). The current module is
// process-wide. VtTempResourceOverride keeps a stack of the modules it
// switched away from, so switches nest: every RestoreOriginalResource undoes
// the most recent switch that is still open, also when another module
// switched in between.
#pragma once

#include <vector>

using ResourceModule = const void*;

// The module whose resources are current.
ResourceModule currentResourceModule();
// Makes module current (what a host does when it switches on its own).
void setCurrentResourceModule(ResourceModule module);

class VtTempResourceOverride {
  public:
    // Remembers the module to switch to (a module's own instance handle, given
    // once when it is attached).
    void SaveDefaultResource(ResourceModule module);
    // Makes the remembered module current. True when that switched (another
    // module was current); false when it was current already or nothing was
    // remembered, in which case nothing is to be restored.
    bool SetDefaultResource();
    // Undoes the most recent open switch of this object. Does nothing when no
    // switch is open.
    void RestoreOriginalResource();

    ResourceModule savedModule() const { return module_; }

  private:
    ResourceModule module_ = nullptr;
    bool hasModule_ = false;
    std::vector<ResourceModule> switchedFrom_;
};
