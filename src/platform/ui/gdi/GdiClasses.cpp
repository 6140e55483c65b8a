// CGdiObject and the bitmap, brush and pen classes over drawing handles.
#include "platform/ui/gdi/GdiClasses.h"

#include <cstdint>
#include <map>
#include <memory>

#include "platform/ui/gdi/CDC.h"
#include "platform/ui/gdi/ResourceImages.h"

namespace {

std::map<HGDIOBJ, CGdiObject*>& owners() {
    static auto* table = new std::map<HGDIOBJ, CGdiObject*>;
    return *table;
}

bool isLive(HGDIOBJ object) {
    return gdi::bitmapPicture(static_cast<HBITMAP>(object)) ||
           gdi::brushInfo(static_cast<HBRUSH>(object)) || gdi::penInfo(static_cast<HPEN>(object));
}

// The object that speaks for a live handle nobody owns (a stock object, or a
// handle made by a plain function); kept for the rest of the run.
template <typename T>
T* wrapperFor(HGDIOBJ object) {
    static auto* wrappers = new std::map<HGDIOBJ, std::unique_ptr<T>>;
    auto& wrapper = (*wrappers)[object];
    if (!wrapper) {
        wrapper = std::make_unique<T>();
        wrapper->m_hObject = object;
    }
    return wrapper.get();
}

template <typename T>
T* objectFor(HGDIOBJ object, bool live) {
    if (!object || !live)
        return nullptr;
    const auto found = owners().find(object);
    if (found != owners().end())
        return dynamic_cast<T*>(found->second);
    return wrapperFor<T>(object);
}

}  // namespace

CGdiObject::~CGdiObject() {
    if (owner(m_hObject) == this)
        DeleteObject();
}

CGdiObject* CGdiObject::owner(HGDIOBJ object) {
    const auto found = owners().find(object);
    return found == owners().end() ? nullptr : found->second;
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (m_hObject || !object || !isLive(object) || owner(object))
        return FALSE;
    m_hObject = object;
    owners()[object] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    const HGDIOBJ object = m_hObject;
    if (owner(object) == this)
        owners().erase(object);
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    const HGDIOBJ object = Detach();
    return ::DeleteObject(object);
}

BOOL CGdiObject::adopt(HGDIOBJ object) {
    if (!object)
        return FALSE;
    if (m_hObject) {
        ::DeleteObject(object);
        return FALSE;
    }
    return Attach(object);
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    if (m_hObject)
        return FALSE;
    return adopt(LoadImage(nullptr, MAKEINTRESOURCE(resourceId), IMAGE_BITMAP, 0, 0, 0));
}

BOOL CBitmap::LoadFromFile(const Tvx_String& path) {
    if (m_hObject)
        return FALSE;
    return adopt(LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT, UINT bitsPerPixel, const void* bits) {
    if (m_hObject || width <= 0 || height <= 0)
        return FALSE;
    const bool monochrome = bitsPerPixel == 1;
    PixelImage picture(width, height, monochrome);
    if (bits) {
        const auto* bytes = static_cast<const std::uint8_t*>(bits);
        const size_t monoStride = static_cast<size_t>((width + 15) / 16) * 2;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (monochrome) {
                    const std::uint8_t byte =
                        bytes[static_cast<size_t>(y) * monoStride + static_cast<size_t>(x / 8)];
                    picture.setPixel(x, y, (byte & (0x80 >> (x % 8))) ? RGB(255, 255, 255) : 0);
                } else {
                    const std::uint8_t* p =
                        bytes + (static_cast<size_t>(y) * static_cast<size_t>(width) +
                                 static_cast<size_t>(x)) *
                                    4;
                    picture.setPixel(x, y, RGB(p[2], p[1], p[0]));
                }
            }
        }
    }
    return adopt(gdi::createBitmap(std::move(picture)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    if (m_hObject || width <= 0 || height <= 0)
        return FALSE;
    const bool monochrome = dc && dc->isMonochrome();
    return adopt(gdi::createBitmap(PixelImage(width, height, monochrome)));
}

BOOL CBitmap::CreateFromPicture(PixelImage picture) {
    if (m_hObject || picture.isEmpty())
        return FALSE;
    return adopt(gdi::createBitmap(std::move(picture)));
}

BOOL CBitmap::GetBitmap(BITMAP* info) const {
    const PixelImage* pixels = picture();
    if (!pixels || !info)
        return FALSE;
    *info = BITMAP{};
    info->bmWidth = pixels->width();
    info->bmHeight = pixels->height();
    info->bmBitsPixel = pixels->isMonochrome() ? 1 : 32;
    info->bmWidthBytes =
        pixels->isMonochrome() ? (pixels->width() + 15) / 16 * 2 : pixels->width() * 4;
    return TRUE;
}

CSize CBitmap::GetBitmapDimension() const {
    const PixelImage* pixels = picture();
    return pixels ? CSize(pixels->width(), pixels->height()) : CSize();
}

PixelImage* CBitmap::picture() const {
    return gdi::bitmapPicture(static_cast<HBITMAP>(m_hObject));
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) {
    return objectFor<CBitmap>(bitmap, gdi::bitmapPicture(bitmap) != nullptr);
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    if (m_hObject)
        return FALSE;
    return adopt(::CreateSolidBrush(colour));
}

BOOL CBrush::CreateSysColorBrush(int index) {
    if (m_hObject || !GetSysColorBrush(index))
        return FALSE;
    return adopt(::CreateSolidBrush(GetSysColor(index)));
}

BOOL CBrush::CreateStockObject(int index) {
    const HGDIOBJ stock = GetStockObject(index);
    if (m_hObject || !gdi::brushInfo(static_cast<HBRUSH>(stock)))
        return FALSE;
    return Attach(stock);
}

CBrush* CBrush::FromHandle(HBRUSH brush) {
    return objectFor<CBrush>(brush, gdi::brushInfo(brush) != nullptr);
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour) {
    if (m_hObject)
        return FALSE;
    return adopt(::CreatePen(style, width, colour));
}

BOOL CPen::CreateStockObject(int index) {
    const HGDIOBJ stock = GetStockObject(index);
    if (m_hObject || !gdi::penInfo(static_cast<HPEN>(stock)))
        return FALSE;
    return Attach(stock);
}

CPen* CPen::FromHandle(HPEN pen) {
    return objectFor<CPen>(pen, gdi::penInfo(pen) != nullptr);
}
