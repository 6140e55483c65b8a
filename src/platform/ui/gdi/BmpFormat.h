// Reading and writing BMP files (device-independent bitmaps).
//
// Layout, all numbers little-endian:
//   file header, 14 bytes:  "BM", file size (4), reserved (4), offset of the pixels (4)
//   info header:            its size (4) and then
//     12 bytes (core):      width (2), height (2), planes (2), bits per pixel (2)
//     40/52/56/108/124:     width (4, signed), height (4, signed; negative means
//                           the rows run top-down), planes (2), bits per pixel (2),
//                           compression (4: 0 plain, 3 bit fields), image size (4),
//                           resolution x and y (4 + 4), colours used (4),
//                           colours important (4); from 52 bytes on the red,
//                           green, blue (and from 56 alpha) masks follow
//   bit-field masks:        three 4-byte masks after a 40-byte header with compression 3
//   palette:                for 1, 4 and 8 bits per pixel: "colours used" entries
//                           (0 means 2^bits) of blue, green, red and one spare
//                           byte (3 bytes per entry after a core header)
//   pixels:                 rows from the bottom up (unless the height is
//                           negative), each padded to a multiple of 4 bytes.
// Worked example: a 1 x 1 picture of pure red at 24 bits is 58 bytes: "BM",
// 58, 0, 54; header 40, 1, 1, 1, 24, 0, 4, 3780, 3780, 0, 0; pixels 00 00 FF 00.
//
// Read: 1, 4 and 8 bits with a palette, 16 bits (5-5-5, or bit fields), 24 bits,
// and 32 bits (plain or bit fields; the alpha byte is ignored). A 1-bit picture
// whose palette is black and white reads as a monochrome picture. Not read:
// run-length compressed files, and pictures of more than 2^26 pixels.
// Written: 1 bit (black and white palette; white pixels give 1, every other
// colour 0), 24 bits, and 32 bits (alpha byte 255), bottom-up, 96 dpi.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Tvx_String.h"
#include "platform/ui/gdi/PixelImage.h"

// The picture held by a BMP file's bytes. Nothing when the bytes are not a
// BMP the reader knows, or are cut short; error (when given) then says why.
std::optional<PixelImage> readBmp(std::string_view bytes, std::string* error = nullptr);

// The bytes of a BMP file of the picture at 1, 24 or 32 bits per pixel; empty
// for any other depth or an empty picture.
std::string writeBmp(const PixelImage& image, int bitsPerPixel);

// The same on files (paths are mapped by mapPath). Loading fails as readBmp
// does or when the file cannot be read ("cannot read file"); saving returns
// false when the depth is not supported, the picture is empty or the file
// cannot be written (the old file is then left as it was).
std::optional<PixelImage> loadBmpFile(const Tvx_String& path, std::string* error = nullptr);
bool saveBmpFile(const Tvx_String& path, const PixelImage& image, int bitsPerPixel);
