// Tree-walking evaluation of the cached formula form.
#include "platform/grid/formula/evaluator/Evaluator.h"

#include <climits>
#include <cmath>

#include "platform/grid/formula/evaluator/Arithmetic.h"
#include "platform/grid/formula/evaluator/Coercion.h"
#include "platform/grid/formula/evaluator/FunctionCall.h"

namespace formula {
namespace {

// Custom function calls active on this thread, across all sheets.
thread_local int customCallNesting = 0;

class NestingGuard {
  public:
    NestingGuard() { ++customCallNesting; }
    ~NestingGuard() { --customCallNesting; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
};

ValueRecord recordOf(const Value& value) {
    ValueRecord record;
    switch (value.type()) {
        case Value::Type::Empty:
            record.status = kValueMissing;
            break;
        case Value::Type::Number:
        case Value::Type::Logical: {
            const double number = value.asNumber();
            record.status = kValuePresent;
            if (number == std::trunc(number) && number >= INT32_MIN && number <= INT32_MAX) {
                record.type = kWholeNumber;
                record.wholeNumber = static_cast<std::int32_t>(number);
            } else {
                record.type = kDouble;
            }
            record.number = number;
            break;
        }
        case Value::Type::Text:
            record.status = kValuePresent;
            record.type = kText;
            record.text = value.asText();
            break;
        case Value::Type::Error:
            record.status = kValueFailed;
            break;
    }
    return record;
}

}  // namespace

Value Evaluator::evaluate(const Formula& formula, int column, int row) {
    formula_ = &formula;
    caller_ = {column, row};
    arguments_.clear();
    Value result = evaluateNode(0);
    formula_ = nullptr;
    if (result.isEmpty())
        return Value::number(0);
    return result;
}

Value Evaluator::cellValue(int column, int row) const {
    return context_.cellValue(column, row);
}

Value Evaluator::referenceValue(const Area& area) const {
    if (!area.liesWithin(context_.columnCount(), context_.rowCount())) {
        return Value::error(ErrorKind::Reference);
    }
    if (area.isSingleCell())
        return cellValue(area.firstColumn, area.firstRow);
    // A range where one value is needed: the cell in the formula's row or column.
    if (area.columnCount() == 1 && caller_.row >= area.firstRow && caller_.row <= area.lastRow) {
        return cellValue(area.firstColumn, caller_.row);
    }
    if (area.rowCount() == 1 && caller_.column >= area.firstColumn &&
        caller_.column <= area.lastColumn) {
        return cellValue(caller_.column, area.firstRow);
    }
    return Value::error(ErrorKind::Value);
}

std::uint32_t Evaluator::unwrapParens(std::uint32_t at) const {
    while (formula_->nodes()[at].kind == NodeKind::Parens)
        ++at;
    return at;
}

Value Evaluator::evaluateNode(std::uint32_t at) {
    const Node& node = formula_->nodes()[at];
    switch (node.kind) {
        case NodeKind::Number:
            return Value::number(node.number);
        case NodeKind::Text:
            return Value::text(formula_->poolText(node.index));
        case NodeKind::Logical:
            return Value::logical(node.number != 0);
        case NodeKind::Error:
            return Value::error(node.error);
        case NodeKind::Reference:
        case NodeKind::Range:
            return referenceValue(node.cells());
        case NodeKind::Name:
            return Value::error(ErrorKind::Name);
        case NodeKind::Negate: {
            const auto operand = toNumber(evaluateNode(at + 1));
            if (!operand.ok())
                return Value::error(*operand.error);
            return Value::number(-operand.value);
        }
        case NodeKind::UnaryPlus:
        case NodeKind::Parens:
            return evaluateNode(at + 1);
        case NodeKind::Percent: {
            const auto operand = toNumber(evaluateNode(at + 1));
            if (!operand.ok())
                return Value::error(*operand.error);
            return Value::number(operand.value / 100);
        }
        case NodeKind::Binary:
            return evaluateBinary(at);
        case NodeKind::Function:
            return callFunction(at);
        case NodeKind::CustomFunction:
            return callCustomFunction(at);
    }
    return Value::error(ErrorKind::Value);
}

Value Evaluator::evaluateBinary(std::uint32_t at) {
    const BinaryOperator op = formula_->nodes()[at].binaryOperator();
    const std::uint32_t leftAt = at + 1;
    const std::uint32_t rightAt = leftAt + formula_->nodes()[leftAt].size;
    const Value left = evaluateNode(leftAt);
    const Value right = evaluateNode(rightAt);
    switch (op) {
        case BinaryOperator::Concatenate: {
            auto a = toText(left);
            if (!a.ok())
                return Value::error(*a.error);
            const auto b = toText(right);
            if (!b.ok())
                return Value::error(*b.error);
            a.value += b.value;
            return Value::text(std::move(a.value));
        }
        case BinaryOperator::Equal:
        case BinaryOperator::NotEqual:
        case BinaryOperator::Less:
        case BinaryOperator::Greater:
        case BinaryOperator::LessEqual:
        case BinaryOperator::GreaterEqual: {
            if (left.isError())
                return left;
            if (right.isError())
                return right;
            const int order = compareValues(left, right);
            switch (op) {
                case BinaryOperator::Equal:
                    return Value::logical(order == 0);
                case BinaryOperator::NotEqual:
                    return Value::logical(order != 0);
                case BinaryOperator::Less:
                    return Value::logical(order < 0);
                case BinaryOperator::Greater:
                    return Value::logical(order > 0);
                case BinaryOperator::LessEqual:
                    return Value::logical(order <= 0);
                default:
                    return Value::logical(order >= 0);
            }
        }
        default:
            break;
    }
    const auto a = toNumber(left);
    if (!a.ok())
        return Value::error(*a.error);
    const auto b = toNumber(right);
    if (!b.ok())
        return Value::error(*b.error);
    switch (op) {
        case BinaryOperator::Add:
            return Value::number(approxAdd(a.value, b.value));
        case BinaryOperator::Subtract:
            return Value::number(approxAdd(a.value, -b.value));
        case BinaryOperator::Multiply:
            return Value::number(a.value * b.value);
        case BinaryOperator::Divide:
            if (b.value == 0)
                return Value::error(ErrorKind::DivisionByZero);
            return Value::number(a.value / b.value);
        default:
            return power(a.value, b.value);
    }
}

std::optional<ErrorKind> Evaluator::prepareArgument(ArgumentKind kind, std::uint32_t node,
                                                    Argument& argument) {
    argument.node = node;
    if (kind == ArgumentKind::Lazy)
        return std::nullopt;
    if (kind == ArgumentKind::Reference || kind == ArgumentKind::Values) {
        const Node& inner = formula_->nodes()[unwrapParens(node)];
        if (inner.kind == NodeKind::Reference || inner.kind == NodeKind::Range) {
            argument.area = inner.cells();
            if (!argument.area.liesWithin(context_.columnCount(), context_.rowCount())) {
                return ErrorKind::Reference;
            }
            argument.isArea = true;
            return std::nullopt;
        }
        if (kind == ArgumentKind::Reference)
            return ErrorKind::Value;
    }
    Value value = evaluateNode(node);
    switch (kind) {
        case ArgumentKind::Number: {
            const auto number = toNumber(value);
            if (!number.ok())
                return number.error;
            argument.value = Value::number(number.value);
            return std::nullopt;
        }
        case ArgumentKind::Text: {
            auto text = toText(value);
            if (!text.ok())
                return text.error;
            argument.value = Value::text(std::move(text.value));
            return std::nullopt;
        }
        case ArgumentKind::Logical: {
            const auto logical = toLogical(value);
            if (!logical.ok())
                return logical.error;
            argument.value = Value::logical(logical.value);
            return std::nullopt;
        }
        case ArgumentKind::ScalarOrError:
            argument.value = std::move(value);
            return std::nullopt;
        default:
            if (value.isError())
                return value.asError();
            argument.value = std::move(value);
            return std::nullopt;
    }
}

Value Evaluator::callFunction(std::uint32_t at) {
    const Node& node = formula_->nodes()[at];
    const BuiltinFunction& function = functionAt(node.index);
    const std::size_t first = arguments_.size();
    const int count = node.argumentCount;
    std::uint32_t child = at + 1;
    for (int i = 0; i < count; ++i) {
        // Nested calls made while preparing an argument leave the stack as they
        // found it, so each prepared argument lands at first + i.
        Argument argument;
        if (const auto error = prepareArgument(function.kindOf(i), child, argument)) {
            arguments_.resize(first);
            return Value::error(*error);
        }
        arguments_.push_back(std::move(argument));
        child += formula_->nodes()[child].size;
    }
    FunctionCall call(*this, first, count);
    Value result = function.body(call);
    arguments_.resize(first);
    return result;
}

Value Evaluator::callCustomFunction(std::uint32_t at) {
    const Node& node = formula_->nodes()[at];
    const CustomFunction* function = context_.customFunction(formula_->poolText(node.index));
    if (!function)
        return Value::error(ErrorKind::Name);
    const int count = node.argumentCount;
    if (count < function->minArguments || count > function->maxArguments) {
        return Value::error(ErrorKind::Value);
    }
    if (customCallNesting >= kMaxCustomCallNesting)
        return Value::error(ErrorKind::TooDeep);
    std::vector<ValueRecord> records(static_cast<std::size_t>(count));
    std::uint32_t child = at + 1;
    for (auto& record : records) {
        const Node& inner = formula_->nodes()[unwrapParens(child)];
        const bool asCell =
            inner.kind == NodeKind::Reference && (function->flags & kPassReferencesAsCells) != 0;
        if (inner.kind == NodeKind::Range || asCell) {
            const Area area = inner.cells();
            record.status = area.liesWithin(context_.columnCount(), context_.rowCount())
                                ? kValuePresent
                                : kValueFailed;
            record.type = asCell ? kCellReference : kRange;
            record.column = area.firstColumn;
            record.row = area.firstRow;
            record.lastColumn = area.lastColumn;
            record.lastRow = area.lastRow;
        } else if (inner.kind == NodeKind::Reference) {
            // A bare reference passes the cell's value; an empty cell stays empty.
            record = recordOf(referenceValue(inner.cells()));
        } else {
            record = recordOf(evaluateNode(child));
        }
        child += formula_->nodes()[child].size;
    }
    ValueRecord result;
    bool filled = false;
    {
        NestingGuard guard;
        filled = function->callback(result, records);
    }
    if (!filled || result.status == kValueFailed)
        return Value::error(ErrorKind::Value);
    // A function that succeeded without a value is how the record carries an
    // empty text (a look-up position outside its list, say): the cell shows
    // nothing rather than an error or a zero.
    if (result.status != kValuePresent)
        return Value::text(L"");
    switch (result.type) {
        case kWholeNumber:
            return Value::number(result.wholeNumber);
        case kDouble:
            return Value::number(result.number);
        case kText:
            return Value::text(std::move(result.text));
        case kCellReference:
            return referenceValue({result.column, result.row, result.column, result.row});
        default:
            return Value::error(ErrorKind::Value);
    }
}

}  // namespace formula
