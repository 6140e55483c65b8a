// The recursive-descent formula parser (grammar in the header). Operands are
// built in postfix order, which is natural while parsing, and reordered to the
// prefix order of the cached form at the end.
#include "platform/grid/formula/parser/Parser.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/grid/formula/functions/FunctionTable.h"
#include "platform/grid/formula/lexer/Lexer.h"

namespace formula {

class Parser {
  public:
    Parser(std::wstring_view text, int column, int row, ReferenceStyle style)
        : text_(text), lexer_(text, style, column, row) {}

    std::optional<Formula> run(ParseError* error);

  private:
    struct Level {
        TokenKind token;
        BinaryOperator op;
        int precedence;
    };

    // Each parse function returns the depth of the operand it parsed, or
    // nothing when parsing stopped (failed_ or tooDeep_ is set).
    std::optional<int> parseExpression(int minPrecedence);
    std::optional<int> parseUnary();
    std::optional<int> parsePrimary();
    std::optional<int> parseReference();
    std::optional<int> parseCall();

    void advance() { current_ = lexer_.next(); }
    std::optional<int> fail(ParseErrorCode code, std::size_t position, std::wstring_view detail);
    std::optional<int> failAtCurrent();
    // Appends a node whose operands are the last `operands` subtrees; returns its depth.
    std::optional<int> emit(Node node, int operands, int operandDepth);
    std::uint32_t addToPool(std::wstring text);
    void addReference(const Area& area);
    void toPrefix(std::uint32_t root, std::vector<Node>& out) const;
    static const Level* binaryLevel(TokenKind kind);

    std::wstring_view text_;
    Lexer lexer_;
    Token current_;
    std::vector<Node> postfix_;
    Formula formula_;
    std::optional<ParseError> error_;
    bool tooDeep_ = false;
    int nesting_ = 0;
};

namespace {

constexpr int kComparison = 1;
constexpr int kConcatenation = 2;
constexpr int kAdditive = 3;
constexpr int kMultiplicative = 4;
constexpr int kPower = 5;

std::wstring upperCased(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper)
        c = upperCase(c);
    return upper;
}

std::wstring describeToken(const Token& token, std::wstring_view text) {
    if (token.kind == TokenKind::End)
        return L"end of formula";
    return L"'" +
           std::wstring(text.substr(token.position, std::max<std::size_t>(token.length, 1))) + L"'";
}

}  // namespace

const Parser::Level* Parser::binaryLevel(TokenKind kind) {
    static constexpr Level kLevels[] = {
        {TokenKind::Equal, BinaryOperator::Equal, kComparison},
        {TokenKind::NotEqual, BinaryOperator::NotEqual, kComparison},
        {TokenKind::Less, BinaryOperator::Less, kComparison},
        {TokenKind::Greater, BinaryOperator::Greater, kComparison},
        {TokenKind::LessEqual, BinaryOperator::LessEqual, kComparison},
        {TokenKind::GreaterEqual, BinaryOperator::GreaterEqual, kComparison},
        {TokenKind::Ampersand, BinaryOperator::Concatenate, kConcatenation},
        {TokenKind::Plus, BinaryOperator::Add, kAdditive},
        {TokenKind::Minus, BinaryOperator::Subtract, kAdditive},
        {TokenKind::Star, BinaryOperator::Multiply, kMultiplicative},
        {TokenKind::Slash, BinaryOperator::Divide, kMultiplicative},
        {TokenKind::Caret, BinaryOperator::Power, kPower},
    };
    for (const Level& level : kLevels) {
        if (level.token == kind)
            return &level;
    }
    return nullptr;
}

std::optional<Formula> Parser::run(ParseError* error) {
    auto refuse = [&](ParseError e) -> std::optional<Formula> {
        if (error)
            *error = std::move(e);
        return std::nullopt;
    };
    if (text_.size() > kMaxFormulaLength) {
        return refuse(makeParseError(ParseErrorCode::TooLong, kMaxFormulaLength, {}));
    }
    advance();
    if (current_.kind == TokenKind::End) {
        return refuse(makeParseError(ParseErrorCode::EmptyFormula, 0, {}));
    }
    const auto depth = parseExpression(kComparison);
    if (depth && current_.kind != TokenKind::End)
        failAtCurrent();
    if (tooDeep_) {
        Formula deep;
        Node node;
        node.kind = NodeKind::Error;
        node.error = ErrorKind::TooDeep;
        deep.nodes_.push_back(node);
        deep.tooDeepText_ = std::wstring(text_);
        return deep;
    }
    if (error_)
        return refuse(std::move(*error_));
    formula_.nodes_.reserve(postfix_.size());
    toPrefix(static_cast<std::uint32_t>(postfix_.size() - 1), formula_.nodes_);
    return std::move(formula_);
}

std::optional<int> Parser::fail(ParseErrorCode code, std::size_t position,
                                std::wstring_view detail) {
    if (!error_)
        error_ = makeParseError(code, position, detail);
    return std::nullopt;
}

std::optional<int> Parser::failAtCurrent() {
    switch (current_.kind) {
        case TokenKind::Invalid:
            if (current_.position < text_.size() && text_[current_.position] == L'"') {
                return fail(ParseErrorCode::UnterminatedText, current_.position, {});
            }
            return fail(ParseErrorCode::InvalidCharacter, current_.position,
                        describeToken(current_, text_));
        case TokenKind::End:
            return fail(ParseErrorCode::UnexpectedEnd, current_.position, {});
        default:
            return fail(ParseErrorCode::UnexpectedToken, current_.position,
                        describeToken(current_, text_));
    }
}

std::optional<int> Parser::emit(Node node, int operands, int operandDepth) {
    std::uint32_t size = 1;
    std::uint32_t at = static_cast<std::uint32_t>(postfix_.size());
    for (int i = 0; i < operands; ++i) {
        const std::uint32_t operandSize = postfix_[at - 1].size;
        size += operandSize;
        at -= operandSize;
    }
    node.size = size;
    postfix_.push_back(node);
    const int depth = operandDepth + 1;
    if (depth > kMaxNestingDepth) {
        tooDeep_ = true;
        return std::nullopt;
    }
    return depth;
}

std::uint32_t Parser::addToPool(std::wstring text) {
    formula_.pool_.push_back(std::move(text));
    return static_cast<std::uint32_t>(formula_.pool_.size() - 1);
}

void Parser::addReference(const Area& area) {
    auto& references = formula_.references_;
    if (std::find(references.begin(), references.end(), area) == references.end()) {
        references.push_back(area);
    }
}

std::optional<int> Parser::parseExpression(int minPrecedence) {
    auto depth = parseUnary();
    while (depth) {
        const Level* level = binaryLevel(current_.kind);
        if (!level || level->precedence < minPrecedence)
            break;
        advance();
        const auto right = parseExpression(level->precedence + 1);
        if (!right)
            return std::nullopt;
        Node node;
        node.kind = NodeKind::Binary;
        node.detail = static_cast<std::uint8_t>(level->op);
        depth = emit(node, 2, std::max(*depth, *right));
    }
    return depth;
}

std::optional<int> Parser::parseUnary() {
    // Signs are collected first and applied innermost-last, without recursion,
    // so that a long run of signs cannot exhaust the stack.
    std::vector<NodeKind> signs;
    while (current_.kind == TokenKind::Minus || current_.kind == TokenKind::Plus) {
        signs.push_back(current_.kind == TokenKind::Minus ? NodeKind::Negate : NodeKind::UnaryPlus);
        advance();
    }
    auto depth = parsePrimary();
    while (depth && current_.kind == TokenKind::Percent) {
        Node node;
        node.kind = NodeKind::Percent;
        depth = emit(node, 1, *depth);
        advance();
    }
    for (auto sign = signs.rbegin(); depth && sign != signs.rend(); ++sign) {
        Node node;
        node.kind = *sign;
        depth = emit(node, 1, *depth);
    }
    return depth;
}

std::optional<int> Parser::parsePrimary() {
    Node node;
    switch (current_.kind) {
        case TokenKind::Number:
            node.kind = NodeKind::Number;
            node.number = current_.number;
            advance();
            return emit(node, 0, 0);
        case TokenKind::Text:
            node.kind = NodeKind::Text;
            node.index = addToPool(std::move(current_.text));
            advance();
            return emit(node, 0, 0);
        case TokenKind::ErrorLiteral:
            node.kind = NodeKind::Error;
            node.error = current_.error;
            advance();
            return emit(node, 0, 0);
        case TokenKind::Reference:
            return parseReference();
        case TokenKind::Identifier: {
            if (current_.isFollowedByParen)
                return parseCall();
            const std::wstring upper = upperCased(current_.text);
            if (upper == L"TRUE" || upper == L"FALSE") {
                node.kind = NodeKind::Logical;
                node.number = upper == L"TRUE" ? 1.0 : 0.0;
            } else {
                node.kind = NodeKind::Name;
                node.index = addToPool(current_.text);
            }
            advance();
            return emit(node, 0, 0);
        }
        case TokenKind::LeftParen: {
            const std::size_t open = current_.position;
            if (++nesting_ > kMaxNestingDepth) {
                tooDeep_ = true;
                return std::nullopt;
            }
            advance();
            const auto inner = parseExpression(kComparison);
            --nesting_;
            if (!inner)
                return std::nullopt;
            if (current_.kind != TokenKind::RightParen) {
                return fail(ParseErrorCode::MissingCloseParen, current_.position,
                            L"to close '(' at position " + std::to_wstring(open + 1));
            }
            advance();
            node.kind = NodeKind::Parens;
            return emit(node, 1, *inner);
        }
        default:
            return failAtCurrent();
    }
}

std::optional<int> Parser::parseReference() {
    const ReferenceToken first = current_.reference;
    advance();
    Node node;
    if (current_.kind != TokenKind::Colon) {
        node.kind = NodeKind::Reference;
        node.area = {first.column, first.row, first.column, first.row};
        node.detail =
            static_cast<std::uint8_t>((first.isColumnAbsolute ? kFirstColumnAbsolute : 0) |
                                      (first.isRowAbsolute ? kFirstRowAbsolute : 0));
        addReference(node.cells());
        return emit(node, 0, 0);
    }
    advance();
    if (current_.kind != TokenKind::Reference) {
        return fail(ParseErrorCode::ExpectedReference, current_.position,
                    describeToken(current_, text_));
    }
    ReferenceToken low = first;
    ReferenceToken high = current_.reference;
    advance();
    // The range is kept with its corners ordered; each part keeps its $ flag.
    if (low.column > high.column) {
        std::swap(low.column, high.column);
        std::swap(low.isColumnAbsolute, high.isColumnAbsolute);
    }
    if (low.row > high.row) {
        std::swap(low.row, high.row);
        std::swap(low.isRowAbsolute, high.isRowAbsolute);
    }
    node.kind = NodeKind::Range;
    node.area = {low.column, low.row, high.column, high.row};
    node.detail = static_cast<std::uint8_t>((low.isColumnAbsolute ? kFirstColumnAbsolute : 0) |
                                            (low.isRowAbsolute ? kFirstRowAbsolute : 0) |
                                            (high.isColumnAbsolute ? kLastColumnAbsolute : 0) |
                                            (high.isRowAbsolute ? kLastRowAbsolute : 0));
    addReference(node.cells());
    return emit(node, 0, 0);
}

std::optional<int> Parser::parseCall() {
    const Token name = current_;
    const std::wstring upper = upperCased(name.text);
    advance();  // the name
    advance();  // "("
    if (++nesting_ > kMaxNestingDepth) {
        tooDeep_ = true;
        return std::nullopt;
    }
    int arguments = 0;
    int deepest = 0;
    if (current_.kind != TokenKind::RightParen) {
        while (true) {
            const auto depth = parseExpression(kComparison);
            if (!depth)
                return std::nullopt;
            deepest = std::max(deepest, *depth);
            if (++arguments > kMaxArguments) {
                return fail(ParseErrorCode::TooManyArguments, name.position, upper);
            }
            if (current_.kind != TokenKind::Separator)
                break;
            advance();
        }
    }
    --nesting_;
    if (current_.kind != TokenKind::RightParen) {
        if (current_.kind == TokenKind::End) {
            return fail(ParseErrorCode::MissingCloseParen, current_.position,
                        L"after the arguments of " + upper);
        }
        return failAtCurrent();
    }
    advance();
    Node node;
    node.argumentCount = static_cast<std::uint16_t>(arguments);
    if (const auto id = findFunction(upper)) {
        const BuiltinFunction& function = functionAt(*id);
        if (arguments < function.minArguments || arguments > function.maxArguments) {
            std::wstring detail = upper + L" (";
            detail += function.minArguments == function.maxArguments
                          ? std::to_wstring(function.minArguments)
                          : std::to_wstring(function.minArguments) + L" to " +
                                std::to_wstring(function.maxArguments);
            detail += L" expected, " + std::to_wstring(arguments) + L" given)";
            return fail(ParseErrorCode::WrongArgumentCount, name.position, detail);
        }
        node.kind = NodeKind::Function;
        node.index = *id;
    } else {
        node.kind = NodeKind::CustomFunction;
        node.index = addToPool(upper);
    }
    return emit(node, arguments, deepest);
}

void Parser::toPrefix(std::uint32_t root, std::vector<Node>& out) const {
    const Node& node = postfix_[root];
    out.push_back(node);
    int operands = 0;
    switch (node.kind) {
        case NodeKind::Binary:
            operands = 2;
            break;
        case NodeKind::Negate:
        case NodeKind::UnaryPlus:
        case NodeKind::Percent:
        case NodeKind::Parens:
            operands = 1;
            break;
        case NodeKind::Function:
        case NodeKind::CustomFunction:
            operands = node.argumentCount;
            break;
        default:
            break;
    }
    // The operands end just before the node, the last one first.
    std::vector<std::uint32_t> roots(static_cast<std::size_t>(operands));
    std::uint32_t at = root;
    for (int i = operands - 1; i >= 0; --i) {
        roots[static_cast<std::size_t>(i)] = at - 1;
        at -= postfix_[at - 1].size;
    }
    for (std::uint32_t operand : roots)
        toPrefix(operand, out);
}

std::optional<Formula> parseFormula(std::wstring_view text, int column, int row,
                                    ReferenceStyle style, ParseError* error) {
    return Parser(text, column, row, style).run(error);
}

}  // namespace formula
