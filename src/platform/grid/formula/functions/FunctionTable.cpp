// The table of built-in functions: every function's name, argument counts and
// argument kinds in one place (see FunctionTable.h for the kinds).
#include "platform/grid/formula/functions/FunctionTable.h"

#include <algorithm>
#include <cassert>
#include <iterator>

#include "platform/core/Tvx_String.h"
#include "platform/grid/formula/functions/FunctionBodies.h"

namespace formula {
namespace {

using K = ArgumentKind;
namespace f = functions;
constexpr int kMany = kMaxArguments;

// clang-format off
const BuiltinFunction kFunctions[] = {
    // name          min  max    argument kinds (the last repeats)              body
    {L"ABS",          1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::abs},
    {L"ACOS",         1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::acos},
    {L"AND",          1,  kMany, {K::Values, K::Values, K::Values, K::Values},  f::logicalAnd},
    {L"ASIN",         1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::asin},
    {L"ATAN",         1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::atan},
    {L"ATAN2",        2,  2,     {K::Number, K::Number, K::Number, K::Number},  f::atan2},
    {L"AVERAGE",      1,  kMany, {K::Values, K::Values, K::Values, K::Values},  f::average},
    {L"CEILING",      2,  2,     {K::Number, K::Number, K::Number, K::Number},  f::ceiling},
    {L"CHOOSE",       2,  kMany, {K::Number, K::Lazy, K::Lazy, K::Lazy},        f::choose},
    {L"CONCATENATE",  1,  kMany, {K::Text, K::Text, K::Text, K::Text},          f::concatenate},
    {L"COS",          1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::cos},
    {L"COUNT",        1,  kMany, {K::Values, K::Values, K::Values, K::Values},  f::count},
    {L"COUNTA",       1,  kMany, {K::Values, K::Values, K::Values, K::Values},  f::countA},
    {L"DEGREES",      1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::degrees},
    {L"EXACT",        2,  2,     {K::Text, K::Text, K::Text, K::Text},          f::exact},
    {L"EXP",          1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::exp},
    {L"FACT",         1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::fact},
    {L"FALSE",        0,  0,     {K::Number, K::Number, K::Number, K::Number},  f::logicalFalse},
    {L"FIND",         2,  3,     {K::Text, K::Text, K::Number, K::Number},      f::find},
    {L"FLOOR",        2,  2,     {K::Number, K::Number, K::Number, K::Number},  f::floor},
    {L"HLOOKUP",      3,  4,     {K::Scalar, K::Reference, K::Number, K::Logical}, f::hlookup},
    {L"IF",           2,  3,     {K::Logical, K::Lazy, K::Lazy, K::Lazy},       f::ifThen},
    {L"IFERROR",      2,  2,     {K::ScalarOrError, K::Lazy, K::Lazy, K::Lazy}, f::ifError},
    {L"INDEX",        2,  3,     {K::Reference, K::Number, K::Number, K::Number}, f::index},
    {L"INT",          1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::integer},
    {L"ISBLANK",      1,  1,     {K::ScalarOrError, K::Number, K::Number, K::Number}, f::isBlank},
    {L"ISERROR",      1,  1,     {K::ScalarOrError, K::Number, K::Number, K::Number}, f::isError},
    {L"ISLOGICAL",    1,  1,     {K::ScalarOrError, K::Number, K::Number, K::Number}, f::isLogical},
    {L"ISNA",         1,  1,     {K::ScalarOrError, K::Number, K::Number, K::Number}, f::isNa},
    {L"ISNUMBER",     1,  1,     {K::ScalarOrError, K::Number, K::Number, K::Number}, f::isNumber},
    {L"ISTEXT",       1,  1,     {K::ScalarOrError, K::Number, K::Number, K::Number}, f::isText},
    {L"LEFT",         1,  2,     {K::Text, K::Number, K::Number, K::Number},    f::left},
    {L"LEN",          1,  1,     {K::Text, K::Text, K::Text, K::Text},          f::len},
    {L"LN",           1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::ln},
    {L"LOG",          1,  2,     {K::Number, K::Number, K::Number, K::Number},  f::log},
    {L"LOG10",        1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::log10},
    {L"LOWER",        1,  1,     {K::Text, K::Text, K::Text, K::Text},          f::lower},
    {L"MATCH",        2,  3,     {K::Scalar, K::Reference, K::Number, K::Number}, f::match},
    {L"MAX",          1,  kMany, {K::Values, K::Values, K::Values, K::Values},  f::max},
    {L"MID",          3,  3,     {K::Text, K::Number, K::Number, K::Number},    f::mid},
    {L"MIN",          1,  kMany, {K::Values, K::Values, K::Values, K::Values},  f::min},
    {L"MOD",          2,  2,     {K::Number, K::Number, K::Number, K::Number},  f::mod},
    {L"NA",           0,  0,     {K::Number, K::Number, K::Number, K::Number},  f::na},
    {L"NOT",          1,  1,     {K::Logical, K::Logical, K::Logical, K::Logical}, f::logicalNot},
    {L"OR",           1,  kMany, {K::Values, K::Values, K::Values, K::Values},  f::logicalOr},
    {L"PI",           0,  0,     {K::Number, K::Number, K::Number, K::Number},  f::pi},
    {L"POWER",        2,  2,     {K::Number, K::Number, K::Number, K::Number},  f::power},
    {L"PRODUCT",      1,  kMany, {K::Values, K::Values, K::Values, K::Values},  f::product},
    {L"RADIANS",      1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::radians},
    {L"REPT",         2,  2,     {K::Text, K::Number, K::Number, K::Number},    f::rept},
    {L"RIGHT",        1,  2,     {K::Text, K::Number, K::Number, K::Number},    f::right},
    {L"ROUND",        1,  2,     {K::Number, K::Number, K::Number, K::Number},  f::round},
    {L"ROUNDDOWN",    1,  2,     {K::Number, K::Number, K::Number, K::Number},  f::roundDown},
    {L"ROUNDUP",      1,  2,     {K::Number, K::Number, K::Number, K::Number},  f::roundUp},
    {L"SEARCH",       2,  3,     {K::Text, K::Text, K::Number, K::Number},      f::search},
    {L"SIGN",         1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::sign},
    {L"SIN",          1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::sin},
    {L"SQRT",         1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::sqrt},
    {L"SUBSTITUTE",   3,  4,     {K::Text, K::Text, K::Text, K::Number},        f::substitute},
    {L"SUM",          1,  kMany, {K::Values, K::Values, K::Values, K::Values},  f::sum},
    {L"TAN",          1,  1,     {K::Number, K::Number, K::Number, K::Number},  f::tan},
    {L"TEXT",         2,  2,     {K::Scalar, K::Text, K::Text, K::Text},        f::text},
    {L"TRIM",         1,  1,     {K::Text, K::Text, K::Text, K::Text},          f::trim},
    {L"TRUE",         0,  0,     {K::Number, K::Number, K::Number, K::Number},  f::logicalTrue},
    {L"TRUNC",        1,  2,     {K::Number, K::Number, K::Number, K::Number},  f::trunc},
    {L"UPPER",        1,  1,     {K::Text, K::Text, K::Text, K::Text},          f::upper},
    {L"VALUE",        1,  1,     {K::Scalar, K::Scalar, K::Scalar, K::Scalar},  f::value},
    {L"VLOOKUP",      3,  4,     {K::Scalar, K::Reference, K::Number, K::Logical}, f::vlookup},
};
// clang-format on

}  // namespace

std::optional<std::uint32_t> findFunction(std::wstring_view name) {
    // The table is sorted by its upper-case names; a binary search compares
    // them with the name's characters in upper case, without copying the name.
    const auto compareUpper = [](std::wstring_view tableName, std::wstring_view key) {
        const std::size_t common = std::min(tableName.size(), key.size());
        for (std::size_t i = 0; i < common; ++i) {
            const wchar_t upper = upperCase(key[i]);
            if (tableName[i] != upper)
                return tableName[i] < upper ? -1 : 1;
        }
        return tableName.size() == key.size() ? 0 : (tableName.size() < key.size() ? -1 : 1);
    };
    auto first = std::begin(kFunctions);
    auto last = std::end(kFunctions);
    auto found = std::lower_bound(first, last, name,
                                  [&](const BuiltinFunction& function, std::wstring_view key) {
                                      return compareUpper(function.name, key) < 0;
                                  });
    if (found == last || compareUpper(found->name, name) != 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(found - first);
}

const BuiltinFunction& functionAt(std::uint32_t id) {
    assert(id < std::size(kFunctions) && "function id out of range");
    return kFunctions[id];
}

}  // namespace formula
