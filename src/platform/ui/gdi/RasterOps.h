// Block transfers between pictures with raster operations: how a source, the
// destination and a brush colour combine, bit by bit, into the destination.
//
// A raster operation code holds in bits 16..23 the result for each of the
// eight combinations of brush (P), source (S) and destination (D) bits: bit
// (P*4 + S*2 + D) of that byte is the result bit. So SRCCOPY (0xCC0020) gives
// S, SRCAND (0x8800C6) S AND D, SRCPAINT (0xEE0086) S OR D. Every code works,
// not only the named ones.
//
// Between colour and monochrome pictures, as the platform converts them:
// - colour source onto a monochrome destination: source pixels equal to the
//   source's background colour become white (1), all others black (0);
// - monochrome source onto a colour destination: black (0) becomes the
//   destination's text colour, white (1) its background colour.
#pragma once

#include "platform/ui/gdi/PixelImage.h"

inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD SRCERASE = 0x00440328;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD NOTSRCERASE = 0x001100A6;
inline constexpr DWORD MERGEPAINT = 0x00BB0226;
inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATINVERT = 0x005A0049;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;
// Destination AND NOT source: clears the destination where the source is set
// (what makes the transparent pixels of a picture black before an OR).
inline constexpr DWORD DSna = 0x00220326;

// The colours a transfer converts with (see above) and the brush colour P.
struct BlitColours {
    COLORREF sourceBackground = RGB(255, 255, 255);
    COLORREF destinationText = RGB(0, 0, 0);
    COLORREF destinationBackground = RGB(255, 255, 255);
    COLORREF brush = RGB(255, 255, 255);
};

// The result of a raster operation on one pixel's 24 colour bits.
COLORREF applyRop3(DWORD rop, COLORREF brush, COLORREF source, COLORREF destination);

// Transfers the width x height block at (sx, sy) of source to (x, y) of
// destination. The block is clipped to both pictures; a block that is empty
// after clipping changes nothing. source may be null for operations that do
// not read it (PATCOPY, BLACKNESS ...), where a null source counts as black.
void bitBlt(PixelImage& destination, int x, int y, int width, int height, const PixelImage* source,
            int sx, int sy, DWORD rop, const BlitColours& colours = {});

// The transparency mask of a picture: a monochrome picture of the same size,
// white where the picture has the transparent colour, black elsewhere.
PixelImage makeMonochromeMask(const PixelImage& picture, COLORREF transparent);
