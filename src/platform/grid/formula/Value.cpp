// Values of cells and expressions, and the texts of the error kinds.
#include "platform/grid/formula/Value.h"

#include <array>
#include <cmath>

#include "platform/core/NumberText.h"
#include "platform/core/Tvx_String.h"

namespace formula {
namespace {

struct ErrorName {
    ErrorKind kind;
    std::wstring_view text;
};

constexpr std::array<ErrorName, 8> kErrorNames = {{
    {ErrorKind::DivisionByZero, L"#DIV/0!"},
    {ErrorKind::Value, L"#VALUE!"},
    {ErrorKind::Reference, L"#REF!"},
    {ErrorKind::Name, L"#NAME?"},
    {ErrorKind::NotAvailable, L"#N/A"},
    {ErrorKind::Number, L"#NUM!"},
    {ErrorKind::Circular, L"#CIRC!"},
    {ErrorKind::TooDeep, L"#DEPTH!"},
}};

}  // namespace

std::wstring_view errorText(ErrorKind kind) {
    for (const auto& name : kErrorNames) {
        if (name.kind == kind)
            return name.text;
    }
    return L"#VALUE!";
}

std::optional<ErrorKind> errorFromText(std::wstring_view text) {
    for (const auto& name : kErrorNames) {
        if (name.text.size() != text.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < text.size() && same; ++i) {
            same = foldCase(name.text[i]) == foldCase(text[i]);
        }
        if (same)
            return name.kind;
    }
    return std::nullopt;
}

const std::wstring& Value::emptyText() {
    static const std::wstring empty;
    return empty;
}

Value Value::number(double value) {
    if (!std::isfinite(value))
        return error(ErrorKind::Number);
    Value result;
    result.type_ = Type::Number;
    // -0 shows and compares as 0.
    result.number_ = value == 0 ? 0.0 : value;
    return result;
}

Value Value::logical(bool value) {
    Value result;
    result.type_ = Type::Logical;
    result.number_ = value ? 1.0 : 0.0;
    return result;
}

Value Value::text(std::wstring value) {
    Value result;
    result.type_ = Type::Text;
    result.text_ = std::make_shared<const std::wstring>(std::move(value));
    return result;
}

Value Value::error(ErrorKind kind) {
    Value result;
    result.type_ = Type::Error;
    result.error_ = kind;
    return result;
}

bool operator==(const Value& a, const Value& b) {
    if (a.type_ != b.type_)
        return false;
    switch (a.type_) {
        case Value::Type::Empty:
            return true;
        case Value::Type::Number:
        case Value::Type::Logical:
            return a.number_ == b.number_;
        case Value::Type::Text:
            return a.asText() == b.asText();
        case Value::Type::Error:
            return a.error_ == b.error_;
    }
    return false;
}

std::wstring describe(const Value& value) {
    switch (value.type()) {
        case Value::Type::Empty:
            return L"(empty)";
        case Value::Type::Number:
            return numtext::formatGeneral(value.asNumber());
        case Value::Type::Logical:
            return value.asNumber() != 0 ? L"TRUE" : L"FALSE";
        case Value::Type::Text:
            return L"\"" + value.asText() + L"\"";
        case Value::Type::Error:
            return std::wstring(errorText(value.asError()));
    }
    return {};
}

}  // namespace formula
