// The module loaded into the host for the length of a command, as the host
// loads it: through its dynamic linker (process attach, then the load
// message), and unloaded again (unload message, process detach) at the end.
#pragma once

namespace vtss {

class ModuleSession {
  public:
    ModuleSession();
    ~ModuleSession();
    ModuleSession(const ModuleSession&) = delete;
    ModuleSession& operator=(const ModuleSession&) = delete;

    // False when the host refused to load the module.
    bool loaded() const { return loaded_; }

  private:
    bool loaded_ = false;
};

}  // namespace vtss
