// Conversions between value types and comparison of values (rules in the header).
#include "platform/grid/formula/evaluator/Coercion.h"

#include "platform/core/NumberText.h"
#include "platform/core/Tvx_String.h"

namespace formula {

Converted<double> toNumber(const Value& value) {
    switch (value.type()) {
        case Value::Type::Empty:
            return {0.0, {}};
        case Value::Type::Number:
        case Value::Type::Logical:
            return {value.asNumber(), {}};
        case Value::Type::Text: {
            double number = 0;
            if (numtext::parseWholeDouble(value.asText(), number))
                return {number, {}};
            const auto logical = toLogical(value);
            if (logical.ok())
                return {logical.value ? 1.0 : 0.0, {}};
            return {0.0, ErrorKind::Value};
        }
        case Value::Type::Error:
            return {0.0, value.asError()};
    }
    return {0.0, ErrorKind::Value};
}

std::wstring numberText(double value) {
    return numtext::formatGeneral(value);
}

Converted<std::wstring> toText(const Value& value) {
    switch (value.type()) {
        case Value::Type::Empty:
            return {};
        case Value::Type::Number:
        case Value::Type::Logical:
            return {numberText(value.asNumber()), {}};
        case Value::Type::Text:
            return {value.asText(), {}};
        case Value::Type::Error:
            return {{}, value.asError()};
    }
    return {{}, ErrorKind::Value};
}

Converted<bool> toLogical(const Value& value) {
    switch (value.type()) {
        case Value::Type::Empty:
            return {false, {}};
        case Value::Type::Number:
        case Value::Type::Logical:
            return {value.asNumber() != 0, {}};
        case Value::Type::Text: {
            const std::wstring folded = foldedText(value.asText());
            if (folded == L"true")
                return {true, {}};
            if (folded == L"false")
                return {false, {}};
            return {false, ErrorKind::Value};
        }
        case Value::Type::Error:
            return {false, value.asError()};
    }
    return {false, ErrorKind::Value};
}

std::wstring foldedText(std::wstring_view text) {
    std::wstring folded(text);
    for (wchar_t& c : folded)
        c = foldCase(c);
    return folded;
}

int compareValues(const Value& a, const Value& b) {
    const bool aText = a.isText() || (a.isEmpty() && b.isText());
    const bool bText = b.isText() || (b.isEmpty() && a.isText());
    if (aText != bText)
        return aText ? 1 : -1;
    if (!aText) {
        const double x = a.asNumber();
        const double y = b.asNumber();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const std::wstring& x = a.asText();
    const std::wstring& y = b.asText();
    const std::size_t common = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < common; ++i) {
        const wchar_t p = foldCase(x[i]);
        const wchar_t q = foldCase(y[i]);
        if (p != q)
            return p < q ? -1 : 1;
    }
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

}  // namespace formula
