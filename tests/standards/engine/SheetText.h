// Sheet files for tests, written from a literal grid of cell texts: rows of
// columns, an empty text leaving its cell empty.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace standardstest {

using SheetRows = std::vector<std::vector<std::string>>;

// The sheet file (the grid's format) holding the texts.
inline std::string sheetText(const SheetRows& rows) {
    size_t columns = 0;
    for (const auto& row : rows)
        columns = std::max(columns, row.size());
    std::string text =
        "vtss-sheet 1\nsize " + std::to_string(columns) + " " + std::to_string(rows.size()) + "\n";
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c].empty())
                continue;
            std::string quoted;
            for (char ch : rows[r][c]) {
                if (ch == '"' || ch == '\\')
                    quoted += '\\';
                quoted += ch;
            }
            text += "cell " + std::to_string(c + 1) + " " + std::to_string(r + 1) + " text=\"" +
                    quoted + "\"\n";
        }
    }
    return text + "end\n";
}

}  // namespace standardstest
