// The C++ faces of drawing objects: CBitmap, CBrush and CPen over the handles
// of GdiHandles.h. An object owns the handle it created or attached and
// deletes it when destroyed; FromHandle gives the object that owns a handle.
//
// Bad input: each Create/Load fails (FALSE) when the object already holds a
// handle; operations on an object without a handle return their failure value.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/ui/gdi/GdiHandles.h"

class CDC;

// What GetBitmap reports of a bitmap.
struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 0;  // 1 for monochrome bitmaps, 32 for colour ones
    void* bmBits = nullptr;
};

class CGdiObject {
  public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // Takes ownership of a live handle (FALSE when this object holds one, or
    // the handle is unknown or owned by another object).
    BOOL Attach(HGDIOBJ object);
    // Lets go of the handle without deleting it.
    HGDIOBJ Detach();
    // Deletes the handle (FALSE without one, or for a stock object, which is
    // then only let go of).
    BOOL DeleteObject();

  protected:
    // Takes a handle just created; FALSE (and the handle deleted) when this
    // object holds one already.
    BOOL adopt(HGDIOBJ object);
    // The object owning a handle; null when none.
    static CGdiObject* owner(HGDIOBJ object);
};

class CBitmap : public CGdiObject {
  public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // A bitmap of the module's resources: tvxDir + "bitmaps/<id>.bmp".
    BOOL LoadBitmap(UINT resourceId);
    // A bitmap from a BMP file at its own size (paths as mapPath takes them).
    BOOL LoadFromFile(const Tvx_String& path);
    // A bitmap of the given size; bitsPerPixel 1 makes a monochrome one. bits,
    // when not null, holds the rows top-down: 1 bit per pixel, rows padded to 16
    // bits (as the platform's monochrome bitmaps), or 4 bytes (blue, green, red,
    // spare) per pixel for colour. FALSE for a size that is not positive.
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // A colour bitmap (a monochrome one when dc draws on a monochrome picture).
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // Takes a picture.
    BOOL CreateFromPicture(PixelImage picture);
    // FALSE (nothing set) without a bitmap.
    BOOL GetBitmap(BITMAP* info) const;
    CSize GetBitmapDimension() const;
    // The pixels; null without a bitmap.
    PixelImage* picture() const;

    static CBitmap* FromHandle(HBITMAP bitmap);
};

class CBrush : public CGdiObject {
  public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF colour);
    BOOL CreateSysColorBrush(int index);
    BOOL CreateStockObject(int index);
    static CBrush* FromHandle(HBRUSH brush);
};

class CPen : public CGdiObject {
  public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    BOOL CreatePen(int style, int width, COLORREF colour);
    BOOL CreateStockObject(int index);
    static CPen* FromHandle(HPEN pen);
};
