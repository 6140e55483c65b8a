// The resource scope of an exported function: while it lives, this module's
// resources (dialog templates, texts, pictures) are the current ones.
#pragma once

#include "frame/ModuleResources.h"

class VtResourceScope {
  public:
    VtResourceScope() : switched_(moduleResourceOverride().SetDefaultResource()) {}
    ~VtResourceScope() {
        if (switched_)
            moduleResourceOverride().RestoreOriginalResource();
    }
    VtResourceScope(const VtResourceScope&) = delete;
    VtResourceScope& operator=(const VtResourceScope&) = delete;

    // Whether opening the scope switched the resources (false when this
    // module's were current already).
    bool switched() const { return switched_; }

  private:
    bool switched_;
};
