// Points the registry stand-in at a fresh temporary folder for one test.
#pragma once

#include "platform/ui/registry/RegistryStore.h"
#include "support/TempDir.h"

class RegistryTestFolder {
  public:
    RegistryTestFolder() { registry::setRegistryFolder(dir_.path()); }
    ~RegistryTestFolder() { registry::setRegistryFolder({}); }
    const testsupport::TempDir& dir() const { return dir_; }
    std::string fileText() const { return dir_.read("registry.txt"); }

  private:
    testsupport::TempDir dir_;
};
