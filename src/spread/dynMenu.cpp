// dynMenu: popup menus built from lists.
#include "spread/dynMenu.h"

#include <algorithm>

int dynMenu::commandIndex(UINT commandId) {
    const auto it = std::find(kCommandIds.begin(), kCommandIds.end(), commandId);
    return it == kCommandIds.end() ? -1 : static_cast<int>(it - kCommandIds.begin());
}

dynMenu::dynMenu() = default;

dynMenu::~dynMenu() = default;

bool dynMenu::build(const std::vector<bool>& enabledFlags, const Tvx_StringArray& texts) {
    auto popup = std::make_unique<CMenu>();
    if (!popup->CreatePopupMenu())
        return false;
    size_t nextId = 0;
    for (int i = 0; i < texts.length(); ++i) {
        if (texts[i].isEmpty()) {
            popup->AppendMenu(MF_SEPARATOR);
            continue;
        }
        if (nextId == kCommandIds.size())
            break;
        const bool enabled = static_cast<size_t>(i) >= enabledFlags.size() || enabledFlags[i];
        popup->AppendMenu(MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), kCommandIds[nextId++],
                          texts[i].c_str());
    }
    popup_ = std::move(popup);
    texts_ = texts;
    return true;
}

UINT dynMenu::track(UINT flags, int x, int y, CWnd* window, const std::vector<bool>& enabledFlags,
                    const Tvx_StringArray& texts) {
    if (window == nullptr || !build(enabledFlags, texts))
        return 0;
    if ((flags & TPM_RETURNCMD) != 0)
        return popup_->trackPopupMenuCommand(flags, x, y, window);
    return static_cast<UINT>(popup_->TrackPopupMenu(flags, x, y, window));
}

Tvx_String dynMenu::menuText(int index) const {
    return index >= 0 && index < texts_.length() ? texts_[index] : Tvx_String();
}
