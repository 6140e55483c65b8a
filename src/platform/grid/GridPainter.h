// Draws a grid window's client area: border, headers, cells with their
// colours, borders, texts, check boxes, buttons, combo boxes and pictures,
// spans as one cell, grid lines, note marks, the selected block, the active
// cell (with the edit text while editing) and the scroll bars.
#pragma once

#include "platform/grid/GridControl.h"
#include "platform/ui/gdi/CDC.h"

namespace grid {

void paintGrid(const GridControl& grid, CDC& dc);

}  // namespace grid
