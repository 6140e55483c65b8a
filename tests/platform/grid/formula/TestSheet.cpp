// The formula tests' sheet and literal helpers.
#include "TestSheet.h"

#include "platform/core/NumberText.h"
#include "platform/core/Unicode.h"
#include "platform/grid/formula/Reference.h"

namespace formulatest {

std::pair<int, int> address(const std::wstring& cell) {
    std::size_t i = 0;
    while (i < cell.size() && cell[i] >= L'A' && cell[i] <= L'Z')
        ++i;
    return {formula::columnFromLetters(cell.substr(0, i)),
            numtext::parseLeadingInt(cell.substr(i))};
}

void TestSheet::put(const std::wstring& cell, formula::Value value) {
    values_[address(cell)] = std::move(value);
}

formula::Value literal(const std::wstring& text) {
    if (text == L"(empty)")
        return formula::Value();
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') {
        return formula::Value::text(text.substr(1, text.size() - 2));
    }
    if (text == L"TRUE")
        return formula::Value::logical(true);
    if (text == L"FALSE")
        return formula::Value::logical(false);
    if (auto error = formula::errorFromText(text))
        return formula::Value::error(*error);
    double number = 0;
    if (numtext::parseWholeDouble(text, number))
        return formula::Value::number(number);
    return formula::Value::text(text);
}

}  // namespace formulatest

namespace formula {

void PrintTo(const Value& value, std::ostream* out) {
    *out << unicode::toUtf8(describe(value));
}

}  // namespace formula
