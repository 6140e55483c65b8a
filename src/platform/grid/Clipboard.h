// The clipboard stand-in: one text shared by every grid of the process, which
// the grids' copy, cut and paste use. Cells travel as tab-separated text (one
// line per row, fields quoted as in CSV when they hold a tab, quote or line break).
#pragma once

#include <string>

namespace grid {

void setClipboardText(std::wstring text);
const std::wstring& clipboardText();

}  // namespace grid
