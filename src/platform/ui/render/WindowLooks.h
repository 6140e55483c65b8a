// How the windowing stand-in's own window classes look: each is drawn on a
// device context from the state behind its handle (text, style, check state,
// items, selection), in a plain light theme. A picture of a window tree
// (SvgRenderer) starts every window with its look.
#pragma once

#include "platform/ui/WindowRecord.h"
#include "platform/ui/gdi/CDC.h"

namespace render {

// The colours a parent chose for a control (WM_CTLCOLOR*); by default the
// system's.
struct ControlColours {
    bool transparent = false;  // the parent's brush is hollow: no background
    COLORREF background = 0;
    COLORREF text = 0;
    bool hasBackground = false;
    bool hasText = false;
};

// Draws the look of the window's class on dc (client coordinates). Unknown
// classes get a frame and their class name.
void drawWindowLook(const ui::WindowRecord& window, CDC& dc, const ControlColours& colours);

}  // namespace render
