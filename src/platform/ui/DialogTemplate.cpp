// Dialog templates, their registry and the dialog-unit conversion.
#include "platform/ui/DialogTemplate.h"

#include <map>

namespace ui {

namespace {

// a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : -((-product + half) / c));
}

std::map<int, DialogTemplate>& templates() {
    static auto* table = new std::map<int, DialogTemplate>;  // see WindowTree
    return *table;
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

}  // namespace

int dialogUnitsToPixelsX(int units) {
    return mulDiv(units, kDialogBaseUnitX, 4);
}
int dialogUnitsToPixelsY(int units) {
    return mulDiv(units, kDialogBaseUnitY, 8);
}

CRect dialogUnitsToPixels(const CRect& units) {
    return CRect(dialogUnitsToPixelsX(units.left), dialogUnitsToPixelsY(units.top),
                 dialogUnitsToPixelsX(units.right), dialogUnitsToPixelsY(units.bottom));
}

DialogTemplate::DialogTemplate(int templateId, int x, int y, int cx, int cy, Tvx_String text,
                               DWORD dialogStyle, DWORD dialogExStyle)
    : id(templateId),
      rect(x, y, x + cx, y + cy),
      caption(std::move(text)),
      style(dialogStyle),
      exStyle(dialogExStyle) {}

DialogTemplate& DialogTemplate::control(int controlId, const Tvx_String& className,
                                        const Tvx_String& text, DWORD controlStyle, int x, int y,
                                        int cx, int cy, DWORD controlExStyle) {
    controls.push_back(DialogControlTemplate{controlId, className, text, controlStyle,
                                             controlExStyle, CRect(x, y, x + cx, y + cy)});
    return *this;
}

DialogTemplate& DialogTemplate::pushButton(int controlId, const Tvx_String& text, int x, int y,
                                           int cx, int cy, DWORD extraStyle) {
    return control(controlId, L"BUTTON", text, kChild | WS_TABSTOP | BS_PUSHBUTTON | extraStyle, x,
                   y, cx, cy);
}

DialogTemplate& DialogTemplate::defPushButton(int controlId, const Tvx_String& text, int x, int y,
                                              int cx, int cy, DWORD extraStyle) {
    return control(controlId, L"BUTTON", text, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON | extraStyle,
                   x, y, cx, cy);
}

DialogTemplate& DialogTemplate::autoCheckBox(int controlId, const Tvx_String& text, int x, int y,
                                             int cx, int cy, DWORD extraStyle) {
    return control(controlId, L"BUTTON", text, kChild | WS_TABSTOP | BS_AUTOCHECKBOX | extraStyle,
                   x, y, cx, cy);
}

DialogTemplate& DialogTemplate::autoRadioButton(int controlId, const Tvx_String& text, int x, int y,
                                                int cx, int cy, DWORD extraStyle) {
    return control(controlId, L"BUTTON", text, kChild | BS_AUTORADIOBUTTON | extraStyle, x, y, cx,
                   cy);
}

DialogTemplate& DialogTemplate::groupBox(int controlId, const Tvx_String& text, int x, int y,
                                         int cx, int cy, DWORD extraStyle) {
    return control(controlId, L"BUTTON", text, kChild | BS_GROUPBOX | extraStyle, x, y, cx, cy);
}

DialogTemplate& DialogTemplate::lText(int controlId, const Tvx_String& text, int x, int y, int cx,
                                      int cy, DWORD extraStyle) {
    return control(controlId, L"STATIC", text, kChild | WS_GROUP | SS_LEFT | extraStyle, x, y, cx,
                   cy);
}

DialogTemplate& DialogTemplate::editText(int controlId, int x, int y, int cx, int cy,
                                         DWORD extraStyle) {
    return control(controlId, L"EDIT", L"", kChild | WS_TABSTOP | WS_BORDER | ES_LEFT | extraStyle,
                   x, y, cx, cy);
}

DialogTemplate& DialogTemplate::comboBox(int controlId, int x, int y, int cx, int cy,
                                         DWORD extraStyle) {
    return control(controlId, L"COMBOBOX", L"", kChild | WS_TABSTOP | extraStyle, x, y, cx, cy);
}

DialogTemplate& DialogTemplate::listBox(int controlId, int x, int y, int cx, int cy,
                                        DWORD extraStyle) {
    return control(controlId, L"LISTBOX", L"",
                   kChild | WS_TABSTOP | WS_BORDER | LBS_NOTIFY | extraStyle, x, y, cx, cy);
}

bool registerDialogTemplate(const DialogTemplate& dialogTemplate) {
    if (dialogTemplate.id <= 0)
        return false;
    templates()[dialogTemplate.id] = dialogTemplate;
    return true;
}

const DialogTemplate* findDialogTemplate(int id) {
    auto it = templates().find(id);
    return it == templates().end() ? nullptr : &it->second;
}

}  // namespace ui
