// Dialog templates: the layout of a dialog (size in dialog units, caption,
// style, font, controls), registered under a numeric id and built into windows
// by CDialog.
//
// Dialog units convert to pixels with fixed base units, those of the 8-point
// dialog font at 96 pixels per inch: horizontally 6 pixels per 4 units,
// vertically 13 pixels per 8 units, each rounded half away from zero
// (a 204 x 199 unit dialog is 306 x 323 pixels).
//
// The helpers (pushButton, editText ...) add controls with the styles a
// resource compiler gives them: WS_CHILD | WS_VISIBLE plus the statement's
// own bits (for example WS_TABSTOP for buttons and edits, WS_GROUP for labels).
#pragma once

#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/WinStyles.h"

namespace ui {

inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 13;

// Dialog units to pixels, as MapDialogRect does.
int dialogUnitsToPixelsX(int units);
int dialogUnitsToPixelsY(int units);
CRect dialogUnitsToPixels(const CRect& units);

struct DialogControlTemplate {
    int id = 0;
    Tvx_String className;
    Tvx_String text;
    DWORD style = 0;  // WS_CHILD is always added when the control is created
    DWORD exStyle = 0;
    CRect rect;  // left, top, right, bottom in dialog units
};

class DialogTemplate {
  public:
    DialogTemplate() = default;
    // The dialog's id, its position and size in dialog units, caption and
    // style (default: a modal frame with caption and system menu).
    DialogTemplate(int id, int x, int y, int cx, int cy, Tvx_String caption,
                   DWORD style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                   DWORD exStyle = 0);

    int id = 0;
    CRect rect;  // in dialog units
    Tvx_String caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    Tvx_String fontName = L"MS Shell Dlg";
    int fontPointSize = 8;
    std::vector<DialogControlTemplate> controls;

    // Adds a control of any class; returns *this for chaining. (x, y, cx, cy)
    // in dialog units.
    DialogTemplate& control(int id, const Tvx_String& className, const Tvx_String& text,
                            DWORD style, int x, int y, int cx, int cy, DWORD exStyle = 0);
    DialogTemplate& pushButton(int id, const Tvx_String& text, int x, int y, int cx, int cy,
                               DWORD extraStyle = 0);
    DialogTemplate& defPushButton(int id, const Tvx_String& text, int x, int y, int cx, int cy,
                                  DWORD extraStyle = 0);
    DialogTemplate& autoCheckBox(int id, const Tvx_String& text, int x, int y, int cx, int cy,
                                 DWORD extraStyle = 0);
    // A radio button; the first of a group gets WS_GROUP | WS_TABSTOP from
    // extraStyle, as in a resource script.
    DialogTemplate& autoRadioButton(int id, const Tvx_String& text, int x, int y, int cx, int cy,
                                    DWORD extraStyle = 0);
    DialogTemplate& groupBox(int id, const Tvx_String& text, int x, int y, int cx, int cy,
                             DWORD extraStyle = 0);
    DialogTemplate& lText(int id, const Tvx_String& text, int x, int y, int cx, int cy,
                          DWORD extraStyle = 0);
    DialogTemplate& editText(int id, int x, int y, int cx, int cy, DWORD extraStyle = 0);
    DialogTemplate& comboBox(int id, int x, int y, int cx, int cy, DWORD extraStyle);
    DialogTemplate& listBox(int id, int x, int y, int cx, int cy, DWORD extraStyle = 0);
};

// Registers a template under its id; registering an id again replaces the
// earlier template. False (nothing registered) for an id of 0 or below.
bool registerDialogTemplate(const DialogTemplate& dialogTemplate);
// The template of an id; null when none is registered.
const DialogTemplate* findDialogTemplate(int id);

}  // namespace ui
