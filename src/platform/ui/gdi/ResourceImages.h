// Pictures of the product's resources and of files: bitmaps and icons loaded
// by number or by path.
//
// Resources are files in the product folder (gSettings.tvxDir()):
//   bitmaps/<id>.bmp   a bitmap resource
//   icons/<id>.bmp     an icon resource, a BMP picture whose magenta pixels
//                      (RGB 255, 0, 255) are transparent
// An icon file may also be given by path (LR_LOADFROMFILE) with the same rule.
#pragma once

#include <optional>

#include "platform/core/Tvx_String.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/gdi/GdiHandles.h"

// The colour that marks the transparent pixels of an icon picture.
inline constexpr COLORREF kIconTransparentColour = RGB(255, 0, 255);

inline constexpr UINT IMAGE_CURSOR = 2;
inline constexpr UINT LR_DEFAULTCOLOR = 0x0000;
inline constexpr UINT LR_LOADFROMFILE = 0x0010;
inline constexpr UINT LR_DEFAULTSIZE = 0x0040;
inline constexpr UINT LR_SHARED = 0x8000;

// A resource id passed where a name is expected, as the platform does it.
inline LPCWSTR MAKEINTRESOURCE(UINT id) {
    return reinterpret_cast<LPCWSTR>(static_cast<std::uintptr_t>(id & 0xFFFF));
}
inline bool IS_INTRESOURCE(LPCWSTR name) {
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

// Loads a bitmap (IMAGE_BITMAP) or an icon (IMAGE_ICON) from the resources
// (name made with MAKEINTRESOURCE) or, with LR_LOADFROMFILE, from the file
// named. A width and height of 0 keep the picture's own size; others scale it
// (nearest pixel). Null when the resource or file is missing or not a BMP the
// reader knows, or the type is another. The instance is not used: all
// resources of the product live in one folder.
HGDIOBJ LoadImage(HINSTANCE instance, LPCWSTR name, UINT type, int width, int height, UINT flags);
// The icon resource at its own size; null when missing.
HICON LoadIcon(HINSTANCE instance, LPCWSTR name);

namespace gdi {

// The picture of a bitmap resource; nothing when missing or unreadable.
std::optional<PixelImage> loadBitmapResource(UINT id);
// An icon made from a picture in which kIconTransparentColour is transparent.
IconInfo iconFromPicture(const PixelImage& picture);

}  // namespace gdi
