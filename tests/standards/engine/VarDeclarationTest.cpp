// Reading variable declarations from cell texts.
#include "standards/engine/VarDeclaration.h"

#include <gtest/gtest.h>

namespace {

TEST(VarDeclaration, TypeWordByPrefixAndNameAfterTheFirstBlank) {
    struct Case {
        const wchar_t* text;
        bool declares;
        VtValueType type;
        const wchar_t* name;
    };
    const Case cases[] = {
        {L"Double Width", true, eValueDouble, L"Width"},
        {L"Int Rows", true, eValueInt, L"Rows"},
        {L"String Section", true, eValueString, L"Section"},
        {L"  String Profile Name", true, eValueString, L"Profile Name"},
        {L"Int  X ", true, eValueInt, L" X "},
        {L"Integer X", true, eValueInt, L"X"},
        {L"Doubled value", true, eValueDouble, L"value"},
        {L"Double", true, eValueDouble, L""},
        {L"Input", false, eValueUndefined, L""},
        {L"Output", false, eValueUndefined, L""},
        {L"double X", false, eValueUndefined, L""},
        {L"\tDouble X", false, eValueUndefined, L""},
        {L"Width", false, eValueUndefined, L""},
        {L"", false, eValueUndefined, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.text).toUtf8());
        Tvx_String name(L"untouched");
        VtValueType type = eValueUndefined;
        EXPECT_EQ(parseVarDeclaration(Tvx_String(c.text), name, type), c.declares);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(name, c.declares ? Tvx_String(c.name) : Tvx_String(L"untouched"));
    }
}

}  // namespace
