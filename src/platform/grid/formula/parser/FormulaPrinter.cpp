// Printing parsed formulas in the A1 and R1C1 styles.
#include "platform/grid/formula/parser/FormulaPrinter.h"

#include <charconv>
#include <cmath>

#include "platform/grid/formula/functions/FunctionTable.h"

namespace formula {
namespace {

class Printer {
  public:
    Printer(const Formula& formula, int column, int row, ReferenceStyle style)
        : formula_(formula), column_(column), row_(row), style_(style) {}

    // Prints the subtree at `at` and returns the index after it.
    std::uint32_t print(std::uint32_t at);
    std::wstring take() { return std::move(out_); }

  private:
    void printCell(int column, int row, bool columnAbsolute, bool rowAbsolute);
    void printR1C1Part(wchar_t letter, int value, int base, bool isAbsolute);
    bool isValidA1(const Area& area) const {
        return area.firstColumn >= 1 && area.firstRow >= 1 &&
               area.lastColumn <= kMaxReferenceColumn && area.lastRow <= kMaxReferenceRow;
    }

    const Formula& formula_;
    int column_;
    int row_;
    ReferenceStyle style_;
    std::wstring out_;
};

std::wstring_view operatorText(BinaryOperator op) {
    switch (op) {
        case BinaryOperator::Add:
            return L"+";
        case BinaryOperator::Subtract:
            return L"-";
        case BinaryOperator::Multiply:
            return L"*";
        case BinaryOperator::Divide:
            return L"/";
        case BinaryOperator::Power:
            return L"^";
        case BinaryOperator::Concatenate:
            return L"&";
        case BinaryOperator::Equal:
            return L"=";
        case BinaryOperator::NotEqual:
            return L"<>";
        case BinaryOperator::Less:
            return L"<";
        case BinaryOperator::Greater:
            return L">";
        case BinaryOperator::LessEqual:
            return L"<=";
        case BinaryOperator::GreaterEqual:
            return L">=";
    }
    return L"?";
}

void Printer::printR1C1Part(wchar_t letter, int value, int base, bool isAbsolute) {
    out_ += letter;
    if (isAbsolute) {
        out_ += std::to_wstring(value);
    } else if (value != base) {
        out_ += L"[" + std::to_wstring(value - base) + L"]";
    }
}

void Printer::printCell(int column, int row, bool columnAbsolute, bool rowAbsolute) {
    if (style_ == ReferenceStyle::R1C1) {
        printR1C1Part(L'R', row, row_, rowAbsolute);
        printR1C1Part(L'C', column, column_, columnAbsolute);
        return;
    }
    if (columnAbsolute)
        out_ += L'$';
    out_ += columnLetters(column);
    if (rowAbsolute)
        out_ += L'$';
    out_ += std::to_wstring(row);
}

std::uint32_t Printer::print(std::uint32_t at) {
    const Node& node = formula_.nodes()[at];
    std::uint32_t next = at + 1;
    switch (node.kind) {
        case NodeKind::Number:
            out_ += numberLiteral(node.number);
            break;
        case NodeKind::Text:
            out_ += L'"';
            for (wchar_t c : formula_.poolText(node.index)) {
                if (c == L'"')
                    out_ += L'"';
                out_ += c;
            }
            out_ += L'"';
            break;
        case NodeKind::Logical:
            out_ += node.number != 0 ? L"TRUE" : L"FALSE";
            break;
        case NodeKind::Error:
            out_ += errorText(node.error);
            break;
        case NodeKind::Reference:
        case NodeKind::Range: {
            const Area area = node.cells();
            if (style_ != ReferenceStyle::R1C1 && !isValidA1(area)) {
                out_ += errorText(ErrorKind::Reference);
                break;
            }
            printCell(area.firstColumn, area.firstRow, node.detail & kFirstColumnAbsolute,
                      node.detail & kFirstRowAbsolute);
            if (node.kind == NodeKind::Range) {
                out_ += L':';
                printCell(area.lastColumn, area.lastRow, node.detail & kLastColumnAbsolute,
                          node.detail & kLastRowAbsolute);
            }
            break;
        }
        case NodeKind::Name:
            out_ += formula_.poolText(node.index);
            break;
        case NodeKind::Negate:
            out_ += L'-';
            next = print(next);
            break;
        case NodeKind::UnaryPlus:
            out_ += L'+';
            next = print(next);
            break;
        case NodeKind::Percent:
            next = print(next);
            out_ += L'%';
            break;
        case NodeKind::Binary:
            next = print(next);
            out_ += operatorText(node.binaryOperator());
            next = print(next);
            break;
        case NodeKind::Parens:
            out_ += L'(';
            next = print(next);
            out_ += L')';
            break;
        case NodeKind::Function:
        case NodeKind::CustomFunction:
            out_ += node.kind == NodeKind::Function
                        ? functionAt(node.index).name
                        : std::wstring_view(formula_.poolText(node.index));
            out_ += L'(';
            for (int i = 0; i < node.argumentCount; ++i) {
                if (i > 0)
                    out_ += L',';
                next = print(next);
            }
            out_ += L')';
            break;
    }
    return next;
}

}  // namespace

std::wstring numberLiteral(double value) {
    // A literal too large for a double read as infinity; this text reads back as one.
    if (std::isinf(value))
        return L"1E+309";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::wstring text;
    for (const char* c = buffer; c != result.ptr; ++c)
        text += static_cast<wchar_t>(*c == 'e' ? 'E' : *c);
    return text;
}

std::wstring printFormula(const Formula& formula, int column, int row, ReferenceStyle style) {
    if (formula.isTooDeep())
        return formula.tooDeepText();
    Printer printer(formula, column, row, style);
    printer.print(0);
    return printer.take();
}

}  // namespace formula
