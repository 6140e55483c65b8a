// The host's system registry: its service objects under fixed names, so that an
// application reaches the dynamic linker and the command stack as it would on
// the host ("DynamicLinker", "ACAD_REGISTERED_COMMANDS").
#pragma once

#include <map>
#include <memory>

#include "platform/core/Tvx_String.h"
#include "platform/host/AcRx.h"

inline constexpr const wchar_t* ACRX_DYNAMIC_LINKER = L"DynamicLinker";
inline constexpr const wchar_t* ACRX_COMMAND_DOCK = L"ACAD_REGISTERED_COMMANDS";

class AcRxDictionary {
  public:
    // The object under key (exact match), or null when there is none or key is null.
    AcRxObject* at(const wchar_t* key) const;
    // Stores object under key, replacing and deleting an earlier one. A null key
    // or object is refused (false).
    bool atPut(const wchar_t* key, std::unique_ptr<AcRxObject> object);

  private:
    std::map<Tvx_String, std::unique_ptr<AcRxObject>> entries_;
};

// The host's registry, holding its dynamic linker and its command stack.
AcRxDictionary* acrxSysRegistry();
