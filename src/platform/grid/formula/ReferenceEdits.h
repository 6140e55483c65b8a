// Where a formula's references point after the sheet's cells move: the rules
// of inserting and deleting rows or columns, moving a block and copying a
// formula. Each is a map for rewriteReferences (parser/ReferenceRewriter.h):
// it returns the reference's new cells, or nothing when the cells it named are
// gone (the reference becomes #REF!).
//
// References are compared by the cells they name, so the rules hold for
// relative and absolute references alike; only copying tells them apart.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/parser/ReferenceRewriter.h"

namespace formula {

enum class LineAxis : std::uint8_t { Columns, Rows };

// `count` lines inserted at `position` (the lines from there on move `count`
// further): a corner at or after the position moves along, so a range that
// spans the position widens and a range that starts at it moves whole.
std::optional<ReferenceParts> afterLinesInserted(const ReferenceParts& reference, LineAxis axis,
                                                 int position, int count);

// The `count` lines from `position` on deleted (later lines move back): a
// corner after them moves back, a range that spans them shrinks, and a
// reference whose every cell was deleted is gone.
std::optional<ReferenceParts> afterLinesDeleted(const ReferenceParts& reference, LineAxis axis,
                                                int position, int count);

// The cells of `source` moved by the offset, replacing the cells there: a
// reference wholly inside the source follows its cells; one wholly inside the
// overwritten destination (and not in the source) is gone; any other
// reference, a range reaching partly into either block included, stays.
std::optional<ReferenceParts> afterBlockMoved(const ReferenceParts& reference, const Area& source,
                                              int columnOffset, int rowOffset);

// A formula copied to the cell `offset` away: its relative parts move by the
// offset, its absolute parts stay; a reference with a part moved off the
// sheet (outside columns 1..columns or rows 1..rows) is gone.
std::optional<ReferenceParts> afterFormulaCopied(const ReferenceParts& reference, int columnOffset,
                                                 int rowOffset, int columns, int rows);

}  // namespace formula
