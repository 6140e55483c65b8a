// Text functions. Positions and lengths count characters from 1; counts are
// truncated toward zero; a negative count or a start position below 1 is #VALUE!.
#include <cmath>
#include <string>

#include "platform/core/Tvx_String.h"
#include "platform/grid/formula/evaluator/Coercion.h"
#include "platform/grid/formula/evaluator/FunctionCall.h"
#include "platform/grid/formula/functions/FunctionBodies.h"
#include "platform/grid/formula/functions/NumberFormat.h"
#include "platform/grid/formula/functions/Wildcard.h"

namespace formula::functions {
namespace {

// The longest text a function builds; longer results are #VALUE!.
constexpr double kMaxTextLength = 32767;

// A count argument as a size, or nothing when it is negative.
std::optional<std::size_t> countArgument(FunctionCall& call, int i, double fallback) {
    const double count = call.has(i) ? std::trunc(call.number(i)) : fallback;
    if (count < 0)
        return std::nullopt;
    return static_cast<std::size_t>(std::fmin(count, kMaxTextLength + 1));
}

Value invalid() {
    return Value::error(ErrorKind::Value);
}

}  // namespace

Value len(FunctionCall& call) {
    return Value::number(static_cast<double>(call.text(0).size()));
}

Value left(FunctionCall& call) {
    const auto count = countArgument(call, 1, 1);
    if (!count)
        return invalid();
    return Value::text(call.text(0).substr(0, *count));
}

Value right(FunctionCall& call) {
    const auto count = countArgument(call, 1, 1);
    if (!count)
        return invalid();
    const std::wstring& text = call.text(0);
    return Value::text(*count >= text.size() ? text : text.substr(text.size() - *count));
}

Value mid(FunctionCall& call) {
    const double start = std::trunc(call.number(1));
    const auto count = countArgument(call, 2, 0);
    if (start < 1 || !count)
        return invalid();
    const std::wstring& text = call.text(0);
    if (start > static_cast<double>(text.size()))
        return Value::text(L"");
    return Value::text(text.substr(static_cast<std::size_t>(start) - 1, *count));
}

Value concatenate(FunctionCall& call) {
    std::wstring joined;
    for (int i = 0; i < call.count(); ++i)
        joined += call.text(i);
    if (static_cast<double>(joined.size()) > kMaxTextLength)
        return invalid();
    return Value::text(std::move(joined));
}

Value upper(FunctionCall& call) {
    std::wstring text = call.text(0);
    for (wchar_t& c : text)
        c = upperCase(c);
    return Value::text(std::move(text));
}

Value lower(FunctionCall& call) {
    return Value::text(foldedText(call.text(0)));
}

// TRIM drops spaces at both ends and leaves one space between words.
Value trim(FunctionCall& call) {
    std::wstring trimmed;
    bool pendingSpace = false;
    for (wchar_t c : call.text(0)) {
        if (c == L' ') {
            pendingSpace = !trimmed.empty();
            continue;
        }
        if (pendingSpace)
            trimmed += L' ';
        pendingSpace = false;
        trimmed += c;
    }
    return Value::text(std::move(trimmed));
}

// VALUE reads a text as a number with the coercion rules; a number stays itself.
Value value(FunctionCall& call) {
    const Value& argument = call.value(0);
    if (argument.isEmpty())
        return invalid();
    const auto number = toNumber(argument);
    if (!number.ok())
        return Value::error(*number.error);
    return Value::number(number.value);
}

// TEXT(value, format): a number shown with the format codes of NumberFormat.h;
// a text that reads as a number is formatted as that number, any other text
// goes through the text section of the format.
Value text(FunctionCall& call) {
    const Value& argument = call.value(0);
    if (argument.isText()) {
        const auto number = toNumber(argument);
        if (!number.ok())
            return Value::text(formatText(argument.asText(), call.text(1)));
        return Value::text(formatNumber(number.value, call.text(1)));
    }
    return Value::text(formatNumber(argument.asNumber(), call.text(1)));
}

namespace {

// The start position of FIND and SEARCH: 1-based, at most one past the end.
std::optional<std::size_t> startArgument(FunctionCall& call, const std::wstring& within) {
    const double start = call.has(2) ? std::trunc(call.number(2)) : 1.0;
    if (start < 1 || start > static_cast<double>(within.size()) + 1)
        return std::nullopt;
    return static_cast<std::size_t>(start) - 1;
}

}  // namespace

// FIND(find, within [, start]): case-sensitive, without wildcards; an empty
// text to find is #VALUE!.
Value find(FunctionCall& call) {
    const std::wstring& within = call.text(1);
    const auto start = startArgument(call, within);
    if (!start || call.text(0).empty())
        return invalid();
    const std::size_t at = within.find(call.text(0), *start);
    if (at == std::wstring::npos)
        return invalid();
    return Value::number(static_cast<double>(at + 1));
}

// SEARCH(find, within [, start]): letter case ignored, wildcards allowed; an
// empty text to find is #VALUE!.
Value search(FunctionCall& call) {
    const std::wstring& within = call.text(1);
    const auto start = startArgument(call, within);
    if (!start || call.text(0).empty())
        return invalid();
    const int at = wildcardFind(call.text(0), within, static_cast<int>(*start));
    if (at < 0)
        return invalid();
    return Value::number(at + 1);
}

// SUBSTITUTE(text, old, new [, instance]): every occurrence, or only the
// instance-th; an empty old text changes nothing.
Value substitute(FunctionCall& call) {
    const std::wstring& text = call.text(0);
    const std::wstring& old = call.text(1);
    const std::wstring& replacement = call.text(2);
    double instance = 0;
    if (call.has(3)) {
        instance = std::trunc(call.number(3));
        if (instance < 1)
            return invalid();
    }
    if (old.empty())
        return Value::text(text);
    std::wstring result;
    std::size_t from = 0;
    double seen = 0;
    while (true) {
        const std::size_t at = text.find(old, from);
        if (at == std::wstring::npos)
            break;
        ++seen;
        result.append(text, from, at - from);
        result += (instance == 0 || seen == instance) ? replacement : old;
        from = at + old.size();
    }
    result.append(text, from, std::wstring::npos);
    if (static_cast<double>(result.size()) > kMaxTextLength)
        return invalid();
    return Value::text(std::move(result));
}

Value rept(FunctionCall& call) {
    const std::wstring& text = call.text(0);
    const double times = std::trunc(call.number(1));
    if (times < 0 || times * static_cast<double>(text.size()) > kMaxTextLength)
        return invalid();
    if (text.empty())
        return Value::text(L"");
    std::wstring result;
    for (int i = 0; i < static_cast<int>(times); ++i)
        result += text;
    return Value::text(std::move(result));
}

Value exact(FunctionCall& call) {
    return Value::logical(call.text(0) == call.text(1));
}

}  // namespace formula::functions
