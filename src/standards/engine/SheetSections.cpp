// The sections of a standards sheet and their rows.
#include "standards/engine/SheetSections.h"

#include <algorithm>

namespace {

int index(SheetSection section) {
    return static_cast<int>(section);
}

}  // namespace

std::wstring_view sectionHeaderText(SheetSection section) {
    switch (section) {
        case SheetSection::Input:
            return L"Input";
        case SheetSection::Output:
            return L"Output";
        case SheetSection::Local:
            return L"Local";
        case SheetSection::Calc:
            return L"Calc";
    }
    return {};
}

std::optional<SheetSection> sectionOfHeader(std::wstring_view text) {
    for (SheetSection section :
         {SheetSection::Input, SheetSection::Output, SheetSection::Local, SheetSection::Calc}) {
        if (text == sectionHeaderText(section))
            return section;
    }
    return std::nullopt;
}

void SheetSections::setHeaderRow(SheetSection section, int row) {
    headerRows_[static_cast<size_t>(index(section))] = row >= 1 ? row : -1;
}

bool SheetSections::hasHeader(SheetSection section) const {
    return headerRow(section) >= 1;
}

int SheetSections::headerRow(SheetSection section) const {
    return headerRows_[static_cast<size_t>(index(section))];
}

bool SheetSections::sectionRows(SheetSection section, int lastRow, int& firstRow,
                                int& lastRowOfSection) const {
    if (!hasHeader(section))
        return false;
    firstRow = headerRow(section) + 1;
    // The nearest section below begins one row below its header; this section
    // ends on that header's row.
    int nextFirstRow = -1;
    for (int other = 0; other < static_cast<int>(headerRows_.size()); ++other) {
        const int otherHeader = headerRows_[static_cast<size_t>(other)];
        if (other == index(section) || otherHeader < 1)
            continue;
        const int otherFirstRow = otherHeader + 1;
        if (otherFirstRow > firstRow && (nextFirstRow < 0 || otherFirstRow < nextFirstRow))
            nextFirstRow = otherFirstRow;
    }
    lastRowOfSection = nextFirstRow < 0 ? lastRow : std::min(nextFirstRow - 1, lastRow);
    return true;
}
