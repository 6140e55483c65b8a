// The name tables of the sheet file's vocabulary.
#include "platform/grid/SheetFileNames.h"

#include <array>
#include <utility>

namespace grid::sheetfile {
namespace {

template <typename Enum, size_t N>
using NameTable = std::array<std::pair<Enum, std::wstring_view>, N>;

constexpr NameTable<CellKind, 8> kKinds{{{CellKind::General, L"general"},
                                         {CellKind::Text, L"text"},
                                         {CellKind::Number, L"number"},
                                         {CellKind::StaticText, L"static"},
                                         {CellKind::CheckBox, L"check"},
                                         {CellKind::ComboBox, L"combo"},
                                         {CellKind::Button, L"button"},
                                         {CellKind::Picture, L"picture"}}};
constexpr NameTable<HorizontalAlign, 4> kHorizontal{{{HorizontalAlign::Default, L"default"},
                                                     {HorizontalAlign::Left, L"left"},
                                                     {HorizontalAlign::Center, L"center"},
                                                     {HorizontalAlign::Right, L"right"}}};
constexpr NameTable<VerticalAlign, 4> kVertical{{{VerticalAlign::Default, L"default"},
                                                 {VerticalAlign::Top, L"top"},
                                                 {VerticalAlign::Center, L"center"},
                                                 {VerticalAlign::Bottom, L"bottom"}}};
constexpr NameTable<BorderStyle, 7> kBorderStyles{{{BorderStyle::None, L"none"},
                                                   {BorderStyle::Solid, L"solid"},
                                                   {BorderStyle::Dashed, L"dashed"},
                                                   {BorderStyle::Dotted, L"dotted"},
                                                   {BorderStyle::Double, L"double"},
                                                   {BorderStyle::DashDot, L"dashdot"},
                                                   {BorderStyle::DashDotDot, L"dashdotdot"}}};
constexpr std::array<std::wstring_view, 4> kEdgeKeys{L"left", L"right", L"top", L"bottom"};

template <typename Enum, size_t N>
std::wstring_view nameOf(const NameTable<Enum, N>& table, Enum value) {
    for (const auto& [entry, name] : table) {
        if (entry == value)
            return name;
    }
    return table[0].second;
}

template <typename Enum, size_t N>
std::optional<Enum> valueOf(const NameTable<Enum, N>& table, std::wstring_view name) {
    for (const auto& [entry, entryName] : table) {
        if (entryName == name)
            return entry;
    }
    return std::nullopt;
}

}  // namespace

std::wstring_view kindName(CellKind kind) {
    return nameOf(kKinds, kind);
}
std::optional<CellKind> kindFromName(std::wstring_view name) {
    return valueOf(kKinds, name);
}
std::wstring_view horizontalName(HorizontalAlign align) {
    return nameOf(kHorizontal, align);
}
std::optional<HorizontalAlign> horizontalFromName(std::wstring_view name) {
    return valueOf(kHorizontal, name);
}
std::wstring_view verticalName(VerticalAlign align) {
    return nameOf(kVertical, align);
}
std::optional<VerticalAlign> verticalFromName(std::wstring_view name) {
    return valueOf(kVertical, name);
}
std::wstring_view borderStyleName(BorderStyle style) {
    return nameOf(kBorderStyles, style);
}
std::optional<BorderStyle> borderStyleFromName(std::wstring_view name) {
    return valueOf(kBorderStyles, name);
}
std::wstring_view edgeKey(int edge) {
    return kEdgeKeys[static_cast<size_t>(edge)];
}

}  // namespace grid::sheetfile
