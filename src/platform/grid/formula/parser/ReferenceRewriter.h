// Rewrites the cell references of a parsed formula, for edits that move cells
// (rows or columns inserted or deleted, blocks moved or copied).
//
// A map receives each reference of a formula (a single cell or a range, the
// cells it names and which of its parts are absolute) and returns where it
// points now, or nothing when the cells it named are gone: the reference is
// then replaced by the error #REF!, which prints as "#REF!" and evaluates to
// #REF!. So is a reference the map pushes past the last column or row a
// reference can name (kMaxReferenceColumn, kMaxReferenceRow). A range whose
// corners cross after the map is put back in order, each part keeping its
// absolute flag. Names, texts and every other node stay as they are, and a
// formula too deep to evaluate is left unchanged.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/parser/Formula.h"

namespace formula {

// A reference as the map sees it. `absolute` holds the k...Absolute flags of
// Formula.h; a single cell has the same flags for both corners.
struct ReferenceParts {
    Area area;
    std::uint8_t absolute = 0;
    bool isRange = false;
};

using ReferenceMap = std::function<std::optional<ReferenceParts>(const ReferenceParts&)>;

// The formula with every reference rewritten by the map.
Formula rewriteReferences(const Formula& formula, const ReferenceMap& map);

// The A1 text of a formula with every reference rewritten by the map; nothing
// (and nothing to change) when the text does not parse as an A1 formula.
std::optional<std::wstring> rewriteA1Text(std::wstring_view text, const ReferenceMap& map);

}  // namespace formula
