// The state of one window of the headless window tree: what the platform keeps
// behind a window handle. Control classes read and write their part of it
// (check state, list items, edit selection ...), so that every C++ object that
// wraps the same handle sees the same control.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/WinTypes.h"

class CWnd;

namespace ui {

// One entry of a list box, combo box, tab control or list view.
struct ListEntry {
    Tvx_String text;
    DWORD_PTR data = 0;
    bool selected = false;             // multiple-selection list boxes and list views
    int check = 0;                     // check-list boxes and list views with check boxes
    bool enabled = true;               // check-list boxes
    int image = -1;                    // tab items and list-view items
    UINT state = 0;                    // list-view state bits other than selection
    std::vector<Tvx_String> subItems;  // list-view columns 1 and up
};

// One column of a list view in report mode.
struct ListColumn {
    Tvx_String heading;
    int format = 0;
    int width = 0;
};

// The part of a window's state that only controls use.
struct ControlState {
    UINT check = 0;                // buttons: BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE
    bool pushed = false;           // buttons: drawn pressed
    std::vector<ListEntry> items;  // list boxes, combo boxes, tab items, list-view rows
    int curSel = -1;               // the current item, -1 for none
    int topIndex = 0;              // first visible list item
    int caretIndex = -1;           // multiple-selection list boxes: the focus item
    int selStart = 0;              // edit and combo-edit selection, in characters
    int selEnd = 0;
    int textLimit = 0;                     // edits: maximum characters, 0 for no limit of ours
    bool modified = false;                 // edits: changed by the user since the last reset
    bool dropped = false;                  // combo boxes: the list is shown
    std::vector<ListColumn> columns;       // list views
    std::map<int, HIMAGELIST> imageLists;  // list views and tab controls, by kind
    HICON icon = nullptr;                  // icon buttons and icon statics
    HBITMAP bitmap = nullptr;              // bitmap buttons and bitmap statics
    DWORD extendedStyle = 0;               // list-view extended style
    DWORD eventMask = 0;                   // rich edit: which notifications it sends
    COLORREF background = 0xFFFFFFFF;      // rich edit background, all ones for default
    int defaultId = 1;                     // dialogs: the default push button (IDOK)
};

struct WindowRecord {
    HWND handle = nullptr;
    HWND parent = nullptr;       // child windows: the parent
    HWND owner = nullptr;        // top-level windows: the owner, if any
    std::vector<HWND> children;  // in Z order, top first; also the dialog's tab order
    int id = 0;                  // control id (child windows)
    Tvx_String className;        // as registered
    DWORD style = 0;
    DWORD exStyle = 0;
    Tvx_String text;
    CRect rect;  // in the parent's client coordinates; screen for top-level
    HFONT font = nullptr;
    std::intptr_t userData = 0;
    bool destroying = false;            // DestroyWindow has begun
    bool redraw = true;                 // WM_SETREDRAW state
    bool needsPaint = false;            // invalidated since the last WM_PAINT
    bool needsErase = false;            // invalidated with erasing since then
    int paintCount = 0;                 // WM_PAINT messages received
    std::unique_ptr<CWnd> classObject;  // the behaviour of the window class
    CWnd* handler = nullptr;            // a subclassing object, or null
    ControlState control;

    // The object that receives the window's messages.
    CWnd* target() const;
};

}  // namespace ui
