// Rewriting the references of parsed formulas.
#include "platform/grid/formula/parser/ReferenceRewriter.h"

#include <algorithm>
#include <utility>

#include "platform/grid/formula/parser/FormulaPrinter.h"
#include "platform/grid/formula/parser/Parser.h"

namespace formula {
namespace {

constexpr std::uint8_t kFirstFlags = kFirstColumnAbsolute | kFirstRowAbsolute;

// Puts crossed corners back in order along one direction, with their flags.
void order(int& first, int& last, std::uint8_t& absolute, std::uint8_t firstFlag,
           std::uint8_t lastFlag) {
    if (first <= last)
        return;
    std::swap(first, last);
    const bool firstAbsolute = absolute & firstFlag;
    const bool lastAbsolute = absolute & lastFlag;
    absolute = static_cast<std::uint8_t>(absolute & ~(firstFlag | lastFlag));
    absolute |= firstAbsolute ? lastFlag : 0;
    absolute |= lastAbsolute ? firstFlag : 0;
}

// True when a reference to the area can be written in formula text.
bool canBeWritten(const Area& area) {
    return area.lastColumn <= kMaxReferenceColumn && area.lastRow <= kMaxReferenceRow &&
           area.firstColumn <= kMaxReferenceColumn && area.firstRow <= kMaxReferenceRow;
}

}  // namespace

// Reaches into the formula's nodes (a friend of Formula).
class ReferenceRewriter {
  public:
    static Formula rewrite(const Formula& formula, const ReferenceMap& map);
};

Formula rewriteReferences(const Formula& formula, const ReferenceMap& map) {
    return ReferenceRewriter::rewrite(formula, map);
}

Formula ReferenceRewriter::rewrite(const Formula& formula, const ReferenceMap& map) {
    if (formula.isTooDeep())
        return formula;
    Formula rewritten = formula;
    rewritten.references_.clear();
    for (Node& node : rewritten.nodes_) {
        if (node.kind != NodeKind::Reference && node.kind != NodeKind::Range)
            continue;
        ReferenceParts parts;
        parts.area = node.cells();
        parts.isRange = node.kind == NodeKind::Range;
        parts.absolute = parts.isRange
                             ? node.detail
                             : static_cast<std::uint8_t>((node.detail & kFirstFlags) |
                                                         ((node.detail & kFirstFlags) << 2));
        std::optional<ReferenceParts> mapped = map(parts);
        if (mapped && !canBeWritten(mapped->area))
            mapped.reset();
        if (!mapped) {
            // Same size in the node array: the tree's layout is unchanged.
            const std::uint32_t size = node.size;
            node = Node();
            node.kind = NodeKind::Error;
            node.error = ErrorKind::Reference;
            node.size = size;
            continue;
        }
        Area& area = mapped->area;
        std::uint8_t absolute = mapped->absolute;
        order(area.firstColumn, area.lastColumn, absolute, kFirstColumnAbsolute,
              kLastColumnAbsolute);
        order(area.firstRow, area.lastRow, absolute, kFirstRowAbsolute, kLastRowAbsolute);
        node.area = {area.firstColumn, area.firstRow, area.lastColumn, area.lastRow};
        node.detail = parts.isRange ? absolute : static_cast<std::uint8_t>(absolute & kFirstFlags);
        if (std::find(rewritten.references_.begin(), rewritten.references_.end(), area) ==
            rewritten.references_.end()) {
            rewritten.references_.push_back(area);
        }
    }
    return rewritten;
}

std::optional<std::wstring> rewriteA1Text(std::wstring_view text, const ReferenceMap& map) {
    // A1 references name their cells whatever cell the formula is in.
    const std::optional<Formula> parsed = parseFormula(text, 1, 1, ReferenceStyle::A1);
    if (!parsed)
        return std::nullopt;
    return printFormula(rewriteReferences(*parsed, map), 1, 1, ReferenceStyle::A1);
}

}  // namespace formula
