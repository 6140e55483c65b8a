// The item list shared by list boxes, combo boxes, tab controls and list
// views: sorted insertion and the two searches (prefix and whole text).
//
// Sorting and searching ignore letter case (each character compared by its
// case-folded form); an item equal to others goes after them.
#pragma once

#include <vector>

#include "platform/ui/WindowRecord.h"

namespace ui {

// Inserts text where it belongs in a sorted list; returns its index.
int insertSorted(std::vector<ListEntry>& items, const Tvx_String& text);
// Inserts text at index (-1 or past the end: at the end); returns the index,
// -1 for an index below -1.
int insertAt(std::vector<ListEntry>& items, int index, const Tvx_String& text);
// The first item after `start` (wrapping around; -1 searches from the
// beginning) whose text begins with `text` (prefix) or equals it (exact),
// ignoring letter case; -1 when none.
int findItem(const std::vector<ListEntry>& items, int start, const Tvx_String& text, bool exact);
// True when index names an item.
bool isItemIndex(const std::vector<ListEntry>& items, int index);

}  // namespace ui
