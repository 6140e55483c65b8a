// dynMenu: builds a popup menu from parallel lists of entry texts and enabled
// flags, gives its entries the ten command ids of dynamic menus in order, and
// shows it at a screen point.
//
// An empty text makes a separator, which takes no command id. Entries past the
// tenth command are left out (there are only ten ids). A missing enabled flag
// (the flags list shorter than the texts) counts as enabled.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/core/Tvx_StringArray.h"
#include "platform/ui/CMenu.h"

class dynMenu {
  public:
    // The command ids, given out to the entries in this order.
    static constexpr std::array<UINT, 10> kCommandIds = {32811, 32812, 32816, 32817, 32818,
                                                         32800, 32801, 32802, 32803, 32804};
    // The position of a command id in kCommandIds; -1 for any other id.
    static int commandIndex(UINT commandId);

    dynMenu();
    virtual ~dynMenu();
    dynMenu(const dynMenu&) = delete;
    dynMenu& operator=(const dynMenu&) = delete;

    // Replaces the popup by one made from the lists. False when the menu
    // cannot be made.
    bool build(const std::vector<bool>& enabledFlags, const Tvx_StringArray& texts);
    // Builds the popup and shows it at screen point (x, y), owned by window,
    // with the TrackPopupMenu flags. With TPM_RETURNCMD the chosen command id
    // (0 when dismissed); otherwise the command is posted to window and the
    // result is TRUE. 0 when window is null or the menu cannot be made.
    UINT track(UINT flags, int x, int y, CWnd* window, const std::vector<bool>& enabledFlags,
               const Tvx_StringArray& texts);
    // The text of entry `index` of the lists last built (empty for a
    // separator or an index outside the lists).
    Tvx_String menuText(int index) const;

    CMenu* popup() const { return popup_.get(); }

  private:
    std::unique_ptr<CMenu> popup_;
    Tvx_StringArray texts_;
};
