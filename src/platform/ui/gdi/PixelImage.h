// A picture in memory: a width, a height and one colour per pixel, in colour
// (any RGB) or monochrome (black and white only), the storage under every
// bitmap of the drawing layer.
#pragma once

#include <vector>

#include "platform/ui/WinTypes.h"

// The colour GetPixel gives for a point outside a picture.
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

class PixelImage {
  public:
    PixelImage() = default;
    // A picture filled with fill (monochrome pictures hold only black and white:
    // any fill other than white becomes black). Negative sizes count as 0.
    PixelImage(int width, int height, bool monochrome = false, COLORREF fill = RGB(0, 0, 0));

    int width() const { return width_; }
    int height() const { return height_; }
    bool isMonochrome() const { return monochrome_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // CLR_INVALID outside the picture.
    COLORREF getPixel(int x, int y) const;
    // Does nothing outside the picture; a monochrome picture stores white for
    // white and black for every other colour.
    void setPixel(int x, int y, COLORREF colour);
    // Fills the part of the rectangle inside the picture.
    void fillRect(const RECT& rect, COLORREF colour);

    friend bool operator==(const PixelImage&, const PixelImage&) = default;

  private:
    int width_ = 0;
    int height_ = 0;
    bool monochrome_ = false;
    std::vector<COLORREF> pixels_;
};
