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
    // True when the format sets a type and nothing else.
    bool holdsOnlyType() const;
    // Takes every setting that `patch` holds.
    void overlay(const CellFormat& patch);
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
    // The number of `base`'s format with every setting of `patch` taken over,
    // stored when new; `base` itself when it already holds the patch. `base`
    // must be a number this table gave (checked in debug builds).
    std::uint32_t overlaid(std::uint32_t base, const CellFormat& patch);
    // overlaid with a patch holding only `type`, without building the patch.
    // Cells get their types again and again, so the last answers are kept.
    std::uint32_t withType(std::uint32_t base, const CellType& type);
    const CellFormat& get(std::uint32_t id) const { return formats_[id]; }

  private:
    // One answer of withType. The table only grows and a number never changes
    // its format, so an answer stays true for the table's lifetime, and for a
    // copy of the table (the same numbers name the same formats there).
    struct TypeAnswer {
        std::uint32_t base = 0;
        std::uint32_t result = 0;
        CellType type;
    };
    // Enough for the few kinds of cells a sheet types again and again (say
    // whole numbers, decimals and texts over a few base formats); when full,
    // the oldest answer is replaced.
    static constexpr size_t kTypeAnswers = 16;

    std::vector<CellFormat> formats_;
    // The numbers of the stored formats by their hash (CellFormatHash).
    std::unordered_multimap<size_t, std::uint32_t> ids_;
    std::vector<TypeAnswer> typeAnswers_;  // at most kTypeAnswers
    size_t oldestTypeAnswer_ = 0;          // the one to replace when full
};

}  // namespace grid
