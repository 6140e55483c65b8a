// The user in front of the headless window system: whoever answers modal
// dialogs, message boxes, file dialogs, popup menus and mouse drags.
//
// The installed agent is asked whenever the code under way waits for the user.
// With no agent installed, an absent user answers: a modal dialog is closed
// (cancelled), a message box gets its default button, a file dialog, a popup
// menu and a drag are cancelled; each such prompt is recorded in
// unansweredPrompts() so that a test can assert that there was none.
#pragma once

#include <optional>
#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/WinTypes.h"

class CDialog;

namespace ui {

struct MessageBoxPrompt {
    HWND owner = nullptr;
    Tvx_String caption;
    Tvx_String text;
    UINT type = 0;             // the MB_ flags as given
    UINT icon = 0;             // type & MB_ICONMASK
    std::vector<int> buttons;  // the answers the box offers (IDOK, IDYES ...), in order
    int defaultAnswer = 0;     // the default button's answer
};

struct FileFilter {
    Tvx_String description;  // "Text files (*.txt)"
    Tvx_String patterns;     // "*.txt;*.csv"
};

struct FileDialogPrompt {
    HWND owner = nullptr;
    bool open = true;       // open dialog; false: save dialog
    bool multiple = false;  // several files may be chosen
    Tvx_String title;
    Tvx_String initialFolder;
    Tvx_String fileName;  // the proposed name (may hold a folder)
    Tvx_String defaultExtension;
    std::vector<FileFilter> filters;
    int filterIndex = 1;  // 1-based, as the platform counts
    DWORD flags = 0;      // OFN_ flags
};

struct FileDialogAnswer {
    std::vector<Tvx_String> paths;  // full paths; one unless the prompt is multiple
    int filterIndex = 1;
};

struct MenuEntry {
    UINT id = 0;  // command id; 0 for separators and submenus
    Tvx_String text;
    bool enabled = true;
    bool checked = false;
    bool separator = false;
    int depth = 0;  // 0 for the popup's own entries, 1 inside a submenu ...
};

struct MenuPrompt {
    HWND owner = nullptr;
    HMENU menu = nullptr;
    CPoint screenPoint;
    UINT flags = 0;                  // TPM_ flags
    std::vector<MenuEntry> entries;  // the menu flattened, submenus after their entry
};

struct DragPrompt {
    HWND window = nullptr;  // the window in whose client coordinates the points are
    CPoint start;
    CRect rect;  // the rectangle being moved or resized (empty for a rubber band)
    bool rubberBand = false;
};

class UserAgent {
  public:
    virtual ~UserAgent() = default;
    // A modal dialog is open and idle: perform the next thing the user does to
    // it; false when the user has nothing (more) to do with it.
    virtual bool actOnModalDialog(CDialog& dialog) = 0;
    // The dialog did not end when the user closed it and was ended with
    // IDCANCEL.
    virtual void modalDialogForcedToEnd(CDialog& dialog) = 0;
    // The answer to a message box: one of prompt.buttons (another value counts
    // as the default button).
    virtual int answerMessageBox(const MessageBoxPrompt& prompt) = 0;
    // The chosen files, or nothing for Cancel.
    virtual std::optional<FileDialogAnswer> answerFileDialog(const FileDialogPrompt& prompt) = 0;
    // The chosen command id (an enabled entry), or 0 when the menu is dismissed.
    virtual UINT answerPopupMenu(const MenuPrompt& prompt) = 0;
    // Where the mouse is released, in prompt.window's client coordinates, or
    // nothing when the drag is cancelled (Escape).
    virtual std::optional<CPoint> answerDrag(const DragPrompt& prompt) = 0;
};

// The agent in charge: the one installed last, else the absent user.
UserAgent& currentUserAgent();
// Installs an agent (null: the absent user again); returns the previous one
// (null when it was the absent user). The caller keeps ownership.
UserAgent* installUserAgent(UserAgent* agent);

// What the absent user met, one line each, e.g.
// "dialog 204 closed", "message box 'Caption: Text' answered 1",
// "file dialog 'Title' cancelled", "popup menu dismissed", "drag cancelled".
const std::vector<Tvx_String>& unansweredPrompts();
void clearUnansweredPrompts();

}  // namespace ui
