// The multiple-choice open dialog.
#include "standards/dialogs/DlgOpenMulti.h"

#include "platform/ui/CFileDialog.h"

bool DlgOpenMulti(CWnd* parent, const Tvx_String& extension, const Tvx_String& description,
                  const Tvx_String& title, const Tvx_String& folder, Tvx_StringArray& paths) {
    paths.removeAll();
    const Tvx_String pattern = Tvx_String(L"*.") + extension;
    const Tvx_String filter =
        description + Tvx_String(L" (") + pattern + Tvx_String(L")|") + pattern + Tvx_String(L"||");
    CFileDialog dialog(TRUE, extension.c_str(), nullptr,
                       OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_EXPLORER, filter.c_str(),
                       parent);
    dialog.m_ofn.lpstrTitle = title.c_str();
    dialog.m_ofn.lpstrInitialDir = folder.c_str();
    if (dialog.DoModal() != IDOK)
        return false;
    for (const Tvx_String& path : dialog.pathNames())
        paths.append(path);
    return true;
}
