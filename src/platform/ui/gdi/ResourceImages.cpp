// Loading bitmaps and icons from the product folder and from files.
#include "platform/ui/gdi/ResourceImages.h"

#include "platform/core/Tvx_Settings.h"
#include "platform/ui/gdi/BmpFormat.h"
#include "platform/ui/gdi/RasterOps.h"

namespace {

Tvx_String resourcePath(const wchar_t* folder, UINT id) {
    return gSettings.tvxDir() + folder + Tvx_String(static_cast<int>(id)) + L".bmp";
}

PixelImage scaled(const PixelImage& picture, int width, int height) {
    if (width <= 0 || height <= 0 || (width == picture.width() && height == picture.height())) {
        return picture;
    }
    PixelImage result(width, height, picture.isMonochrome());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            result.setPixel(
                x, y, picture.getPixel(x * picture.width() / width, y * picture.height() / height));
        }
    }
    return result;
}

std::optional<PixelImage> loadPicture(LPCWSTR name, UINT type, UINT flags) {
    if (!name)
        return std::nullopt;
    if (flags & LR_LOADFROMFILE) {
        if (IS_INTRESOURCE(name))
            return std::nullopt;
        return loadBmpFile(Tvx_String(name));
    }
    if (!IS_INTRESOURCE(name))
        return std::nullopt;
    const UINT id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name));
    return loadBmpFile(resourcePath(type == IMAGE_ICON ? L"icons/" : L"bitmaps/", id));
}

}  // namespace

HGDIOBJ LoadImage(HINSTANCE, LPCWSTR name, UINT type, int width, int height, UINT flags) {
    if (type != IMAGE_BITMAP && type != IMAGE_ICON)
        return nullptr;
    const auto picture = loadPicture(name, type, flags);
    if (!picture)
        return nullptr;
    const PixelImage sized = scaled(*picture, width, height);
    if (type == IMAGE_BITMAP)
        return gdi::createBitmap(sized);
    return gdi::createIcon(gdi::iconFromPicture(sized));
}

HICON LoadIcon(HINSTANCE instance, LPCWSTR name) {
    return static_cast<HICON>(LoadImage(instance, name, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
}

namespace gdi {

std::optional<PixelImage> loadBitmapResource(UINT id) {
    return loadBmpFile(resourcePath(L"bitmaps/", id));
}

IconInfo iconFromPicture(const PixelImage& picture) {
    return IconInfo{picture, makeMonochromeMask(picture, kIconTransparentColour)};
}

}  // namespace gdi
