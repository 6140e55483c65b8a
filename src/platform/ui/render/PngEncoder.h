// Pictures as PNG bytes, for embedding in SVG: 8-bit RGB, rows unfiltered,
// compressed with stored (uncompressed) deflate blocks, so that the encoder
// stays small and exact; the files are larger than they need to be, never wrong.
#pragma once

#include <string>

#include "platform/ui/gdi/PixelImage.h"

// The PNG bytes of the part of the picture inside rect (clipped to the
// picture); empty when nothing of the picture is inside.
std::string encodePng(const PixelImage& picture, const RECT& rect);
std::string encodePng(const PixelImage& picture);

// Standard base64 with padding.
std::string base64(const std::string& bytes);
