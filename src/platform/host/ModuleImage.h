// What the host's loader knows of an application module: its name, its
// process entry (attach and detach) and its application entry point.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/host/AcRx.h"

// A loaded module's instance handle: an opaque token unique to one load; the
// module keeps it to find its own resources.
using HINSTANCE = struct HINSTANCE__*;

// The reasons the process entry is called with.
inline constexpr unsigned long DLL_PROCESS_DETACH = 0;
inline constexpr unsigned long DLL_PROCESS_ATTACH = 1;

// A module's process entry: returns non-zero for success (only attach can fail).
using ProcessEntryFunction = int (*)(HINSTANCE instance, unsigned long reason, void* reserved);

struct ArxModuleImage {
    Tvx_String name;                              // e.g. "SS.arx"; compared without regard to case
    ProcessEntryFunction processEntry = nullptr;  // may be null: nothing to attach
    AcRxEntryPointFunction entryPoint = nullptr;  // required
};
