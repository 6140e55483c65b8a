// The look and behaviour settings of cells (type, font, alignment, lock,
// colours, borders) and the table that stores each distinct combination once.
//
// A CellFormat holds only the settings given at its level; a setting it lacks
// comes from the next level (cell, then row, then column, then the sheet, then
// the built-in default: see Sheet).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/grid/CellType.h"

namespace grid {

// A colour as 0x00BBGGRR (the layout of the windowing system's COLORREF).
using Color = std::uint32_t;

struct CellFont {
    std::wstring face;
    int height = 0;  // pixels, 1..kMaxFontHeight
    int weight = 0;  // 1..1000; 400 normal, 700 bold
    friend bool operator==(const CellFont&, const CellFont&) = default;
};
inline constexpr int kMaxFontHeight = 1000;

// Horizontal: Default puts numbers right and everything else left.
enum class HorizontalAlign : unsigned char { Default, Left, Center, Right };
// Vertical: Default centres.
enum class VerticalAlign : unsigned char { Default, Top, Center, Bottom };

struct Alignment {
    HorizontalAlign horizontal = HorizontalAlign::Default;
    VerticalAlign vertical = VerticalAlign::Default;
    friend bool operator==(const Alignment&, const Alignment&) = default;
};

enum class BorderStyle : unsigned char { None, Solid, Dashed, Dotted, Double, DashDot, DashDotDot };

struct BorderLine {
    BorderStyle style = BorderStyle::None;
    Color color = 0;
    friend bool operator==(const BorderLine&, const BorderLine&) = default;
};

enum BorderEdge { kEdgeLeft = 0, kEdgeRight = 1, kEdgeTop = 2, kEdgeBottom = 3 };

struct CellFormat {
    std::optional<CellType> type;
    std::optional<CellFont> font;
    std::optional<Alignment> alignment;
    std::optional<bool> locked;
    std::optional<Color> background;
    std::optional<Color> foreground;
    std::array<std::optional<BorderLine>, 4> borders;  // by BorderEdge

    bool isEmpty() const;
    // Takes every setting that `patch` holds.
    void overlay(const CellFormat& patch);
    // True when this format already holds every setting of `patch` with the
    // same value, so that overlaying it would change nothing.
    bool holds(const CellFormat& patch) const;
    // Drops every setting that `mask` holds.
    void erase(const CellFormat& mask);
    // The settings of this format that `mask` also holds.
    CellFormat restrictedTo(const CellFormat& mask) const;

    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

struct CellFormatHash {
    size_t operator()(const CellFormat& format) const noexcept;
};

// Every setting filled in: what a cell finally looks like.
struct ResolvedFormat {
    CellType type;
    CellFont font;
    Alignment alignment;
    bool locked = false;
    Color background = 0;
    Color foreground = 0;
    std::array<BorderLine, 4> borders;
};

// Stores each distinct format once and names it by a small number; 0 is the
// empty format. Numbers stay valid for the table's lifetime.
class FormatTable {
  public:
    FormatTable();
    std::uint32_t intern(const CellFormat& format);
    const CellFormat& get(std::uint32_t id) const { return formats_[id]; }

  private:
    std::vector<CellFormat> formats_;
    std::unordered_map<CellFormat, std::uint32_t, CellFormatHash> ids_;
};

}  // namespace grid
