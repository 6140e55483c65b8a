// CImageList: an ordered list of images (icon or bitmap handles, with an
// optional mask) of one size, as tab controls and list views show them. The
// pictures themselves belong to the drawing layer; the list keeps handles.
//
// Bad input: an index outside the list makes Replace, Remove and image return
// their failure value (FALSE, null).
#pragma once

#include <vector>

#include "platform/ui/WinTypes.h"

inline constexpr UINT ILC_MASK = 0x0001;
inline constexpr UINT ILC_COLOR24 = 0x0018;
inline constexpr UINT ILC_COLOR32 = 0x0020;

class CImageList {
  public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // FALSE when the list exists already or a size is not positive.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    // Each Add returns the new image's index, -1 when the list was not created
    // or the image is null.
    int Add(HICON icon);
    int Add(HBITMAP image, HBITMAP mask);
    // Bitmap objects of the drawing layer, through their handles.
    template <typename Bitmap>
    int Add(Bitmap* image, Bitmap* mask) {
        return Add(image ? image->GetSafeHandle() : HBITMAP{},
                   mask ? mask->GetSafeHandle() : HBITMAP{});
    }
    BOOL Replace(int index, HICON icon);
    BOOL Remove(int index);
    int GetImageCount() const;
    // The image size; FALSE without a list.
    BOOL GetIconSize(int& cx, int& cy) const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return background_; }
    // The icon (or the bitmap's handle as an icon) at index; null when none.
    HICON imageAt(int index) const;

    static CImageList* FromHandle(HIMAGELIST handle);

  private:
    struct Image {
        HICON icon = nullptr;
        HBITMAP bitmap = nullptr;
        HBITMAP mask = nullptr;
    };
    std::vector<Image> images_;
    int cx_ = 0;
    int cy_ = 0;
    COLORREF background_ = 0xFFFFFFFF;
};
