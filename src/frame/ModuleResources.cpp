// The module's instance, extension record, resource switch and check-box bitmaps.
#include "frame/ModuleResources.h"

namespace {

HINSTANCE& instanceSlot() {
    static HINSTANCE instance = nullptr;
    return instance;
}

CBitmap* checkBoxBitmaps() {
    static CBitmap bitmaps[2];
    return bitmaps;
}

}  // namespace

HINSTANCE moduleInstance() {
    return instanceSlot();
}

void setModuleInstance(HINSTANCE instance) {
    instanceSlot() = instance;
}

AFX_EXTENSION_MODULE& moduleExtension() {
    static AFX_EXTENSION_MODULE extension;
    return extension;
}

VtTempResourceOverride& moduleResourceOverride() {
    static VtTempResourceOverride resourceOverride;
    return resourceOverride;
}

bool loadCheckBoxBitmaps() {
    bool all = true;
    for (int i = 0; i < 2; ++i) {
        CBitmap& bitmap = checkBoxBitmaps()[i];
        bitmap.DeleteObject();
        all = bitmap.LoadBitmap(kCheckBoxBitmapIds[i]) && all;
    }
    return all;
}

CBitmap* checkBoxBitmap(int index) {
    if (index < 0 || index > 1 || !checkBoxBitmaps()[index].GetSafeHandle())
        return nullptr;
    return &checkBoxBitmaps()[index];
}
