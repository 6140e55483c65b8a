// How the process and the host load and unload the module: its process entry
// (attach, detach) and its application entry point (load and unload messages).
#pragma once

#include "platform/host/ModuleImage.h"

// The module's name as the host's loader knows it.
inline constexpr const wchar_t* kModuleName = L"SS.arx";
// The command group the module's commands would live in; removed on unload.
inline constexpr const wchar_t* kCommandGroup = L"TAVERIX_SS";

// Attach: keeps the instance, gives it to the resource switch, initialises the
// extension module (returning 0 when that fails), puts the module on the
// resource chain and registers its dialog templates; 1. Detach: terminates the
// extension module; 1. Other reasons: 1.
int DllMain(HINSTANCE instance, unsigned long reason, void* reserved);

// Load: unlocks the application and registers it as MDI-aware through the
// host's dynamic linker, then loads the two check-box bitmaps. Unload: removes
// the command group "TAVERIX_SS", closes every modeless macro dialog and the
// modeless constraint editor. Other messages: nothing. Always kRetOK.
AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId);

// The module as the host's loader takes it.
ArxModuleImage moduleImage();
