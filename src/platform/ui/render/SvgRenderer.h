// A picture of any window tree as SVG, so that a person can see a dialog's
// state and a test can check it by its structure.
//
// Structure: one <g class="window"> per visible window, nested as the windows
// are, carrying the window's data: data-class (the class name), data-id (the
// control id), data-text (the window text), and where they apply
// data-checked (0, 1, 2), data-selected (the current item), data-disabled,
// data-hidden (only for a hidden root). Inside it the window's frame and
// caption (top-level windows), then a <g class="client"> with what the window
// shows and its children. What a window shows is its class's look
// (WindowLooks.h) or the painter registered for its class, then whatever the
// window paints itself (WM_ERASEBKGND, WM_PAINT through CPaintDC), turned into
// rect, line, ellipse and text elements; pixels that only exist as pictures
// (bitmaps, icons) become PNG images. Controls ask their parent for their
// colours (WM_CTLCOLOR*) as on the platform.
#pragma once

#include <functional>
#include <string>

#include "platform/core/Tvx_String.h"
#include "platform/ui/WinTypes.h"

class CWnd;

namespace render {

// Draws a window of a class on dc in client coordinates (dc is the size of the
// client area). The grid registers one for "fpUSpread70" to draw its cells.
using ClassPainter = std::function<void(CWnd& window, CDC& dc)>;

// Registers the painter of a class (letter case ignored), replacing its look
// or an earlier painter. False for an empty name or painter.
bool registerClassPainter(const Tvx_String& className, ClassPainter painter);

// The SVG text of the window and its visible descendants; empty for an unknown
// window. The root is drawn even when hidden.
std::string renderWindowSvg(HWND root);
// Writes it to a file (atomically); false for an unknown window or a file that
// cannot be written.
bool saveWindowSvg(HWND root, const Tvx_String& path);

}  // namespace render
