// The compact, cached form of one parsed formula.
//
// A formula is a tree of nodes stored in one array in prefix order: a node is
// followed by its operands, each operand by its own, and `size` counts the
// nodes of a node's subtree (itself included), so that an operand can be
// skipped without evaluating it. Texts and names live in a small pool.
// References are kept as the absolute cells they name (relative references were
// resolved against the formula's cell when it was parsed), so a formula belongs
// to the cell it was parsed for; moving it to another cell means printing it in
// the R1C1 style and parsing that text for the new cell. When the cells it
// refers to move, rewriteReferences (ReferenceRewriter.h) makes it follow them.
//
// Example: ROUND(A1*2,1) parsed for any cell is
//   [0] Function ROUND, 2 arguments, size 5
//   [1]   Binary Multiply, size 3
//   [2]     Reference A1, size 1
//   [3]     Number 2, size 1
//   [4]   Number 1, size 1
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/Value.h"

namespace formula {

enum class NodeKind : std::uint8_t {
    Number,          // number
    Text,            // index: the text in the pool
    Logical,         // number: 1 or 0
    Error,           // error
    Reference,       // area: one cell; detail: absolute flags
    Range,           // area; detail: absolute flags
    Name,            // index: the name as written (evaluates to #NAME?)
    Negate,          // unary minus
    UnaryPlus,       // unary plus (no conversion)
    Percent,         // operand / 100
    Binary,          // detail: BinaryOperator
    Parens,          // parentheses as written
    Function,        // index: built-in function id; argumentCount
    CustomFunction,  // index: the upper-case name in the pool; argumentCount
};

enum class BinaryOperator : std::uint8_t {
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Concatenate,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
};

// Flags in `detail` of Reference and Range nodes: which parts were written
// absolute ($ in A1, a plain number in R1C1).
inline constexpr std::uint8_t kFirstColumnAbsolute = 1;
inline constexpr std::uint8_t kFirstRowAbsolute = 2;
inline constexpr std::uint8_t kLastColumnAbsolute = 4;
inline constexpr std::uint8_t kLastRowAbsolute = 8;

struct RawArea {
    std::int32_t firstColumn;
    std::int32_t firstRow;
    std::int32_t lastColumn;
    std::int32_t lastRow;
};

struct Node {
    NodeKind kind = NodeKind::Number;
    std::uint8_t detail = 0;
    std::uint16_t argumentCount = 0;
    std::uint32_t size = 1;
    union {
        double number;
        std::uint32_t index;
        ErrorKind error;
        RawArea area;
    };

    Node() : area{0, 0, 0, 0} {}
    BinaryOperator binaryOperator() const { return static_cast<BinaryOperator>(detail); }
    Area cells() const { return {area.firstColumn, area.firstRow, area.lastColumn, area.lastRow}; }
};

class Formula {
  public:
    const std::vector<Node>& nodes() const { return nodes_; }
    const std::wstring& poolText(std::uint32_t index) const { return pool_[index]; }
    // Every cell and range the formula refers to, each area once, in order of
    // appearance; the dependency graph is built from these.
    const std::vector<Area>& references() const { return references_; }
    // A formula nested deeper than the engine allows keeps its text and
    // evaluates to #DEPTH!.
    bool isTooDeep() const { return !tooDeepText_.empty(); }
    const std::wstring& tooDeepText() const { return tooDeepText_; }

  private:
    friend class Parser;
    friend class ReferenceRewriter;
    std::vector<Node> nodes_;
    std::vector<std::wstring> pool_;
    std::vector<Area> references_;
    std::wstring tooDeepText_;
};

}  // namespace formula
