// The process-wide current resource module and the switch that nests.
#include "platform/core/VtTempResourceOverride.h"

namespace {

ResourceModule gCurrentModule = nullptr;

}  // namespace

ResourceModule currentResourceModule() {
    return gCurrentModule;
}

void setCurrentResourceModule(ResourceModule module) {
    gCurrentModule = module;
}

void VtTempResourceOverride::SaveDefaultResource(ResourceModule module) {
    module_ = module;
    hasModule_ = true;
}

bool VtTempResourceOverride::SetDefaultResource() {
    if (!hasModule_ || gCurrentModule == module_)
        return false;
    switchedFrom_.push_back(gCurrentModule);
    gCurrentModule = module_;
    return true;
}

void VtTempResourceOverride::RestoreOriginalResource() {
    if (switchedFrom_.empty())
        return;
    gCurrentModule = switchedFrom_.back();
    switchedFrom_.pop_back();
}
