// The host's runtime vocabulary: the base of its registered service objects,
// the application messages an entry point receives, and its return codes.
#pragma once

class AcRxObject {
  public:
    virtual ~AcRxObject() = default;
};

namespace AcRx {

// Messages the host sends to an application's entry point.
enum AppMsgCode {
    kInitAppMsg = 1,    // the application was loaded
    kUnloadAppMsg = 2,  // the application is about to be unloaded
};

enum AppRetCode {
    kRetOK = 0,
    kRetError = 3,
};

}  // namespace AcRx

// An application's entry point: the message and the application's id (the
// token the dynamic linker hands out for this load).
using AcRxEntryPointFunction = AcRx::AppRetCode (*)(AcRx::AppMsgCode message, void* appId);
