// The window classes by name, with the built-in control classes.
#include "platform/ui/WindowClassRegistry.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/DialogWindowClass.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/controls/CListCtrl.h"
#include "platform/ui/controls/CRichEditCtrl.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/controls/CToolBarCtrl.h"

namespace ui {

namespace {

template <typename T>
WindowFactory factoryOf() {
    return [] { return std::make_unique<T>(); };
}

}  // namespace

WindowClassRegistry& WindowClassRegistry::instance() {
    static WindowClassRegistry* registry = new WindowClassRegistry;  // see WindowTree
    return *registry;
}

WindowClassRegistry::WindowClassRegistry() {
    registerClass(kPlainWindowClass, factoryOf<CWnd>());
    registerClass(kDialogClass, factoryOf<DialogWindowClass>());
    registerClass(L"STATIC", factoryOf<CStatic>());
    registerClass(L"BUTTON", factoryOf<CButton>());
    registerClass(L"EDIT", factoryOf<CEdit>());
    registerClass(L"COMBOBOX", factoryOf<CComboBox>());
    registerClass(L"LISTBOX", factoryOf<CListBox>());
    registerClass(L"SysTabControl32", factoryOf<CTabCtrl>());
    registerClass(L"SysListView32", factoryOf<CListCtrl>());
    registerClass(L"RichEdit", factoryOf<CRichEditCtrl>());
    registerClass(L"RichEdit20W", factoryOf<CRichEditCtrl>());
    registerClass(L"RICHEDIT50W", factoryOf<CRichEditCtrl>());
    registerClass(L"ToolbarWindow32", factoryOf<CToolBarCtrl>());
}

const WindowClassRegistry::Entry* WindowClassRegistry::lookup(const Tvx_String& name) const {
    const Tvx_String key = name.isEmpty() ? Tvx_String(kPlainWindowClass) : name;
    for (const Entry& e : entries_) {
        if (e.name.equal(key, false))
            return &e;
    }
    return nullptr;
}

bool WindowClassRegistry::registerClass(const Tvx_String& name, WindowFactory factory) {
    if (name.isEmpty() || !factory || lookup(name))
        return false;
    entries_.push_back({name, std::move(factory)});
    return true;
}

bool WindowClassRegistry::isRegistered(const Tvx_String& name) const {
    return lookup(name) != nullptr;
}

std::unique_ptr<CWnd> WindowClassRegistry::make(const Tvx_String& name) const {
    const Entry* e = lookup(name);
    return e ? e->factory() : nullptr;
}

Tvx_String WindowClassRegistry::canonicalName(const Tvx_String& name) const {
    const Entry* e = lookup(name);
    return e ? e->name : Tvx_String();
}

bool registerWindowClass(const Tvx_String& name, WindowFactory factory) {
    return WindowClassRegistry::instance().registerClass(name, std::move(factory));
}

}  // namespace ui
