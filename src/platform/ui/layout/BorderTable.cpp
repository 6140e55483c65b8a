// Placing controls by a border table (rules in the header).
#include "platform/ui/layout/BorderTable.h"

#include <cmath>
#include <set>

namespace layout {
namespace {

bool isHorizontal(Side side) {
    return side == Side::Left || side == Side::Right;
}

int sideOf(const CRect& rect, Side side) {
    switch (side) {
        case Side::Left:
            return rect.left;
        case Side::Top:
            return rect.top;
        case Side::Right:
            return rect.right;
        case Side::Bottom:
            return rect.bottom;
    }
    return 0;
}

int scaled(int value, int from, int to) {
    if (from <= 0)
        return value;
    return static_cast<int>(std::lround(static_cast<double>(value) * to / from));
}

// The position of one side for the new size, or nothing for keep-size and
// centred sides, which are worked out from the other side.
std::optional<int> followRule(const SideRule& rule, Side own, int first, const CSize& oldClient,
                              const CSize& newClient, const std::map<int, CRect>& oldRects,
                              const std::map<int, CRect>& placed) {
    const bool across = isHorizontal(own);
    switch (rule.kind) {
        case SideRule::Kind::Attached: {
            const CRect oldReference = rule.referenceId == 0
                                           ? CRect(0, 0, oldClient.cx, oldClient.cy)
                                           : oldRects.at(rule.referenceId);
            const CRect newReference = rule.referenceId == 0
                                           ? CRect(0, 0, newClient.cx, newClient.cy)
                                           : placed.at(rule.referenceId);
            return sideOf(newReference, rule.referenceSide) + first -
                   sideOf(oldReference, rule.referenceSide);
        }
        case SideRule::Kind::Proportional:
            return across ? scaled(first, oldClient.cx, newClient.cx)
                          : scaled(first, oldClient.cy, newClient.cy);
        default:
            return std::nullopt;
    }
}

// Places one direction (left/right or top/bottom) of a control.
void placeDirection(const SideRule& lowRule, const SideRule& highRule, Side low, Side high,
                    const CRect& first, const CSize& oldClient, const CSize& newClient,
                    const std::map<int, CRect>& oldRects, const std::map<int, CRect>& placed,
                    int& lowOut, int& highOut) {
    const int firstLow = sideOf(first, low);
    const int firstHigh = sideOf(first, high);
    const int size = firstHigh - firstLow;
    const bool across = isHorizontal(low);
    if (lowRule.kind == SideRule::Kind::Centred || highRule.kind == SideRule::Kind::Centred) {
        const int oldExtent = across ? oldClient.cx : oldClient.cy;
        const int newExtent = across ? newClient.cx : newClient.cy;
        const int middle = scaled(firstLow + size / 2, oldExtent, newExtent);
        lowOut = middle - size / 2;
        highOut = lowOut + size;
        return;
    }
    const auto lowPos = followRule(lowRule, low, firstLow, oldClient, newClient, oldRects, placed);
    const auto highPos =
        followRule(highRule, high, firstHigh, oldClient, newClient, oldRects, placed);
    lowOut = lowPos ? *lowPos : *highPos - size;
    highOut = highPos ? *highPos : lowOut + size;
}

bool refuse(std::string* reason, std::string text) {
    if (reason)
        *reason = std::move(text);
    return false;
}

}  // namespace

bool BorderTable::setUp(const std::vector<BorderRule>& rules, const CSize& clientSize,
                        const std::map<int, CRect>& firstRects, std::string* reason) {
    rules_.clear();
    std::set<int> earlier;
    for (const BorderRule& rule : rules) {
        const std::string control = "control " + std::to_string(rule.controlId);
        if (!firstRects.contains(rule.controlId))
            return refuse(reason, control + " has no place");
        if (earlier.contains(rule.controlId))
            return refuse(reason, control + " is in the table twice");
        const std::pair<const SideRule*, Side> sides[] = {{&rule.left, Side::Left},
                                                          {&rule.top, Side::Top},
                                                          {&rule.right, Side::Right},
                                                          {&rule.bottom, Side::Bottom}};
        for (const auto& [side, own] : sides) {
            if (side->kind != SideRule::Kind::Attached)
                continue;
            if (side->referenceId != 0 && !earlier.contains(side->referenceId)) {
                return refuse(reason, control + " follows control " +
                                          std::to_string(side->referenceId) +
                                          ", which is not earlier in the table");
            }
            if (isHorizontal(side->referenceSide) != isHorizontal(own)) {
                return refuse(reason, control + " follows a side of the other direction");
            }
        }
        if (rule.left.kind == SideRule::Kind::KeepSize &&
            rule.right.kind == SideRule::Kind::KeepSize) {
            return refuse(reason, control + " keeps its width on both sides");
        }
        if (rule.top.kind == SideRule::Kind::KeepSize &&
            rule.bottom.kind == SideRule::Kind::KeepSize) {
            return refuse(reason, control + " keeps its height on both sides");
        }
        earlier.insert(rule.controlId);
    }
    rules_ = rules;
    firstClient_ = clientSize;
    firstRects_ = firstRects;
    return true;
}

std::vector<std::pair<int, CRect>> BorderTable::place(const CSize& clientSize) const {
    std::vector<std::pair<int, CRect>> result;
    std::map<int, CRect> placed;
    for (const BorderRule& rule : rules_) {
        const CRect& first = firstRects_.at(rule.controlId);
        CRect rect;
        placeDirection(rule.left, rule.right, Side::Left, Side::Right, first, firstClient_,
                       clientSize, firstRects_, placed, rect.left, rect.right);
        placeDirection(rule.top, rule.bottom, Side::Top, Side::Bottom, first, firstClient_,
                       clientSize, firstRects_, placed, rect.top, rect.bottom);
        placed[rule.controlId] = rect;
        result.emplace_back(rule.controlId, rect);
    }
    return result;
}

}  // namespace layout
