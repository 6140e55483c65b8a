// Window classes by name: each name maps to a factory that makes the object
// implementing the class's behaviour (its "window procedure"). Creating a window
// of a class makes one such object, owned by the window; a dialog template's
// controls are created through here, so that a registered custom class (the
// grid's "fpUSpread70", for example) gets its own object.
//
// Class names are compared ignoring letter case. The built-in classes are
// "STATIC", "BUTTON", "EDIT", "COMBOBOX", "LISTBOX", "SysTabControl32",
// "SysListView32", "RichEdit" (also "RichEdit20W" and "RICHEDIT50W"),
// "ToolbarWindow32", the dialog class "#32770" and the plain "AfxWnd" (also used
// for an empty class name).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/core/Tvx_String.h"

class CWnd;

namespace ui {

using WindowFactory = std::function<std::unique_ptr<CWnd>()>;

// The name under which a window created without a class name is registered.
inline constexpr const wchar_t* kPlainWindowClass = L"AfxWnd";
// The class of dialog windows.
inline constexpr const wchar_t* kDialogClass = L"#32770";

class WindowClassRegistry {
  public:
    static WindowClassRegistry& instance();

    // Registers a class; false (and nothing changes) when the name is empty,
    // the factory is empty or a class of that name exists already.
    bool registerClass(const Tvx_String& name, WindowFactory factory);
    bool isRegistered(const Tvx_String& name) const;
    // A new object of the class, or null for an unknown class. An empty name
    // means the plain window class.
    std::unique_ptr<CWnd> make(const Tvx_String& name) const;
    // The registered spelling of a name, or an empty text for an unknown class.
    Tvx_String canonicalName(const Tvx_String& name) const;

  private:
    WindowClassRegistry();
    struct Entry {
        Tvx_String name;
        WindowFactory factory;
    };
    const Entry* lookup(const Tvx_String& name) const;
    std::vector<Entry> entries_;
};

// Shortcut for WindowClassRegistry::instance().registerClass.
bool registerWindowClass(const Tvx_String& name, WindowFactory factory);

}  // namespace ui
