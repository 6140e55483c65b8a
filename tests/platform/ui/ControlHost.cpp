// The recording parent window of the control tests.
#include "ControlHost.h"

#include "platform/ui/WinMessages.h"

namespace uitest {

ControlHost::ControlHost() {
    CreateEx(0, nullptr, L"host", WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 400), nullptr, 0);
}

ControlHost::~ControlHost() {
    DestroyWindow();
}

HWND ControlHost::add(const wchar_t* className, DWORD style, int id, const wchar_t* text) {
    const int top = 10 + 30 * static_cast<int>(GetWindow(GW_CHILD) ? 1 : 0);
    return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, top, 120, 24,
                          m_hWnd, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)));
}

std::vector<Tvx_String> ControlHost::take() {
    std::vector<Tvx_String> out;
    out.swap(events);
    return out;
}

BOOL ControlHost::OnCommand(WPARAM wParam, LPARAM) {
    events.push_back(Tvx_String(static_cast<int>(LOWORD(wParam))) + L":" +
                     Tvx_String(static_cast<int>(HIWORD(wParam))));
    return TRUE;
}

BOOL ControlHost::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    events.push_back(Tvx_String(static_cast<int>(header->idFrom)) + L":" +
                     Tvx_String(static_cast<int>(header->code)));
    if (header->code == TCN_SELCHANGING || header->code == LVN_ITEMCHANGING) {
        *result = refuseChanges;
    }
    return TRUE;
}

}  // namespace uitest
