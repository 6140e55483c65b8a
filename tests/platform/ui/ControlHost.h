// A visible top-level window for control tests that records every command and
// notification its children send, as "id:code".
#pragma once

#include <vector>

#include "UiTestPrinting.h"
#include "platform/ui/CWnd.h"

namespace uitest {

class ControlHost : public CWnd {
  public:
    ControlHost();
    ~ControlHost() override;

    // Creates a child control and returns its handle.
    HWND add(const wchar_t* className, DWORD style, int id, const wchar_t* text = L"");
    // The notifications so far, then forgets them.
    std::vector<Tvx_String> take();

    std::vector<Tvx_String> events;
    // The answer to TCN_SELCHANGING and LVN_ITEMCHANGING.
    LRESULT refuseChanges = FALSE;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

}  // namespace uitest
