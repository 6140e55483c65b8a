// The words the sheet file uses for cell kinds, alignments and border styles.
#pragma once

#include <optional>
#include <string_view>

#include "platform/grid/CellFormat.h"
#include "platform/grid/CellType.h"

namespace grid::sheetfile {

std::wstring_view kindName(CellKind kind);
std::optional<CellKind> kindFromName(std::wstring_view name);

std::wstring_view horizontalName(HorizontalAlign align);
std::optional<HorizontalAlign> horizontalFromName(std::wstring_view name);
std::wstring_view verticalName(VerticalAlign align);
std::optional<VerticalAlign> verticalFromName(std::wstring_view name);

std::wstring_view borderStyleName(BorderStyle style);
std::optional<BorderStyle> borderStyleFromName(std::wstring_view name);

// The attribute keys of the four border edges, by BorderEdge.
std::wstring_view edgeKey(int edge);

}  // namespace grid::sheetfile
